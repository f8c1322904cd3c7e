// Gathering the selected games into season rows, and ordering those rows.
#include <algorithm>
#include <exception>
#include <iterator>
#include <string>
#include <vector>

#include "core/courseRules.h"
#include "core/gameFile.h"
#include "core/iniFile.h"
#include "core/scoreCells.h"
#include "core/season.h"
#include "core/seasonReadAhead.h"
#include "core/seasonShared.h"
#include "platform/forms/Services.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/RuntimeError.h"

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
        position = kChecked ? checkedSum(position, v) : position + v;
    }
    for (std::size_t k = 0; k < row.StrokeCount.size(); ++k) row.StrokeCount[k] += course.byStrokes[k + 1];
    row.HolesDone += hole;
    // Every hole adds 1 or more, so the course's sum goes beyond 32 bits
    // exactly when one of its partial sums does.
    const int32_t strokes = kChecked ? checkedSum(0, course.sum) : static_cast<int32_t>(course.sum);
    row.Strokes = kChecked ? checkedSum(row.Strokes, strokes) : row.Strokes + strokes;
    return strokes;
}

// Total = Strokes x 10 + Handicap, in tenths (the overflow error outside 32
// bits).
void setTotal(typSeasonScore& row) { row.Total = checkedSum(row.Handicap, row.Strokes * 10LL); }

// The season rows of a game, read from the players' packs: a pack's cells
// course by course, course c (from 0) in cells c x Hole to (c + 1) x Hole - 1,
// the holes its score row (RoundNo c + 1) would hold after unpacking. The
// game has a playable shape (Hole 1..18, Round 1..10).
class GameRows {
public:
    explicit GameRows(const typGameInfo& game) : game_(game) {}

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
            if (!courseStrokes(hole, cells, course_)) continue;
            small = small && course_.plain;
            // Each course is added once, to a row that starts at 0.
            row.RoundScore[static_cast<std::size_t>(c)] =
                small ? addCourse<false>(row, course_, hole) : addCourse<true>(row, course_, hole);
            ++row.RoundsDone;
            if (game_.HandiCapKind == 1) row.Handicap = checkedSum(row.Handicap, pack.Handicap);
            if (game_.HandiCapKind == 2) row.Handicap = pack.Handicap;
        }
        if (row.RoundsDone == 0) return false;
        // Per game: the share of the courses completed. Any kind but 1 and 2
        // counts no handicap.
        if (game_.HandiCapKind == 2) row.Handicap = gameHandicapShare(row.Handicap, row.RoundsDone, game_.Round);
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
            if (!courseStrokes(hole, cells, course_)) continue;
            typSeasonScore row;
            row.Games = c + 1; // the course's RoundNo
            // Into an empty row: only a course of other texts may go beyond 32 bits.
            course_.plain ? addCourse<false>(row, course_, hole) : addCourse<true>(row, course_, hole);
            row.Handicap = courseHandicap(game_.HandiCapKind, pack.Handicap, game_.Round);
            setTotal(row);
            std::string key = (row.Strokes == 0 ? "100" : "099") + keyNumber(row.Total + 100000LL, "000000");
            if (!found || key < bestKey) {
                best = row;
                bestKey = std::move(key);
                found = true;
            }
        }
        return found;
    }

private:
    const typGameInfo& game_;
    CourseStrokes course_;
};

// Appends to `rows` the season rows of `game` (game index g) from its packs
// (one per player, as unpacking would give the player's Round score rows),
// under the gathering kind. A run-time error (overflow) ends it; the rows
// before it stay.
void appendGameRows(const typGameInfo& game, int32_t g, int16_t kind, const std::vector<typScorePack>& packs,
                    std::vector<typSeasonScore>& rows) {
    if (kind < 1 || kind > 14) return;
    rows.reserve(rows.size() + packs.size());
    GameRows builder(game);
    for (const typScorePack& pack : packs) {
        // Built in place, and dropped again unless it is wanted (also when
        // an error ends the game half-way).
        typSeasonScore& row = rows.emplace_back();
        struct DropUnlessKept {
            std::vector<typSeasonScore>& rows;
            bool keep = false;
            ~DropUnlessKept() {
                if (!keep) rows.pop_back();
            }
        } built{rows};
        const bool wanted = kind == 5 ? builder.bestCourseRow(pack, row)
                                      : builder.gameRow(pack, row) && (kind != 2 || row.RoundsDone == game.Round);
        if (!wanted) continue;
        row.Date = game.Date;
        row.GameIndex = g;
        row.IDNo = pack.IDNo;
        row.TeamID = pack.TeamID;
        built.keep = true;
    }
}

// Adds the rows of a game read ahead to the season rows, or raises the error
// that ended them after the rows before it. True after a trapped run-time
// error.
bool pfReadSeasonScore(SeasonReadAhead::Game& read) {
    return season::trapped("pfReadSeasonScore", [&] {
        gtypSeasonScores.insert(gtypSeasonScores.end(), std::make_move_iterator(read.rows.begin()),
                                std::make_move_iterator(read.rows.end()));
        if (read.error) std::rethrow_exception(read.error);
        return false;
    });
}

// One selected game: its header as the gathering sees it (no handicap under
// the series handicap), its index, whether it has a shape that can be
// tallied, and its file ("" for a game never saved).
struct SelectedGame {
    typGameInfo game;
    int32_t index;
    bool playable;
    std::string path;
};

// The selected games in the gathering's order, up to the first selection
// outside the list (the gathering stops there).
std::vector<SelectedGame> selectedGames() {
    std::vector<SelectedGame> games;
    for (int32_t i = 0; i <= glngSeasonGamesMax(); ++i) {
        const int32_t g = glngSeasonGames.item(i);
        if (g < 0 || g > glngGamesMax()) break;
        SelectedGame& selected = games.emplace_back(SelectedGame{gtypGames.item(g), g, false, {}});
        if (gintSeriesHandicap == 1) selected.game.HandiCapKind = 0;
        selected.playable = isPlayableShape(selected.game);
        selected.path = gameFilePath(selected.game);
    }
    return games;
}

// Room at once for a row per player of the selected games, as their headers
// count them: growing game by game would move the rows gathered so far again
// and again. A count inflated by a damaged header only reserves address
// space, and not past kReservedRows rows; growing goes on from there.
void reserveSeasonRows(const std::vector<SelectedGame>& games) {
    constexpr std::size_t kReservedRows = std::size_t{1} << 17;
    std::size_t expected = gtypSeasonScores.size();
    for (const SelectedGame& selected : games) {
        if (expected >= kReservedRows) break;
        expected += static_cast<std::size_t>(std::max(selected.game.MaxScoreNo, 0));
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
        const std::vector<SelectedGame> games = selectedGames();
        reserveSeasonRows(games);
        // The games of a playable shape are read, and their rows built,
        // ahead of the gathering, which takes them in order.
        std::vector<const SelectedGame*> playable;
        std::vector<std::string> paths;
        for (const SelectedGame& selected : games) {
            if (!selected.playable) continue;
            playable.push_back(&selected);
            paths.push_back(selected.path);
        }
        const auto buildRows = [&](std::size_t file, const std::vector<typScorePack>& packs,
                                   std::vector<typSeasonScore>& rows) {
            appendGameRows(playable[file]->game, playable[file]->index, intKind, packs, rows);
        };
        SeasonReadAhead files(std::move(paths), buildRows, SeasonReadAhead::workersFor(playable.size()));
        std::size_t nextFile = 0;
        for (const SelectedGame& selected : games) {
            gtypGame = selected.game;
            // A game left out leaves no rows of an earlier game behind.
            if (!selected.playable) {
                unpack = false;
                gtypScores.clear();
                skipped.push_back(skippedLine(gtypGame, "ホール数またはコース数が正しくありません。"));
                continue;
            }
            // The game's packs become the current ones; the slot gets the
            // storage of the game before. Reading a stored game leaves the
            // in-memory tables empty, as gsReadScoreData does.
            if (!selected.path.empty()) gsClearIniEx();
            SeasonReadAhead::Game& read = files.take(nextFile++);
            gtypScorePacks.swap(read.packs);
            if (read.result == ScorePackReader::Result::LoadFailed) showIniLoadFailure();
            if (read.result != ScorePackReader::Result::Read) {
                unpack = false;
                gtypScores.clear();
                skipped.push_back(skippedLine(gtypGame, "ファイルを読み込めません。"));
                continue;
            }
            unpack = true;
            if (pfReadSeasonScore(read)) return true;
        }
        // A selection outside the game list ends the gathering there.
        if (games.size() <= static_cast<std::size_t>(glngSeasonGamesMax())) text::raise(text::err::Subscript);
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
        for (int32_t i : sortByKeys(keys)) sorted.append(std::move(gtypSeasonScores[static_cast<std::size_t>(i)]));
        gtypSeasonScores = std::move(sorted);
        return false;
    });
}
