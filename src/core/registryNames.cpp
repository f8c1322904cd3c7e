#include "core/registryNames.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/registryFile.h"
#include "platform/text/Numbers.h"

std::string seriesName(int32_t n) { return gfReadIniFile(gstrSeriesFile, "Series" + text::Str(n), "Name"); }

std::string courseName(int32_t n) { return gfReadIniFile(gstrCourceFile, "Cource" + text::Str(n), "Name"); }

bool namedEntryActive(const std::string& file, const std::string& section) {
    return fieldValue16(gfReadIniFile(file, section, "State")) == 0;
}

std::vector<RegistryEntry> activeNamedEntries(const std::string& file, const std::string& counterKey,
                                           const std::string& sectionPrefix) {
    std::vector<RegistryEntry> out;
    const int16_t count = registryCount(file, counterKey);
    for (int32_t n = 1; n <= count; ++n) {
        const std::string section = sectionPrefix + text::Str(n);
        if (namedEntryActive(file, section)) out.push_back({n, gfReadIniFile(file, section, "Name")});
    }
    return out;
}
