#include <gtest/gtest.h>

#include "../reportFixture.h"
#include "../reportPages.h"

#include "core/bestCourse.h"
#include "core/rankOneGame.h"
#include "core/resultRecords.h"
#include "core/teamRanking.h"
#include "reports/game/modPfPreparePrint.h"
#include "reportPdf.h"

#include <string>

using reportpdf::squeezed;

// The game reports printed into real PDF files.
namespace {

class GameReportsPdf : public reportpdf::ReportPdf {
protected:
    // Eight players of three 9-hole courses with a handicap per game, in four
    // teams; player 8 has no team and misses a hole of his last course.
    GameReportsPdf() {
        reportfixture::makeGame(8, 3);
        gtypGame.RoundName = {"東", "西", "南"};
        gtypGame.HandiCapKind = 2;
        gtypGame.TeamHowtoRank = 1;
        gtypGame.JudgeBirthday = 1;
        for (int32_t r = 0; r <= glngScoresMax(); ++r) {
            reportfixture::fillHoles(r, std::to_string(3 + r % 4));
            gtypScores[static_cast<std::size_t>(r)].Holes[1] = "1";
            gtypScores[static_cast<std::size_t>(r)].Handicap = 30;
            gtypScores[static_cast<std::size_t>(r)].TeamID = std::string(1, static_cast<char>('A' + r / 3 % 4));
        }
        for (int r = 21; r < 24; ++r) gtypScores[static_cast<std::size_t>(r)].TeamID = "";
        gtypScores[23].Holes[4] = "";
        gintTeamCount = 4;
    }
    ~GameReportsPdf() override {
        gtypRankRows.clear();
        gtypBestCourseRows.clear();
        gtypTeamRankRows.clear();
        reportfixture::clearGame();
    }
    void expectTexts(const std::string& text, std::initializer_list<const char*> wanted) const {
        for (const char* s : wanted) EXPECT_NE(text.find(squeezed(s)), std::string::npos) << s << "\n" << text;
    }
    void expectOnePortraitPage() const {
        const std::string meta = info();
        EXPECT_NE(meta.find("Pages:           1"), std::string::npos) << meta;
        EXPECT_NE(meta.find("595 x 842 pts (A4)"), std::string::npos) << meta;
    }
};

TEST_F(GameReportsPdf, ScoreSheet) {
    ASSERT_FALSE(gfPrintScore(1, nullptr));
    expectOnePortraitPage();
    expectTexts(page(1), {"スコア表（1/1）", "参加 8名", "** 秋季リーグ **", "平成21年10月12日(月) 「秋季大会」", "No.",
                          "実打", "Hc", "合計", "選手1", "(59,M)", "[ B ]", "東", "西", "南", "①",
                          "- 1 -"});
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(GameReportsPdf, IndividualRanking) {
    gsCalPersonalRanking();
    ASSERT_FALSE(gfPrintPersonRanking(1, nullptr));
    expectOnePortraitPage();
    expectTexts(page(1), {"総合順位表（1/1）", "参加 8名", "順位", "生年月日", "S25/04/01", "東", "選手8", "(59,F)"});
}

TEST_F(GameReportsPdf, BestCourse) {
    gsCalBestCourse();
    ASSERT_FALSE(gfPrintRoundRanking(1, nullptr));
    expectOnePortraitPage();
    expectTexts(page(1), {"ベスト・コース（1/1）", "参加 8名", "①", "S25/04/01", "選手1"});
}

TEST_F(GameReportsPdf, TeamList) {
    gsCalTeamList();
    ASSERT_FALSE(gfPrintTeamList(1, nullptr));
    expectOnePortraitPage();
    // The narrow headers print whole.
    expectTexts(page(1), {"チーム一覧表（1/1）", "参加 4ﾁｰﾑ、7名", "No. ﾁｰﾑ MNo.", "C平均", "M1", "北山パークゴルフ協会"});
}

TEST_F(GameReportsPdf, TeamRanking) {
    gsCalTeamRanking();
    ASSERT_FALSE(gfPrintTeamRanking(1, nullptr));
    expectOnePortraitPage();
    expectTexts(page(1), {"チーム順位表（1/1）", "参加 4ﾁｰﾑ、7名", "人数", "C数", "M1", "M2"});
}

} // namespace
