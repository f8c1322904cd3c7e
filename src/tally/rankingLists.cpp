// The individual ranking list (tab 3) and the best-course list (tab 4).
#include "core/helpers.h"
#include "core/players.h"
#include "platform/text/Numbers.h"
#include "tally/resultCells.h"
#include "tally/resultLists.h"
#include "tally/scoreRules.h"

namespace {

// Every second row gets the band, the first not.
std::optional<forms::Color> rowBand(size_t k, std::optional<forms::Color> band) {
    return k % 2 == 1 ? band : std::nullopt;
}

} // namespace

ListTable rankingList(const typGameInfo& game, const VbArray<typRankRow>& rows, int16_t bandVariant) {
    const bool hc = showsHandicap(game);
    ListTable table;
    table.columns = {{"順位", 550}, {"名前", 2500}, {"年令", 550}, {"性別", 550}};
    for (int c = 0; c < game.Round; ++c) table.columns.push_back({game.RoundName(c), 600});
    table.columns.push_back({"実打数", 800});
    if (hc) table.columns.push_back({"Hc", 800});
    table.columns.push_back({"合計", 1000, true});
    table.columns.push_back({"生年月日", 1300});

    const std::optional<forms::Color> band =
        bandVariant != 0 ? std::optional<forms::Color>(kRankingBand) : std::nullopt;
    const PlayerIndex players;
    const auto gameDate = text::parseDate(game.Date);
    table.rows.reserve(rows.size());
    for (size_t k = 0; k < rows.size(); ++k) {
        const typRankRow& r = rows[k];
        const std::optional<forms::Color> shade = rowBand(k, band);
        const bool played = r.Strokes != 0;
        ListRow& row = newResultRow(table, k, text::Str(r.Rank));
        const ListedPlayer player(players, r.IDNo);
        addPlayerCells(row, gameDate, player, shade);
        for (int c = 0; c < game.Round; ++c)
            addResultCell(row, numberOrDash(r.RoundScore(c)), AlignCentre, kListGrey);
        addResultCell(row, numberOrDash(r.Strokes), AlignCentre, shade);
        if (hc)
            addResultCell(row, played ? handicapShareText(game, r.Handicap, r.RoundsDone) : "-", AlignCentre, shade);
        addResultCell(row, played ? gfFormatTenths(r.Total) : "-", AlignCentre, kListGrey, true);
        addResultCell(row, birthdayText(game, player.born), AlignCentre, shade);
    }
    return table;
}

ListTable bestCourseList(const typGameInfo& game, const VbArray<typBestCourseRow>& rows) {
    const bool hc = showsHandicap(game);
    ListTable table;
    table.columns = {{"順位", 550}, {"名前", 2500}, {"年令", 550}, {"性別", 550}, {"", 600}};
    const int32_t holeWidth = game.Hole <= 12 ? 500 : 6500 / game.Hole;
    for (int h = 1; h <= game.Hole; ++h) table.columns.push_back({text::Str(h), holeWidth});
    table.columns.push_back({"実打", 700});
    if (hc) table.columns.push_back({"Hc", 800});
    table.columns.push_back({"合計", 900, true});
    table.columns.push_back({"生年月日", 1300});

    const PlayerIndex players;
    const auto gameDate = text::parseDate(game.Date);
    table.rows.reserve(rows.size());
    for (size_t k = 0; k < rows.size(); ++k) {
        const typBestCourseRow& r = rows[k];
        const std::optional<forms::Color> shade = rowBand(k, kBestCourseBand);
        const bool played = r.Strokes != 0;
        ListRow& row = newResultRow(table, k, text::Str(r.Rank));
        const ListedPlayer player(players, r.IDNo);
        addPlayerCells(row, gameDate, player, shade);
        addResultCell(row, played ? game.RoundName(r.RoundNo - 1) : "-", AlignCentre, kListGrey);
        for (int h = 0; h < game.Hole; ++h) addResultCell(row, holeCellText(r.Holes(h)), AlignCentre, shade);
        addResultCell(row, numberOrDash(r.Strokes), AlignCentre, kListGrey);
        if (hc) addResultCell(row, played ? gfFormatTenths(r.Handicap) : "-", AlignCentre, shade);
        addResultCell(row, played ? gfFormatTenths(r.Total) : "-", AlignCentre, kListGrey, true);
        addResultCell(row, birthdayText(game, player.born), AlignCentre, shade);
    }
    return table;
}
