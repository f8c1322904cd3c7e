#include <gtest/gtest.h>

#include "reportFixture.h"
#include "reportPages.h"

#include "core/bestCourse.h"
#include "core/rankOneGame.h"
#include "core/resultRecords.h"
#include "core/teamRanking.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using forms::doubles::Drawing;
using Kind = forms::doubles::Drawing::Kind;

namespace {

// Each game report printed at once onto the recording printer: what lands
// on paper, where the columns computed at run time put their rules.
class GameReportsPrinted : public testing::Test {
protected:
    GameReportsPrinted() {
        reportfixture::makeGame(12, 8);
        gtypGame.Hole = 11;
        for (int32_t r = 0; r <= glngScoresMax(); ++r) reportfixture::fillHoles(r, std::to_string(2 + r % 3));
        for (auto& row : gtypScores) row.TeamID = row.IDNo <= 109 ? "A" : "B"; // teams of 9 and 3
    }
    ~GameReportsPrinted() override {
        gtypRankRows.clear();
        gtypBestCourseRows.clear();
        gtypTeamRankRows.clear();
        reportfixture::clearGame();
    }
    bool printed(const std::string& text) const {
        const auto texts = rec.texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    // A vertical rule at x (twips on the page) below the header row.
    bool verticalAt(double x) const {
        const auto lines = rec.of(Kind::Line);
        return std::any_of(lines.begin(), lines.end(), [x](const Drawing& d) { return d.x == x && d.x2 == x && d.y2 > d.y; });
    }
    bool horizontalFrom(double x) const {
        const auto lines = rec.of(Kind::Line);
        return std::any_of(lines.begin(), lines.end(), [x](const Drawing& d) { return d.x == x && d.y2 == d.y; });
    }

    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
};

TEST_F(GameReportsPrinted, ColumnsLaidOutAtRunTimeReachThePaper) {
    struct Case {
        const char* name;
        std::function<void()> compute;
        bool (*print)(int16_t, forms::Form*);
        const char* title;
        std::vector<double> rules; // x of rules between computed columns
        double top;                // y of the table's top rule on paper
    };
    const std::vector<Case> cases{
        {"score", [] {}, gfPrintScore, "スコア表（1/3）", {3120 + 475, 3120 + 10 * 475}, 840 + 567},
        {"ranking", gsCalPersonalRanking, gfPrintPersonRanking, "総合順位表（1/1）", {3000 + 578, 3000 + 7 * 578}, 840 + 567},
        {"best", gsCalBestCourse, gfPrintRoundRanking, "ベスト・コース（1/1）", {3120 + 447, 3120 + 10 * 447}, 840 + 567},
        {"list", gsCalTeamList, gfPrintTeamList, "チーム一覧表（1/1）", {1200}, 840 + 567},
        {"teams", gsCalTeamRanking, gfPrintTeamRanking, "チーム順位表（1/1）", {4320 + 747, 4320 + 8 * 747}, 840 + 283},
    };
    for (const Case& c : cases) {
        rec.drawings.clear();
        c.compute();
        ASSERT_FALSE(c.print(1, nullptr)) << c.name;
        EXPECT_TRUE(printed(c.title)) << c.name;
        for (double x : c.rules) EXPECT_TRUE(verticalAt(x) || horizontalFrom(x)) << c.name << " " << x;
        const auto lines = rec.of(Kind::Line);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const Drawing& d) { return d.y == c.top; })) << c.name;
    }
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(GameReportsPrinted, TheScoreSheetsTeamLineIsGrey) {
    ASSERT_FALSE(gfPrintScore(1, nullptr));
    const auto texts = rec.of(Kind::Text);
    const auto team = std::find_if(texts.begin(), texts.end(), [](const Drawing& d) { return d.text == "[ A ]"; });
    ASSERT_NE(team, texts.end());
    EXPECT_EQ(team->color, forms::RGB(100, 100, 100));
    EXPECT_EQ(rec.of(Kind::StartPage).size(), 3u); // 4 players of 8 courses a page
}

} // namespace
