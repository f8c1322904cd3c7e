#pragma once
#include <cstdint>
#include <string>

#include "core/gameRecords.h"

// The texts of the entrants dialog, apart from any window.

// An entrant's line: the first two characters of the team, padded to two,
// and "：" before the player's short line; four blanks instead without a
// team, so that the names line up.
std::string entrantText(const typPlayerInfo& player);
// "参加 5名".
std::string entryCountText(int count);
// "[ A ﾁｰﾑ 3名]".
std::string teamCountText(const std::string& team, int count);
