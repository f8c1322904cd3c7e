// Gathering the selected games into season rows, and ordering those rows.
#include <array>
#include <string>
#include <vector>

#include "core/courseRules.h"
#include "core/gameFile.h"
#include "core/season.h"
#include "core/seasonShared.h"
#include "platform/forms/Services.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

namespace {

// How a left-out game is named: its file, date and title, and why.
std::string skippedLine(const typGameInfo& game, const char* reason) {
    return game.FileName + "（" + game.Date + " " + game.Tittle + "）：" + reason;
}

// The strokes of one complete course's holes (see gfCourseHoleStrokes).
using CourseStrokes = std::array<int32_t, 18>;

// Adds one complete course's holes to a row: strokes, hole positions, stroke
// counts (1 to 5 strokes) and holes played. Returns the course's strokes.
// hole is 1..18 (a playable shape), so every hole index is in range.
int32_t addCourse(typSeasonScore& row, const CourseStrokes& strokes, int16_t hole) {
    int32_t courseStrokes = 0;
    for (int h = 0; h < hole; ++h) {
        const int32_t v = strokes[static_cast<std::size_t>(h)];
        courseStrokes = gfCheckedSum(courseStrokes, v);
        row.HoleScore[static_cast<std::size_t>(h)] = gfCheckedSum(row.HoleScore[static_cast<std::size_t>(h)], v);
        if (v >= 1 && v <= 5) ++row.StrokeCount[static_cast<std::size_t>(v - 1)];
    }
    row.HolesDone += hole;
    row.Strokes = gfCheckedSum(row.Strokes, courseStrokes);
    return courseStrokes;
}

void setTotal(typSeasonScore& row) { row.Total = text::CLng(row.Strokes * 10.0 + row.Handicap); }

// Starts a row of game g for the player whose courses start at score row b.
void startRow(typSeasonScore& row, int32_t g, const typScoreData& first) {
    row.Date = gtypGame.Date;
    row.GameIndex = g;
    row.IDNo = first.IDNo;
    row.TeamID = first.TeamID;
}

// The player's courses, score rows b .. b + Round - 1: the one check of
// their range before they are read unchecked.
const typScoreData* playerCourses(int32_t b) {
    text::checkIndex(static_cast<long long>(b) + gtypGame.Round - 1, 0, glngScoresMax());
    return &gtypScores[static_cast<std::size_t>(b)];
}

// The player's complete courses of the game summed into row.
void gameRow(int32_t g, int32_t b, typSeasonScore& row) {
    const typGameInfo& game = gtypGame;
    const typScoreData* courses = playerCourses(b);
    startRow(row, g, courses[0]);
    CourseStrokes strokes;
    for (int c = 0; c < game.Round; ++c) {
        const typScoreData& course = courses[c];
        if (!gfCourseHoleStrokes(course, game.Hole, strokes)) continue;
        row.RoundScore[static_cast<std::size_t>(c)] =
            gfCheckedSum(row.RoundScore[static_cast<std::size_t>(c)], addCourse(row, strokes, game.Hole));
        ++row.RoundsDone;
        if (game.HandiCapKind == 1) row.Handicap = gfCheckedSum(row.Handicap, course.Handicap);
        if (game.HandiCapKind == 2) row.Handicap = course.Handicap;
    }
    // Per game: the share of the courses completed. Any kind but 1 and 2
    // counts no handicap.
    if (game.HandiCapKind == 2) row.Handicap = gfGameHandicapShare(row.Handicap, row.RoundsDone, game.Round);
    setTotal(row);
}

// The player's best complete course of the game: the lowest total, the
// earliest of equal ones. False when the player has no complete course.
bool bestCourseRow(int32_t g, int32_t b, typSeasonScore& best) {
    const typGameInfo& game = gtypGame;
    const typScoreData* courses = playerCourses(b);
    bool found = false;
    std::string bestKey;
    CourseStrokes strokes;
    for (int c = 0; c < game.Round; ++c) {
        const typScoreData& course = courses[c];
        if (!gfCourseHoleStrokes(course, game.Hole, strokes)) continue;
        typSeasonScore row;
        startRow(row, g, course);
        row.Games = course.RoundNo;
        addCourse(row, strokes, game.Hole);
        row.Handicap = gfCourseHandicap(game.HandiCapKind, course.Handicap, game.Round);
        setTotal(row);
        const std::string key = (row.Strokes == 0 ? "100" : "099") + gfKeyNumber(row.Total + 100000LL, "000000");
        if (!found || key < bestKey) {
            best = std::move(row);
            bestKey = key;
            found = true;
        }
    }
    return found;
}

// Appends the season rows of the game in gtypGame / gtypScores (game index
// g) under the gathering kind. True after a trapped run-time error.
bool pfReadSeasonScore(int32_t g, int16_t kind) {
    return season::trapped("pfReadSeasonScore", [&] {
        if (kind < 1 || kind > 14) return false;
        for (int32_t b = 0; b <= glngScoresMax(); b += gtypGame.Round) {
            if (kind == 5) {
                typSeasonScore row;
                if (bestCourseRow(g, b, row)) gtypSeasonScores.push_back(std::move(row));
                continue;
            }
            typSeasonScore row;
            gameRow(g, b, row);
            const bool wanted = kind == 2 ? row.RoundsDone == gtypGame.Round : row.RoundsDone > 0;
            if (wanted) gtypSeasonScores.push_back(std::move(row));
        }
        return false;
    });
}

} // namespace

bool gfSetSeasonVarnel(int16_t intKind) {
    if (glngSeasonGamesMax() == -1) return true;
    std::vector<std::string> skipped;
    const bool failed = season::trapped("gfSetSeasonVarnel", [&] {
        for (int32_t i = 0; i <= glngSeasonGamesMax(); ++i) {
            const int32_t g = glngSeasonGames.item(i);
            gtypGame = gtypGames.item(g);
            if (gintSeriesHandicap == 1) gtypGame.HandiCapKind = 0;
            // A game left out leaves no rows of an earlier game behind; a
            // game read replaces them all.
            if (!gfIsPlayableShape(gtypGame)) {
                gtypScores.clear();
                skipped.push_back(skippedLine(gtypGame, "ホール数またはコース数が正しくありません。"));
                continue;
            }
            if (gsReadScoreData()) {
                gtypScores.clear();
                skipped.push_back(skippedLine(gtypGame, "ファイルを読み込めません。"));
                continue;
            }
            gsUnpackScoreData();
            if (pfReadSeasonScore(g, intKind)) return true;
        }
        return false;
    });
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
