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

// Fills the cells from the first hole on of `out` for score row `row`, and
// adds a complete course to `sums`. `shade` is the row's shading (unset
// leaves the cells' background as it is).
void courseCells(const typGameInfo& game, int16_t kind, const typScoreData& row, std::optional<forms::Color> shade,
                 PlayerSums& sums, std::vector<ListCell>& out) {
    long long strokes = 0;
    int32_t empty = 0;
    for (int h = 0; h < game.Hole; ++h) {
        const std::string& stored = row.Holes(h);
        const int32_t value = wholeValue(stored);
        if (value > 0) strokes += value;
        else ++empty;
        out.push_back(centred(holeCellText(stored, value), shade));
    }
    const bool complete = strokes != 0 && empty == 0;
    if (complete) ++sums.complete;
    out.push_back(centred(complete ? text::Str(strokes) : "-", kListGrey));
    long long value = strokes * 10;
    if (kind == 1) {
        out.push_back(centred(gfFormatTenths(row.Handicap), shade));
        if (complete) value += row.Handicap;
        out.push_back(centred(complete ? gfFormatTenths(value) : "-", kListGrey));
    } else if (kind == 2) {
        out.push_back(centred(row.RoundNo == 1 ? gfFormatTenths(row.Handicap) : "", shade));
    }
    if (complete) sums.total += value;
    ListCell total = centred("", kListGrey);
    total.bold = true;
    out.push_back(std::move(total));
}

// The player's total, written once the last course row is reached.
std::string totalText(int16_t kind, const typScoreData& last, const PlayerSums& sums, int16_t round) {
    if (sums.complete == 0) return "-";
    long long total = sums.total;
    if (kind == 2) total += gameHandicapShare(last.Handicap, sums.complete, round);
    return gfFormatTenths(total);
}

} // namespace

int16_t scoreTableKind(const typGameInfo& game) {
    return game.HandiCapKind == 1 || game.HandiCapKind == 2 ? game.HandiCapKind : 0;
}

ListTable scoreTable(const typGameInfo& game, const VbArray<typScoreData>& rows) {
    const int16_t kind = scoreTableKind(game);
    ListTable table;
    table.columns = scoreColumns(game, kind);
    table.rows.reserve(rows.size());
    PlayerSums sums;
    int32_t ordinal = 0;
    bool shaded = true;
    for (size_t j = 0; j < rows.size(); ++j) {
        const typScoreData& row = rows[j];
        ListRow& out = table.rows.emplace_back();
        out.itemData = static_cast<int32_t>(j) + 1;
        out.cells.reserve(table.columns.size());
        const bool first = row.RoundNo == 1;
        if (first) shaded = !shaded;
        const std::optional<forms::Color> shade = shaded ? std::optional(kScoreShade) : std::nullopt;
        out.cells.push_back(centred(first ? text::Str(++ordinal) : "", forms::vbButtonFace));
        if (first) {
            ListCell name;
            name.text = gfGetPlayerName(row.IDNo);
            name.back = shade;
            out.cells.push_back(std::move(name));
            out.cells.push_back(centred(gfGetPlayerAge(row.IDNo, game.Date), shade));
            out.cells.push_back(centred(gfGetPlayerGender(row.IDNo, 0), shade));
            sums = {};
        } else {
            out.cells.push_back(teamCell(row, shade));
            out.cells.push_back(centred("", shade));
            out.cells.push_back(centred("", shade));
        }
        out.cells.push_back(centred(row.RoundNo >= 1 && row.RoundNo <= 10 ? game.RoundName(row.RoundNo - 1) : "",
                                    kListGrey));
        courseCells(game, kind, row, shade, sums, out.cells);
        const auto firstRow = static_cast<long long>(j) - game.Round + 1;
        if (row.RoundNo == game.Round && firstRow >= 0)
            table.rows[static_cast<size_t>(firstRow)].cells.back().text = totalText(kind, row, sums, game.Round);
    }
    return table;
}

int32_t scoreFirstRow(const VbArray<typScoreData>& rows, int32_t index) {
    int32_t i = index;
    while (i > 0 && rows.item(i).RoundNo != 1) --i;
    return i;
}

std::vector<ListRow> scorePlayerRows(const typGameInfo& game, const VbArray<typScoreData>& rows, int32_t first) {
    const int16_t kind = scoreTableKind(game);
    std::vector<ListRow> out;
    const int32_t player = rows.item(first).IDNo;
    PlayerSums sums;
    for (auto i = static_cast<size_t>(first); i < rows.size() && rows[i].IDNo == player; ++i) {
        const typScoreData& row = rows[i];
        ListRow& line = out.emplace_back();
        line.itemData = static_cast<int32_t>(i) + 1;
        line.cells.resize(kScoreHoleCol);
        if (row.RoundNo == 1) sums = {};
        else line.cells[1] = teamCell(row, std::nullopt);
        courseCells(game, kind, row, std::nullopt, sums, line.cells);
        const auto firstRow = static_cast<long long>(out.size()) - game.Round;
        if (row.RoundNo == game.Round && firstRow >= 0)
            out[static_cast<size_t>(firstRow)].cells.back().text = totalText(kind, row, sums, game.Round);
    }
    return out;
}
