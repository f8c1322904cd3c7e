#include "tally/recentTeams.h"

#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"

namespace {

constexpr const char* kSection = "RecentTeam";
constexpr std::size_t kMostKept = 20;

std::string key(std::size_t position) { return "Team" + text::Format(static_cast<long long>(position), "0"); }

} // namespace

std::vector<std::string> readRecentTeams() {
    const IniSectionValues values(gstrIniFile, kSection);
    std::vector<std::string> teams;
    for (std::size_t n = 1;; ++n) {
        std::string team = text::Trim(values.read(key(n)));
        if (team.empty()) return teams;
        teams.push_back(std::move(team));
    }
}

std::vector<std::string> recentTeamsAfter(const std::vector<std::string>& kept, const std::string& chosen) {
    std::vector<std::string> teams{chosen};
    for (const std::string& team : kept) {
        if (teams.size() == kMostKept) break;
        if (team != chosen) teams.push_back(team);
    }
    return teams;
}

void writeRecentTeams(const std::vector<std::string>& teams) {
    for (std::size_t i = 0; i < teams.size(); ++i) gfWriteIniFile(gstrIniFile, kSection, key(i + 1), teams[i]);
}
