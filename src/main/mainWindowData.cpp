#include "main/mainWindowData.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

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

std::string gfGamePath(const std::string& fileName) { return files::joinPath(gstrGamesFolder, text::Trim(fileName)); }
