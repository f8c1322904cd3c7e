#include "main/mainWindowData.h"

#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <cmath>

namespace {

double fitted(std::string_view s, double lo, double hi) {
    const double v = text::Val(s);
    return std::isnan(v) ? 0.0 : std::clamp(v, lo, hi);
}

} // namespace

std::string gfSeriesName(int32_t n) { return gfReadIniFile(gstrSeriesFile, "Series" + text::Str(n), "Name"); }

std::string gfCourceName(int32_t n) { return gfReadIniFile(gstrCourceFile, "Cource" + text::Str(n), "Name"); }

bool gfNamedEntryActive(const std::string& file, const std::string& section) {
    return gfFieldValue16(gfReadIniFile(file, section, "State")) == 0;
}

int32_t gfRememberedChoice(const std::string& key) {
    const std::string value = gfReadIniFile(gstrIniFile, "Setup", key);
    return text::Trim(value).empty() ? -1 : gfFieldValue32(value);
}

void gsRemember(const std::string& key, const std::string& value) { gfWriteIniFile(gstrIniFile, "Setup", key, value); }

int16_t gfFieldValue16(std::string_view s) { return text::CInt(fitted(s, -32768.0, 32767.0)); }

int32_t gfFieldValue32(std::string_view s) { return text::CLng(fitted(s, -2147483648.0, 2147483647.0)); }

std::string gfGamePath(const std::string& fileName) { return files::joinPath(gstrGamesFolder, text::Trim(fileName)); }
