#include "core/registryNames.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "platform/text/Numbers.h"

std::string gfSeriesName(int32_t n) { return gfReadIniFile(gstrSeriesFile, "Series" + text::Str(n), "Name"); }

std::string gfCourceName(int32_t n) { return gfReadIniFile(gstrCourceFile, "Cource" + text::Str(n), "Name"); }

bool gfNamedEntryActive(const std::string& file, const std::string& section) {
    return gfFieldValue16(gfReadIniFile(file, section, "State")) == 0;
}
