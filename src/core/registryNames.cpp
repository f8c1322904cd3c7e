#include "core/registryNames.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "platform/text/Numbers.h"

std::string seriesName(int32_t n) { return gfReadIniFile(gstrSeriesFile, "Series" + text::Str(n), "Name"); }

std::string courseName(int32_t n) { return gfReadIniFile(gstrCourceFile, "Cource" + text::Str(n), "Name"); }

bool namedEntryActive(const std::string& file, const std::string& section) {
    return fieldValue16(gfReadIniFile(file, section, "State")) == 0;
}
