// Gathering the selected games into season rows, and ordering those rows.
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/courseRules.h"
#include "core/gameFile.h"
#include "core/iniFile.h"
#include "core/scoreCells.h"
#include "core/season.h"
#include "core/seasonShared.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/RuntimeError.h"

namespace {

// Adds one complete course's holes to a row: hole positions, holes played
// and strokes (its stroke counts go in with addStrokeCounts). Returns the
// course's strokes. Checked: each sum within 32 bits (the overflow error
// otherwise); unchecked: the caller knows the sums stay small, and hole
// positions are added four at a time. hole is 1..18 (a playable shape), so
// every hole index is in range.
template <bool kChecked>
int32_t addCourse(typSeasonScore& row, const CourseStrokes& course, int16_t hole) {
    int32_t* const positions = row.HoleScore.data();
    int h = 0;
    if constexpr (!kChecked) {
        using Four = int32_t __attribute__((vector_size(4 * sizeof(int32_t))));
        for (; h + 4 <= hole; h += 4) {
            Four position, strokes;
            std::memcpy(&position, positions + h, sizeof position);
            std::memcpy(&strokes, course.strokes.data() + h, sizeof strokes);
            position += strokes;
            std::memcpy(positions + h, &position, sizeof position);
        }
    }
    for (; h < hole; ++h) {
        const int32_t v = course.strokes[static_cast<std::size_t>(h)];
        positions[h] = kChecked ? checkedSum(positions[h], v) : positions[h] + v;
    }
    row.HolesDone += hole;
    // Every hole adds 1 or more, so the course's sum goes beyond 32 bits
    // exactly when one of its partial sums does.
    const int32_t strokes = kChecked ? checkedSum(0, course.sum) : static_cast<int32_t>(course.sum);
    row.Strokes = kChecked ? checkedSum(row.Strokes, strokes) : row.Strokes + strokes;
    return strokes;
}

// Adds the stroke counts of one or more complete courses of a player (their
// CourseStrokes::counts added up) to a row: the holes played in 1 to 5
// strokes.
void addStrokeCounts(typSeasonScore& row, uint64_t counts) {
    for (unsigned s = 1; s <= CourseStrokes::kCountedStrokes; ++s)
        row.StrokeCount[s - 1] += CourseStrokes::holesOf(counts, s);
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
    bool gameRow(const ScorePackReader::PackView& pack, typSeasonScore& row) {
        ScoreCells cells(pack.Holes);
        if (cells.digitsAhead(game_.Hole * game_.Round))
            addDigitCourses(cells.position(), row);
        else
            addCompleteCourses(cells, row);
        if (row.RoundsDone == 0) return false;
        // Per course, or per game: the share of the courses completed. Any
        // kind but 1 and 2 counts no handicap.
        if (game_.HandiCapKind == 1)
            for (int c = 0; c < row.RoundsDone; ++c) row.Handicap = checkedSum(row.Handicap, pack.Handicap);
        if (game_.HandiCapKind == 2) row.Handicap = gameHandicapShare(pack.Handicap, row.RoundsDone, game_.Round);
        setTotal(row);
        return true;
    }

    // The player's complete game, as gameRow sums it, when every course of
    // it is complete; false, with nothing summed or rounded, when one is not.
    bool wholeGameRow(const ScorePackReader::PackView& pack, typSeasonScore& row) {
        ScoreCells cells(pack.Holes);
        const int n = game_.Hole * game_.Round;
        if (!cells.digitsAhead(n))
            for (int k = n; k > 0; --k)
                if (!holeCounts(cells.next())) return false;
        return gameRow(pack, row);
    }

    // The player's best complete course (its numbers only; the row's date
    // and game stay): the lowest total, the earliest of equal ones. False when the player has no
    // complete course.
    bool bestCourseRow(const ScorePackReader::PackView& pack, typSeasonScore& best) {
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
            addStrokeCounts(row, course_.counts);
            row.Handicap = courseHandicap(game_.HandiCapKind, pack.Handicap, game_.Round);
            setTotal(row);
            std::string key = (row.Strokes == 0 ? "100" : "099") + keyNumber(row.Total + 100000LL, "000000");
            if (!found || key < bestKey) {
                // best keeps its date and game.
                row.Date = std::move(best.Date);
                row.GameIndex = best.GameIndex;
                best = std::move(row);
                bestKey = std::move(key);
                found = true;
            }
        }
        return found;
    }

private:
    // The usual pack, every cell of the game a single digit 1 to 9 and its
    // "," from `text` on (ScoreCells::digitsAhead): every course is complete
    // and plain, and its sums stay far below 2^31.
    void addDigitCourses(const char* text, typSeasonScore& row) const {
        uint64_t counts = 0;
        for (int c = 0; c < game_.Round; ++c) {
            int32_t strokes = 0;
            for (int h = 0; h < game_.Hole; ++h, text += 2) {
                const unsigned v = static_cast<unsigned char>(*text) - unsigned{'0'};
                row.HoleScore[static_cast<std::size_t>(h)] += static_cast<int32_t>(v);
                strokes += static_cast<int32_t>(v);
                counts += CourseStrokes::kCountOf[v];
            }
            // Each course is added once, to a row that starts at 0.
            row.RoundScore[static_cast<std::size_t>(c)] = strokes;
            row.Strokes += strokes;
        }
        row.RoundsDone = game_.Round;
        row.HolesDone = game_.Hole * game_.Round;
        addStrokeCounts(row, counts);
    }

    // Any pack: each complete course read from the cells and added.
    void addCompleteCourses(ScoreCells& cells, typSeasonScore& row) {
        const int16_t hole = game_.Hole;
        // While every course so far is plain, the row's sums need no check:
        // a plain hole is at most kPlainStrokesMax, so a hole position over
        // at most 10 courses, or the strokes of at most 180 holes, stay far
        // below 2^31. A course with any other hole text may be as large as
        // 32 bits allow: from it on every sum is checked.
        bool small = true;
        // The counts of at most 10 courses of 18 holes: no field runs over.
        uint64_t counts = 0;
        for (int c = 0; c < game_.Round; ++c) {
            if (!courseStrokes(hole, cells, course_)) continue;
            small = small && course_.plain;
            counts += course_.counts;
            // Each course is added once, to a row that starts at 0.
            row.RoundScore[static_cast<std::size_t>(c)] =
                small ? addCourse<false>(row, course_, hole) : addCourse<true>(row, course_, hole);
            ++row.RoundsDone;
        }
        addStrokeCounts(row, counts);
    }

    const typGameInfo& game_;
    CourseStrokes course_;
};

using PackView = ScorePackReader::PackView;

// Appends to gtypSeasonScores the season rows of the game in gtypGame (game
// index g) from its packs (one per player, as unpacking would give the
// player's Round score rows), under the gathering kind. True after a trapped
// run-time error (an overflow), which keeps the rows before it.
bool pfReadSeasonScore(int32_t g, int16_t kind, const std::vector<PackView>& packs) {
    if (kind < 1 || kind > 14) return false;
    return season::trapped("pfReadSeasonScore", [&] {
        GameRows builder(gtypGame);
        // Every row of the game starts as a copy of this one.
        typSeasonScore blank;
        blank.Date = gtypGame.Date;
        blank.GameIndex = g;
        for (const PackView& pack : packs) {
            // Built where it stays, so that its memory is written once; a
            // row not wanted, or one whose sums overflow, is taken off again.
            typSeasonScore& row = gtypSeasonScores.emplace_back(blank);
            try {
                const bool wanted = kind == 5   ? builder.bestCourseRow(pack, row)
                                    : kind == 2 ? builder.wholeGameRow(pack, row)
                                                : builder.gameRow(pack, row);
                if (!wanted) {
                    gtypSeasonScores.pop_back();
                    continue;
                }
                row.IDNo = pack.IDNo;
                row.TeamID = pack.TeamID;
            } catch (...) {
                gtypSeasonScores.pop_back();
                throw;
            }
        }
        return false;
    });
}

// Asks for the whole 2 MB pages within [data, data + bytes) to be backed by
// huge pages where the system allows it. A season's rows take megabytes
// (10 MB for 50,000): written for the first time in a process, each 4 kB
// page costs a fault that takes longer than filling the page with rows.
void backWithHugePages(const void* data, std::size_t bytes) {
    constexpr uintptr_t kHuge = uintptr_t{1} << 21;
    const uintptr_t from = (reinterpret_cast<uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
    const uintptr_t to = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(kHuge - 1);
    // Only advice: where it is refused the pages are the usual ones.
    if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}

// Room at once for a row per player of the selected games, as their headers
// count them: growing game by game would move the rows gathered so far again
// and again. A count inflated by a damaged header only reserves address
// space, and not past kReservedRows rows; growing goes on from there.
void reserveSeasonRows() {
    constexpr std::size_t kReservedRows = std::size_t{1} << 17;
    std::size_t expected = gtypSeasonScores.size();
    for (int32_t g : glngSeasonGames) {
        if (expected >= kReservedRows) break;
        if (g >= 0 && g <= glngGamesMax())
            expected += static_cast<std::size_t>(std::max(gtypGames[static_cast<std::size_t>(g)].MaxScoreNo, 0));
    }
    gtypSeasonScores.reserve(std::min(expected, kReservedRows));
    backWithHugePages(gtypSeasonScores.data(), gtypSeasonScores.capacity() * sizeof(typSeasonScore));
}

} // namespace

bool gfSetSeasonVarnel(int16_t intKind, std::vector<SeasonSkippedGame>& skipped) {
    skipped.clear();
    if (glngSeasonGamesMax() == -1) return true;
    // The rows are gathered from the files' packs as views; packs and score
    // rows are made only for the game read last, which stays the current
    // game, as reading and unpacking each game in turn would leave it.
    static ScorePackReader reader;
    std::vector<PackView> packs;
    bool readAny = false, unpack = false;
    const bool failed = season::trapped("gfSetSeasonVarnel", [&] {
        reserveSeasonRows();
        for (int32_t i = 0; i <= glngSeasonGamesMax(); ++i) {
            const int32_t g = glngSeasonGames.item(i);
            gtypGame = gtypGames.item(g);
            if (gintSeriesHandicap == 1) gtypGame.HandiCapKind = 0;
            // A game left out leaves no rows of an earlier game behind.
            unpack = false;
            gtypScores.clear();
            if (!isPlayableShape(gtypGame)) {
                skipped.push_back({g, SeasonSkippedGame::Reason::Shape});
                continue;
            }
            // Reading a stored game leaves the in-memory tables empty, as
            // gsReadScoreData does.
            const std::string path = gameFilePath(gtypGame);
            if (!path.empty()) gsClearIniEx();
            const ScorePackReader::Result result = reader.readViews(path, packs);
            readAny = true;
            if (result == ScorePackReader::Result::LoadFailed) showIniLoadFailure();
            if (result != ScorePackReader::Result::Read) {
                skipped.push_back({g, SeasonSkippedGame::Reason::Unreadable});
                continue;
            }
            unpack = true;
            if (pfReadSeasonScore(g, intKind, packs)) return true;
        }
        return false;
    });
    // The views of the game read last are still those of its file.
    if (readAny) ScorePackReader::assignPacks(packs, gtypScorePacks);
    // That game has a playable shape, so its unpacking cannot fail.
    if (unpack) gsUnpackScoreData();
    return failed;
}

std::string seasonSkippedPrompt(const std::vector<SeasonSkippedGame>& skipped) {
    std::string prompt = "次のゲームは集計から除きました。";
    for (const SeasonSkippedGame& left : skipped) {
        const typGameInfo& game = gtypGames.item(left.GameIndex);
        prompt += "\r\n" + game.FileName + "（" + game.Date + " " + game.Tittle + "）：" +
                  (left.reason == SeasonSkippedGame::Reason::Shape ? "ホール数またはコース数が正しくありません。"
                                                                   : "ファイルを読み込めません。");
    }
    return prompt;
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
