// The season entry list: every player who played, with the number of games.
#include <string>
#include <vector>

#include "core/courseRules.h"
#include "core/players.h"
#include "core/season.h"
#include "core/seasonShared.h"
#include "platform/text/Format.h"

bool gsCalSeasonEntryList(int16_t intByBelong, int16_t intByCount) {
    if (glngSeasonScoresMax() < 0) return true;
    return season::trapped("gsCalSeasonEntryList", [=] {
        std::vector<typSeasonScore> players = season::foldByPlayer();
        gtypSeasonEntryRows.clear();
        std::vector<std::string> keys;
        keys.reserve(players.size());
        for (typSeasonScore& p : players) {
            // The list shows games and sums only.
            p.GameIndex = 0;
            p.HolesDone = 0;
            p.Handicap = 0;
            // A player missing from the registry is listed without an
            // affiliation and with an empty reading.
            const int32_t index = gfGetPlayerIndex(p.IDNo);
            const typPlayerInfo none;
            const typPlayerInfo& player = index >= 0 ? gtypPlayers.item(index) : none;
            std::string key;
            if (intByBelong == 1) key += text::Format(player.BelongID, "00000");
            key += intByCount != 0 ? keyNumber(10000LL - p.Games, "00000") : player.Sort;
            keys.push_back(std::move(key));
        }
        // Numbered 1, 2, 3 even where keys are equal.
        const std::vector<int32_t> order = sortByKeys(keys);
        for (std::size_t k = 0; k < order.size(); ++k)
            gtypSeasonEntryRows.append(std::move(players[static_cast<std::size_t>(order[k])])).Rank =
                static_cast<int32_t>(k + 1);
        return false;
    });
}
