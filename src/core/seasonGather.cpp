// Gathering the selected games into season rows, and ordering those rows.
#include <algorithm>
#include <string>
#include <vector>

#include "core/courseRules.h"
#include "core/gameFile.h"
#include "core/scoreCells.h"
#include "core/season.h"
#include "core/seasonShared.h"
#include "platform/forms/Services.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"

namespace {

// How a left-out game is named: its file, date and title, and why.
std::string skippedLine(const typGameInfo& game, const char* reason) {
    return game.FileName + "（" + game.Date + " " + game.Tittle + "）：" + reason;
}

// Adds one complete course's holes to a row: hole positions, stroke counts
// (1 to 5 strokes), holes played and strokes. Returns the course's strokes.
// Checked: each sum within 32 bits (the overflow error otherwise);
// unchecked: the caller knows the sums stay small. hole is 1..18 (a
// playable shape), so every hole index is in range.
template <bool kChecked>
int32_t addCourse(typSeasonScore& row, const CourseStrokes& course, int16_t hole) {
    for (int h = 0; h < hole; ++h) {
        int32_t& position = row.HoleScore[static_cast<std::size_t>(h)];
        const int32_t v = course.strokes[static_cast<std::size_t>(h)];
        position = kChecked ? gfCheckedSum(position, v) : position + v;
    }
    for (std::size_t k = 0; k < row.StrokeCount.size(); ++k) row.StrokeCount[k] += course.byStrokes[k + 1];
    row.HolesDone += hole;
    // Every hole adds 1 or more, so the course's sum goes beyond 32 bits
    // exactly when one of its partial sums does.
    const int32_t strokes = kChecked ? gfCheckedSum(0, course.sum) : static_cast<int32_t>(course.sum);
    row.Strokes = kChecked ? gfCheckedSum(row.Strokes, strokes) : row.Strokes + strokes;
    return strokes;
}

// Total = Strokes x 10 + Handicap, in tenths (the overflow error outside 32
// bits).
void setTotal(typSeasonScore& row) { row.Total = gfCheckedSum(row.Handicap, row.Strokes * 10LL); }

// The season rows of the game in gtypGame, read from the players' packs: a
// pack's cells course by course, course c (from 0) in cells c x Hole to
// (c + 1) x Hole - 1, the holes its score row (RoundNo c + 1) would hold after
// unpacking. The game has a playable shape (Hole 1..18, Round 1..10).
class GameRows {
public:
    // The player's complete courses summed into row (its numbers only).
    // False when the player has no complete course: the row stays empty.
    bool gameRow(const typScorePack& pack, typSeasonScore& row) {
        ScoreCells cells(pack.Holes);
        const int16_t hole = game_.Hole;
        // While every course so far is plain, the row's sums need no check:
        // a plain hole is at most kPlainStrokesMax, so a hole position over
        // at most 10 courses, or the strokes of at most 180 holes, stay far
        // below 2^31. A course with any other hole text may be as large as
        // 32 bits allow: from it on every sum is checked.
        bool small = true;
        for (int c = 0; c < game_.Round; ++c) {
            if (!gfCourseStrokes(hole, cells, course_)) continue;
            small = small && course_.plain;
            // Each course is added once, to a row that starts at 0.
            row.RoundScore[static_cast<std::size_t>(c)] =
                small ? addCourse<false>(row, course_, hole) : addCourse<true>(row, course_, hole);
            ++row.RoundsDone;
            if (game_.HandiCapKind == 1) row.Handicap = gfCheckedSum(row.Handicap, pack.Handicap);
            if (game_.HandiCapKind == 2) row.Handicap = pack.Handicap;
        }
        if (row.RoundsDone == 0) return false;
        // Per game: the share of the courses completed. Any kind but 1 and 2
        // counts no handicap.
        if (game_.HandiCapKind == 2) row.Handicap = gfGameHandicapShare(row.Handicap, row.RoundsDone, game_.Round);
        setTotal(row);
        return true;
    }

    // The player's best complete course (its numbers only): the lowest
    // total, the earliest of equal ones. False when the player has no
    // complete course.
    bool bestCourseRow(const typScorePack& pack, typSeasonScore& best) {
        ScoreCells cells(pack.Holes);
        const int16_t hole = game_.Hole;
        bool found = false;
        std::string bestKey;
        for (int c = 0; c < game_.Round; ++c) {
            if (!gfCourseStrokes(hole, cells, course_)) continue;
            typSeasonScore row;
            row.Games = c + 1; // the course's RoundNo
            // Into an empty row: only a course of other texts may go beyond 32 bits.
            course_.plain ? addCourse<false>(row, course_, hole) : addCourse<true>(row, course_, hole);
            row.Handicap = gfCourseHandicap(game_.HandiCapKind, pack.Handicap, game_.Round);
            setTotal(row);
            std::string key = (row.Strokes == 0 ? "100" : "099") + gfKeyNumber(row.Total + 100000LL, "000000");
            if (!found || key < bestKey) {
                best = row;
                bestKey = std::move(key);
                found = true;
            }
        }
        return found;
    }

private:
    const typGameInfo& game_ = gtypGame;
    CourseStrokes course_;
};

// Appends the season rows of the game in gtypGame (game index g), read from
// its packs in gtypScorePacks (one pack per player, as unpacking would give
// the player's Round score rows), under the gathering kind. True after a
// trapped run-time error.
bool pfReadSeasonScore(int32_t g, int16_t kind) {
    return season::trapped("pfReadSeasonScore", [&] {
        if (kind < 1 || kind > 14) return false;
        // Room for a row per player, growing geometrically game by game.
        const std::size_t rows = gtypSeasonScores.size() + gtypScorePacks.size();
        if (rows > gtypSeasonScores.capacity())
            gtypSeasonScores.reserve(std::max(rows, 2 * gtypSeasonScores.capacity()));
        GameRows game;
        for (const typScorePack& pack : gtypScorePacks) {
            // Built in place, and dropped again unless it is wanted (also
            // when an error ends the gathering half-way).
            typSeasonScore& row = gtypSeasonScores.emplace_back();
            struct DropUnlessKept {
                bool keep = false;
                ~DropUnlessKept() {
                    if (!keep) gtypSeasonScores.pop_back();
                }
            } built;
            const bool wanted = kind == 5 ? game.bestCourseRow(pack, row)
                                          : game.gameRow(pack, row) && (kind != 2 || row.RoundsDone == gtypGame.Round);
            if (!wanted) continue;
            row.Date = gtypGame.Date;
            row.GameIndex = g;
            row.IDNo = pack.IDNo;
            row.TeamID = pack.TeamID;
            built.keep = true;
        }
        return false;
    });
}

// Room at once for a row per player of every selected game, as the games'
// headers count them: growing game by game would move the rows gathered so
// far again and again. A count inflated by a damaged header only reserves
// address space, and not past kReservedRows rows; growing goes on from there.
void reserveSeasonRows() {
    constexpr std::size_t kReservedRows = std::size_t{1} << 17;
    std::size_t expected = gtypSeasonScores.size();
    for (int32_t i = 0; i <= glngSeasonGamesMax() && expected < kReservedRows; ++i) {
        const int32_t g = glngSeasonGames.item(i);
        if (g >= 0 && g <= glngGamesMax()) expected += static_cast<std::size_t>(std::max(gtypGames.item(g).MaxScoreNo, 0));
    }
    gtypSeasonScores.reserve(std::min(expected, kReservedRows));
}

} // namespace

bool gfSetSeasonVarnel(int16_t intKind) {
    if (glngSeasonGamesMax() == -1) return true;
    std::vector<std::string> skipped;
    // The rows are gathered from the packs; score rows are made only once,
    // for the game read last, which stays the current game.
    bool unpack = false;
    const bool failed = season::trapped("gfSetSeasonVarnel", [&] {
        reserveSeasonRows();
        for (int32_t i = 0; i <= glngSeasonGamesMax(); ++i) {
            const int32_t g = glngSeasonGames.item(i);
            gtypGame = gtypGames.item(g);
            if (gintSeriesHandicap == 1) gtypGame.HandiCapKind = 0;
            // A game left out leaves no rows of an earlier game behind.
            if (!gfIsPlayableShape(gtypGame)) {
                unpack = false;
                gtypScores.clear();
                skipped.push_back(skippedLine(gtypGame, "ホール数またはコース数が正しくありません。"));
                continue;
            }
            if (gsReadScoreData()) {
                unpack = false;
                gtypScores.clear();
                skipped.push_back(skippedLine(gtypGame, "ファイルを読み込めません。"));
                continue;
            }
            unpack = true;
            if (pfReadSeasonScore(g, intKind)) return true;
        }
        return false;
    });
    // The game read last has a playable shape, so its unpacking cannot fail.
    if (unpack) gsUnpackScoreData();
    if (!skipped.empty()) {
        std::string prompt = "次のゲームは集計から除きました。";
        for (const std::string& line : skipped) prompt += "\r\n" + line;
        forms::MsgBox(prompt, forms::vbOKOnly, "エラー");
    }
    return failed;
}

bool gfSortSeasonVarnel() {
    if (glngSeasonScoresMax() < 0) return true;
    return season::trapped("gfSortSeasonVarnel", [] {
        std::vector<std::string> keys;
        keys.reserve(gtypSeasonScores.size());
        for (const typSeasonScore& row : gtypSeasonScores)
            keys.push_back(text::Format(row.IDNo, "00000000") + text::FormatDateText(row.Date, "yyyy/mm/dd") +
                           text::Format(row.GameIndex, "000000"));
        VbArray<typSeasonScore> sorted;
        sorted.reserve(gtypSeasonScores.size());
        for (int32_t i : gfSortByKeys(keys)) sorted.append(std::move(gtypSeasonScores[static_cast<std::size_t>(i)]));
        gtypSeasonScores = std::move(sorted);
        return false;
    });
}
