#include <gtest/gtest.h>

#include "../seasonRowsFixture.h"

#include "reportPdf.h"

#include "core/season.h"

#include <string>

namespace {

using namespace seasonreport;
using reportpdf::squeezed;

class SeasonReportsPdf : public reportpdf::ReportPdf {
protected:
    SeasonReportsPdf() {
        resetSharedGlobals();
        makeSeason();
    }
    ~SeasonReportsPdf() override {
        setPreviewWindow(nullptr);
        resetSharedGlobals();
    }

    // Page 1 of a one-page A4 portrait report holds every text.
    void expectOnePage(std::initializer_list<const char*> texts) {
        const std::string meta = info();
        EXPECT_NE(meta.find("Pages:           1"), std::string::npos) << meta;
        EXPECT_NE(meta.find("595 x 842 pts (A4)"), std::string::npos) << meta;
        const std::string text = page(1);
        for (const char* s : texts) EXPECT_NE(text.find(squeezed(s)), std::string::npos) << s << "\n" << text;
    }
};

TEST_F(SeasonReportsPdf, BestGames) {
    gtypSeasonGame.JudgeBirthday = 1;
    gtypSeasonGameRows.append(row(103, 1, {33, 33, 34}, 25, 1));
    gtypSeasonGameRows.append(row(101, 0, {30, 0, 33}, 0, 2));
    ASSERT_FALSE(gfPrintSeasonGameRanking(1, nullptr));
    expectOnePage({"通算ベスト・ゲーム（1/1）", "参加 2名", "* 秋季リーグ * 青空コース", "C1", "C2", "C3", "順位",
                   "千葉次郎", "(38,M)", "H5/05/05", "102.5", "2.5", "- 1 -"});
}

TEST_F(SeasonReportsPdf, BestCourses) {
    typSeasonScore r = row(103, 1, {}, 5, 1);
    r.Games = 2;
    r.Strokes = 27;
    r.Total = 275;
    const int32_t holes[] = {3, 1, 4, 2, 5, 3, 2, 4, 3};
    for (std::size_t h = 0; h < 9; ++h) r.HoleScore[h] = holes[h];
    gtypSeasonGameRows.append(r);
    ASSERT_FALSE(gfPrintSeasonRoundRanking(1, nullptr));
    expectOnePage({"通算ベスト・コース（1/1）", "参加 1名", "千葉次郎", "H5/05/05", "E", "①", "27.5", "0.5", "実打"});
}

TEST_F(SeasonReportsPdf, TeamList) {
    const struct {
        int32_t id;
        const char* team;
    } members[] = {{101, "A"}, {102, "A"}, {103, "A"}, {101, "B"}, {104, "B"}};
    for (const auto& m : members) {
        typSeasonScore r;
        r.IDNo = m.id;
        r.TeamID = m.team;
        r.RoundsDone = 3;
        r.Strokes = 100;
        r.Handicap = 5;
        r.Total = 1005;
        gtypSeasonTeamRows.append(r);
    }
    gtypSeasonGame.TeamHowtoRank = 1;
    ASSERT_FALSE(gfPrintSeasonTeamList(1, nullptr));
    expectOnePage({"通算チーム一覧表（1/1）", "参加 2ﾁｰﾑ、のべ5名", "M3", "土井三郎", "100.5", "33.50", "C平均"});
}

TEST_F(SeasonReportsPdf, TeamRanking) {
    for (const char* team : {"A", "A", "B"}) {
        typSeasonScore r;
        r.IDNo = 101;
        r.TeamID = team;
        r.RoundsDone = 12;
        r.Strokes = 430;
        r.Total = 4321;
        gtypSeasonTeamRows.append(r);
    }
    gtypSeasonGame.TeamHowtoRank = 1;
    ASSERT_FALSE(gsCalSeasonTeamRanking());
    ASSERT_FALSE(gfPrintSeasonTeamRanking(1, nullptr));
    expectOnePage({"通算チーム順位表（1/1）", "参加 2ﾁｰﾑ、のべ3名", "人数", "M1", "M2", "36.01", "864.2", "36.008"});
}

} // namespace

namespace {

TEST_F(SeasonReportsPdf, PersonalGames) {
    gtypSeasonGameRows.append(row(101, 1, {33, 0, 34}, 5));
    gtypSeasonGameRows.append(row(101, 0, {30, 31, 32}));
    gtypPersonalGame = gtypSeasonGame;
    ASSERT_FALSE(gfPrintSeasonPersonalGameScore(1, nullptr));
    expectOnePage({"個別ゲーム一覧表（1/1）", "【青木一郎】", "参加 2回", "平成5年05月05日(水)", "27H", "C3", "33", "-",
                   "67.5", "0.5"});
}

TEST_F(SeasonReportsPdf, PersonalGameInformation) {
    gtypSeasonGameRows.append(row(101, 1, {33}));
    gtypSeasonGameRows.append(row(101, 2, {30}));
    ASSERT_FALSE(gfPrintSeasonPersonalGameInfo(1, nullptr));
    expectOnePage({"個別ゲーム情報表（1/1）", "【青木一郎】", "参加 2回", "平成5年05月05日(水)", "27H", "(9x3)",
                   "大会1993/05/05", "シリーズ＆大会"});
}

TEST_F(SeasonReportsPdf, PersonalScores) {
    gtypPersonalGame = gtypSeasonGame;
    for (int16_t c = 1; c <= 3; ++c) {
        typSeasonRoundScore r;
        r.IDNo = 101;
        r.GameIndex = 1;
        r.Date = gtypGames.item(1).Date;
        r.RoundNo = c;
        r.TeamID = "A";
        r.Handicap = 5;
        for (std::size_t k = 0; k < 9; ++k) r.Holes[k] = k == 0 ? "1" : "3";
        gtypSeasonRoundRows.append(r);
    }
    ASSERT_FALSE(gfPrintSeasonPersonalRoundScore(1, nullptr));
    expectOnePage({"個別スコア表（1/1）", "【青木一郎】", "参加 1回", "平成5年05月05日(水)", "[ A ]", "①", "小計", "25.5",
                   "76.5"});
}

} // namespace
