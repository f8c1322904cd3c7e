#pragma once
#include <string>
#include <vector>

// The team identifiers used most recently, kept newest first in [RecentTeam]
// "Team" & n (n from 1) of the settings file.

// The identifiers kept: positions 1, 2, ... up to the first blank one,
// each trimmed.
std::vector<std::string> readRecentTeams();

// The list after `chosen` was used: `chosen` first, then the kept ones in
// their order without it (compared exactly, so "a" and "A" are two), at
// most 20 in all.
std::vector<std::string> recentTeamsAfter(const std::vector<std::string>& kept, const std::string& chosen);

// Writes positions 1 to the list's length; later positions are left alone.
void writeRecentTeams(const std::vector<std::string>& teams);
