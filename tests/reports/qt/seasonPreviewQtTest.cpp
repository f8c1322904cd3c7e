// The season reports in the real preview window, for people to look at
// (LUMORA_SCREENSHOTS=<folder>): the first page of each at 100 %.
#include "../seasonRowsFixture.h"

#include "core/season.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "preview/frmPpPreview.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace seasonreport;

TEST_F(SeasonReport, PicturesInThePreview) {
    qtui::testing::QtDesktop qt;
    qtui::QtPrintService service{home.file("season.pdf")};
    forms::setPrintService(&service);
    // One set of rows serves every report: player 101's games, everyone's best.
    const int32_t ids[] = {101, 102, 103, 104};
    for (int i = 0; i < 4; ++i) {
        typSeasonScore r = row(ids[i], i % 3, {30 + i, i == 2 ? 0 : 31, 32}, i == 1 ? 25 : 0, i + 1);
        r.IDNo = i < 2 ? 101 : ids[i];
        r.Games = 1;
        for (std::size_t h = 0; h < 9; ++h) r.HoleScore[h] = h == 4 ? 1 : 3 + i;
        gtypSeasonGameRows.append(r);
        r.IDNo = ids[i];
        r.TeamID = i < 3 ? "A" : "B";
        gtypSeasonTeamRows.append(r);
    }
    ASSERT_FALSE(gsCalSeasonTeamRanking());
    for (int32_t game : {1, 2})
        for (int16_t c = 1; c <= 3; ++c) {
            typSeasonRoundScore r;
            r.IDNo = 101;
            r.GameIndex = game;
            r.Date = gtypGames.item(game).Date;
            r.RoundNo = c;
            r.TeamID = "A";
            r.Handicap = 5;
            for (std::size_t k = 0; k < 9; ++k) r.Holes[k] = k == static_cast<std::size_t>(c) ? "1" : "3";
            gtypSeasonRoundRows.append(r);
        }
    gtypPersonalGame = gtypSeasonGame;
    gtypSeasonGame.JudgeBirthday = 1;

    std::string name;
    int shown = 0;
    setPreviewWindow([&](forms::Form*) {
        frmPpPreview f;
        ASSERT_TRUE(qt.show(f)) << name;
        ++shown;
        qtui::saveScreenshotIfAsked(f, name);
        f.Unload();
    });
    const struct {
        const char* name;
        bool (*print)(int16_t, forms::Form*);
    } reports[] = {{"frmPfSeasonGameRanking", gfPrintSeasonGameRanking},
                   {"frmPfSeasonRoundRanking", gfPrintSeasonRoundRanking},
                   {"frmPfSeasonTeamList", gfPrintSeasonTeamList},
                   {"frmPfSeasonTeamRanking", gfPrintSeasonTeamRanking},
                   {"frmPfSeasonPersonalGameInfo", gfPrintSeasonPersonalGameInfo},
                   {"frmPfSeasonPersonalGameScore", gfPrintSeasonPersonalGameScore},
                   {"frmPfSeasonPersonalRoundScore", gfPrintSeasonPersonalRoundScore}};
    for (const auto& r : reports) {
        name = r.name;
        EXPECT_FALSE(r.print(0, nullptr)) << name;
    }
    forms::setPrintService(nullptr);
    EXPECT_EQ(shown, 7);
}

} // namespace
