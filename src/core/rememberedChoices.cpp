#include "core/rememberedChoices.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "platform/text/Strings.h"

int32_t rememberedChoice(const std::string& key) {
    const std::string value = gfReadIniFile(gstrIniFile, "Setup", key);
    return text::Trim(value).empty() ? -1 : fieldValue32(value);
}

void remember(const std::string& key, const std::string& value) { gfWriteIniFile(gstrIniFile, "Setup", key, value); }
