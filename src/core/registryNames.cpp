#include "core/registryNames.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/registryFile.h"
#include "platform/files/Profile.h"
#include "platform/text/Numbers.h"

std::string seriesName(int32_t n) { return gfReadIniFile(gstrSeriesFile, "Series" + text::Str(n), "Name"); }

std::string courseName(int32_t n) { return gfReadIniFile(gstrCourceFile, "Cource" + text::Str(n), "Name"); }

bool namedEntryActive(const std::string& file, const std::string& section) {
    return fieldValue16(gfReadIniFile(file, section, "State")) == 0;
}

std::vector<RegistryEntry> activeNamedEntries(const RegistryFile& registry) {
    // One synchronous loop over one file: it is read once, not once per value.
    files::ProfileReadBatch batch;
    std::vector<RegistryEntry> out;
    const std::string& file = registry.file();
    const int32_t count = registryCount(registry);
    for (int32_t n = 1; n <= count; ++n) {
        const std::string section = registry.sectionPrefix + text::Str(n);
        if (namedEntryActive(file, section)) out.push_back({n, gfReadIniFile(file, section, "Name")});
    }
    return out;
}
