#include "tally/entrantTexts.h"

#include "core/players.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"

#include <algorithm>

std::string entrantText(const typPlayerInfo& player) {
    const std::string team = text::Trim(player.TeamID);
    if (team.empty()) return text::Space(4) + gfGetPlayerListTextShort(player);
    const std::string shown = text::Left(team, 2);
    return shown + text::Space(std::max(0L, 2 - text::Len(shown))) + "：" + gfGetPlayerListTextShort(player);
}

std::string entryCountText(int count) { return "参加 " + text::Format(count, "0") + "名"; }

std::string teamCountText(const std::string& team, int count) {
    return "[ " + team + " ﾁｰﾑ " + text::Format(count, "0") + "名]";
}
