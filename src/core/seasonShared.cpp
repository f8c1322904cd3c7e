#include "core/seasonShared.h"

#include "platform/forms/Services.h"
#include "platform/text/Format.h"
#include "platform/text/RuntimeError.h"

namespace season {

bool trapped(const char* proc, const std::function<bool()>& body) {
    try {
        return body();
    } catch (const text::RuntimeError& e) {
        forms::MsgBox(std::string(proc) + "()::" + e.Description, forms::vbOKOnly, "System error");
        return true;
    }
}

void addSeasonSums(typSeasonScore& into, const typSeasonScore& row) {
    auto add = [](int32_t& sum, int32_t value) { sum = checkedSum(sum, value); };
    add(into.Games, 1);
    add(into.RoundsDone, row.RoundsDone);
    add(into.HolesDone, row.HolesDone);
    for (int h = 0; h < gtypSeasonGame.Hole; ++h) add(into.HoleScore(h), row.HoleScore(h));
    for (int c = 0; c < gtypSeasonGame.Round; ++c) add(into.RoundScore(c), row.RoundScore(c));
    for (std::size_t n = 0; n < 5; ++n) add(into.StrokeCount[n], row.StrokeCount[n]);
    add(into.Strokes, row.Strokes);
    add(into.Total, row.Total);
    add(into.Handicap, row.Handicap);
}

std::vector<typSeasonScore> foldByPlayer() {
    std::vector<std::string> keys;
    keys.reserve(gtypSeasonScores.size());
    for (const typSeasonScore& row : gtypSeasonScores) keys.push_back(text::Format(row.IDNo, "00000000"));
    std::vector<typSeasonScore> players;
    for (int32_t i : sortByKeys(keys)) {
        const typSeasonScore& row = gtypSeasonScores[static_cast<std::size_t>(i)];
        if (players.empty() || players.back().IDNo != row.IDNo) {
            typSeasonScore& player = players.emplace_back();
            player.IDNo = row.IDNo;
            player.GameIndex = row.GameIndex;
        }
        addSeasonSums(players.back(), row);
    }
    return players;
}

} // namespace season
