#include "core/registries.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/registryFile.h"
#include "platform/files/Profile.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

#include <algorithm>

// The player file goes through the in-memory reader: one load for the whole
// registry, its counter and its sections read from the same tables.
void loadPlayers() {
    gtypPlayers.clear();
    const IniLoad load = loadRegistryIniEx(gstrPlayerFile);
    noteRegistryRead(gstrPlayerFile, load != IniLoad::Failed);
    if (load != IniLoad::Loaded) return;
    std::vector<std::string> names;
    names.reserve(mtypIniSections.size());
    for (const typIniSection& s : mtypIniSections) names.emplace_back(s.Name);
    const int32_t count = std::min(
        highestRecordNumber(gfReadIniEx("Management", playerRegistry.counterKey), names, playerRegistry.sectionPrefix),
        int32_t{32767});
    for (int32_t n = 1; n <= count; ++n) {
        const std::string section = playerRegistry.sectionPrefix + text::Str(n);
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
    // One synchronous loop over one file: it is read once, not once per value.
    files::ProfileReadBatch batch;
    const int16_t count = registryCount(groupRegistry);
    for (int32_t n = 1; n <= count; ++n) {
        const std::string section = groupRegistry.sectionPrefix + text::Str(n);
        const std::string name = text::Trim(gfReadIniFile(gstrGroupFile, section, "Name"));
        if (name.empty()) continue;
        typBelongInfo& b = gtypBelongs.append();
        b.ID = n;
        b.Name = name;
        b.ShortName = text::Trim(gfReadIniFile(gstrGroupFile, section, "ShortName"));
        b.State = fieldValue16(gfReadIniFile(gstrGroupFile, section, "State"));
    }
}
