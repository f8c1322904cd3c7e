#include "tally/scoreTable.h"

#include "core/courseRules.h"
#include "core/helpers.h"
#include "core/players.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"
#include "tally/scoreRules.h"

namespace {

// One player's running values while the rows are walked.
struct PlayerSums {
    long long total = 0;   // tenths, complete courses only
    int32_t complete = 0;  // complete courses
};

// Header and width of every column.
std::vector<ListColumn> scoreColumns(const typGameInfo& game, int16_t kind) {
    std::vector<ListColumn> cols{{"No.", 550}, {"名前", 2500}, {"年令", 550}, {"性別", 550}, {"", 600}};
    const int32_t holeWidth = game.Hole <= 12 ? 500 : 6500 / game.Hole;
    for (int h = 1; h <= game.Hole; ++h) cols.push_back({text::Str(h), holeWidth});
    cols.push_back({"実打", 700});
    if (kind != 0) cols.push_back({"Hc", 800});
    if (kind == 1) cols.push_back({"小計", 800});
    cols.push_back({"合計", 1000, true});
    return cols;
}

ListCell centred(std::string text, std::optional<forms::Color> back = std::nullopt) {
    ListCell c;
    c.text = std::move(text);
    c.alignment = AlignCentre;
    c.back = back;
    return c;
}

// The team text of a later course row: "[ A ]" in grey on the second one.
ListCell teamCell(const typScoreData& row, std::optional<forms::Color> back) {
    ListCell c;
    c.back = back;
    const std::string team = text::Trim(row.TeamID);
    if (row.RoundNo == 2 && !team.empty()) {
        c.text = "[ " + team + " ]";
        c.fore = forms::vbGrayText;
    }
    return c;
}

// What one course row adds to its player's total: complete when every hole
// is entered and the strokes are not 0; tenths, with the row's handicap
// under kind 1.
struct CourseFigures {
    long long strokes = 0;
    bool complete = false;
    long long value = 0;
};

CourseFigures courseFigures(const typGameInfo& game, int16_t kind, const typScoreData& row) {
    CourseFigures f;
    int32_t empty = 0;
    for (int h = 0; h < game.Hole; ++h) {
        const int32_t value = wholeValue(row.Holes(h));
        if (value > 0) f.strokes += value;
        else ++empty;
    }
    f.complete = f.strokes != 0 && empty == 0;
    f.value = f.strokes * 10 + (kind == 1 && f.complete ? row.Handicap : 0);
    return f;
}

// Writes the cells of score row `row` from the first hole on, up to the
// total, which the caller writes. `shade` is the row's shading (unset leaves
// the cells' background as it is).
void courseCells(const typGameInfo& game, int16_t kind, const typScoreData& row, std::optional<forms::Color> shade,
                 ListRowOut& out) {
    for (int h = 0; h < game.Hole; ++h) out.add(centred(holeCellText(row.Holes(h)), shade));
    const CourseFigures f = courseFigures(game, kind, row);
    out.add(centred(f.complete ? text::Str(f.strokes) : "-", kListGrey));
    if (kind == 1) {
        out.add(centred(gfFormatTenths(row.Handicap), shade));
        out.add(centred(f.complete ? gfFormatTenths(f.value) : "-", kListGrey));
    } else if (kind == 2) {
        out.add(centred(row.RoundNo == 1 ? gfFormatTenths(row.Handicap) : "", shade));
    }
}

// The player's total as the row `last` of the last course closes it: the
// complete courses of rows from..last (from the player's first course on).
// With kind 2 the game handicap's share can fail to fit, in a damaged file
// whose player has more courses than the game.
std::string totalText(const typGameInfo& game, int16_t kind, const VbArray<typScoreData>& rows, int32_t from,
                      int32_t last) {
    PlayerSums sums;
    for (int32_t m = from; m <= last; ++m) {
        const CourseFigures f = courseFigures(game, kind, rows[static_cast<size_t>(m)]);
        if (!f.complete) continue;
        ++sums.complete;
        sums.total += f.value;
    }
    if (sums.complete == 0) return "-";
    long long total = sums.total;
    if (kind == 2) total += gameHandicapShare(rows[static_cast<size_t>(last)].Handicap, sums.complete, game.Round);
    return gfFormatTenths(total);
}

// Where a score row stands, from the course numbers alone: the player's
// number on a first course row (0 on the others), the shading, and the
// row from which courses count toward a total closed on this row.
struct RowPlace {
    int32_t ordinal = 0;
    bool shaded = false;
    int32_t sumsFrom = 0;
};

std::vector<RowPlace> rowPlaces(const VbArray<typScoreData>& rows) {
    std::vector<RowPlace> places(rows.size());
    RowPlace place{0, true, 0};
    int32_t ordinal = 0;
    for (size_t j = 0; j < rows.size(); ++j) {
        if (rows[j].RoundNo == 1) place = {++ordinal, !place.shaded, static_cast<int32_t>(j)};
        else place.ordinal = 0;
        places[j] = place;
    }
    return places;
}

// Row `j` of the score table; its total closes on row j + Round - 1.
void scoreRow(const typGameInfo& game, int16_t kind, const VbArray<typScoreData>& rows,
              const std::vector<RowPlace>& places, int32_t j, ListRowOut& out) {
    const typScoreData& row = rows.item(j);
    const RowPlace& place = places[static_cast<size_t>(j)];
    const std::optional<forms::Color> shade = place.shaded ? std::optional(kScoreShade) : std::nullopt;
    const bool first = row.RoundNo == 1;
    out.add(centred(first ? text::Str(place.ordinal) : "", forms::vbButtonFace));
    if (first) {
        ListCell name;
        name.text = gfGetPlayerName(row.IDNo);
        name.back = shade;
        out.add(std::move(name));
        out.add(centred(gfGetPlayerAge(row.IDNo, game.Date), shade));
        out.add(centred(gfGetPlayerGender(row.IDNo, 0), shade));
    } else {
        out.add(teamCell(row, shade));
        out.add(centred("", shade));
        out.add(centred("", shade));
    }
    out.add(centred(row.RoundNo >= 1 && row.RoundNo <= 10 ? game.RoundName(row.RoundNo - 1) : "", kListGrey));
    courseCells(game, kind, row, shade, out);
    ListCell total = centred("", kListGrey);
    total.bold = true;
    const long long last = static_cast<long long>(j) + game.Round - 1;
    if (game.Round >= 1 && last < static_cast<long long>(rows.size()) &&
        rows[static_cast<size_t>(last)].RoundNo == game.Round) {
        const auto k = static_cast<int32_t>(last);
        total.text = totalText(game, kind, rows, places[static_cast<size_t>(k)].sumsFrom, k);
    }
    out.add(std::move(total));
}

} // namespace

int16_t scoreTableKind(const typGameInfo& game) {
    return game.HandiCapKind == 1 || game.HandiCapKind == 2 ? game.HandiCapKind : 0;
}

ListRows scoreRows(const typGameInfo& game, const VbArray<typScoreData>& rows) {
    const int16_t kind = scoreTableKind(game);
    checkScoreTotals(game, rows, 0, rows.ubound());
    ListRows list;
    list.columns = scoreColumns(game, kind);
    list.itemData.resize(rows.size());
    for (size_t j = 0; j < rows.size(); ++j) list.itemData[j] = static_cast<int32_t>(j) + 1;
    list.cells = [game, kind, &rows, places = rowPlaces(rows)](int32_t j, ListRowOut& out) {
        scoreRow(game, kind, rows, places, j, out);
    };
    return list;
}

int32_t scoreFirstRow(const VbArray<typScoreData>& rows, int32_t index) {
    int32_t i = index;
    while (i > 0 && rows.item(i).RoundNo != 1) --i;
    return i;
}

int32_t scoreLastRow(const VbArray<typScoreData>& rows, int32_t first) {
    int32_t i = first;
    while (i < rows.ubound() && rows.item(i + 1).RoundNo != 1) ++i;
    return i;
}

void checkScoreTotals(const typGameInfo& game, const VbArray<typScoreData>& rows, int32_t from, int32_t to) {
    const int16_t kind = scoreTableKind(game);
    if (kind != 2 || from > to) return;
    // A total cannot fail while its player has no more courses than the game.
    for (int32_t k = from, sumsFrom = scoreFirstRow(rows, from); k <= to; ++k) {
        const typScoreData& row = rows.item(k);
        if (row.RoundNo == 1) sumsFrom = k;
        if (row.RoundNo == game.Round && k - sumsFrom + 1 > game.Round) totalText(game, kind, rows, sumsFrom, k);
    }
}
