#include "core/registries.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/registryFile.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

// The player file goes through the in-memory reader: one load for the whole
// registry.
void loadPlayers() {
    gtypPlayers.clear();
    if (gfLoadIniEx(gstrPlayerFile)) return;
    const int16_t count = registryCount(gstrPlayerFile, "MaxPlayerNo");
    for (int32_t n = 1; n <= count; ++n) {
        const std::string section = "player" + text::Str(n);
        const std::string name = text::Trim(gfReadIniEx(section, "Name"));
        if (name.empty()) continue;
        typPlayerInfo& p = gtypPlayers.append();
        p.ID = n;
        p.Name = name;
        p.State = fieldValue16(gfReadIniEx(section, "State"));
        p.Birthday = text::Trim(gfReadIniEx(section, "Birthday"));
        p.Gender = fieldValue16(gfReadIniEx(section, "Gender"));
        p.BelongID = fieldValue32(gfReadIniEx(section, "BelongID"));
        p.Sort = text::Trim(gfReadIniEx(section, "Sort"));
        p.Location = text::Trim(gfReadIniEx(section, "Location"));
    }
    gsClearIniEx();
}

void loadGroups() {
    gtypBelongs.clear();
    const int16_t count = registryCount(gstrGroupFile, "MaxGroupNo");
    for (int32_t n = 1; n <= count; ++n) {
        const std::string section = "group" + text::Str(n);
        const std::string name = text::Trim(gfReadIniFile(gstrGroupFile, section, "Name"));
        if (name.empty()) continue;
        typBelongInfo& b = gtypBelongs.append();
        b.ID = n;
        b.Name = name;
        b.ShortName = text::Trim(gfReadIniFile(gstrGroupFile, section, "ShortName"));
        b.State = fieldValue16(gfReadIniFile(gstrGroupFile, section, "State"));
    }
}
