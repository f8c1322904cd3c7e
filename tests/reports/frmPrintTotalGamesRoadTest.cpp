#include "seasonReportFixture.h"

#include "core/iniFile.h"
#include "platform/forms/Simulation.h"
#include "reports/season/frmPrintTotalGames.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sim = forms::sim;

namespace {

class SeasonRoad : public SeasonReportFixture {
protected:
    // Opens the season window, runs `script` in it and closes it.
    void open(const std::function<void(frmPrintTotalGames&)>& script) {
        frmPrintTotalGames f;
        desk.runModal(f, [&] {
            script(f);
            sim::click(f.btnOK);
        });
    }
    std::vector<std::string> prompts() const {
        std::vector<std::string> out;
        for (const auto& m : desk.messages()) out.push_back(m.prompt);
        return out;
    }
};

TEST_F(SeasonRoad, ButtonsWhoseReportIsNotPartOfTheProgramYetSaySoAfterGathering) {
    for (auto button : {&frmPrintTotalGames::btnBestGame, &frmPrintTotalGames::btnBestRound,
                        &frmPrintTotalGames::btnTeamList, &frmPrintTotalGames::btnTeamRanking}) {
        desk.boxes.clear();
        open([&](frmPrintTotalGames& f) {
            sim::click(f.*button);
            EXPECT_FALSE(gtypSeasonScores.empty()); // the games were gathered
        });
        EXPECT_EQ(prompts(), (std::vector<std::string>{"この機能はまだ利用できません。"}));
        EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
    }
    // The options in force were written first.
    EXPECT_EQ(gfReadIniFile(gstrIniFile, "Setup", "SeriesPrint_BelongOrLocation"), "1");
}

TEST_F(SeasonRoad, NothingToPrintSaysSo) {
    for (typPlayerInfo& p : gtypPlayers) p.BelongID = 0;
    data.writeGame(1, [] {
        auto g = game("2010/04/10", "春季大会");
        for (auto& s : g.scores) s.team.clear();
        return g;
    }());
    data.writeGame(2, [] {
        auto g = game("2010/06/20", "夏季大会");
        for (auto& s : g.scores) s.team.clear();
        return g;
    }());
    open([](frmPrintTotalGames& f) {
        sim::click(f.btnTeamList);
        sim::click(f.btnTeamRanking);
    });
    ASSERT_EQ(desk.messages().size(), 2u);
    for (const auto& m : desk.messages()) {
        EXPECT_EQ(m.prompt, "印刷データはありません。");
        EXPECT_EQ(m.title, "ｴﾗｰ");
        EXPECT_EQ(m.flags, forms::vbOKOnly);
    }
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
}

TEST_F(SeasonRoad, GamesLeftOutOfTheGatheringAreNamedInOneBoxAndTheRestPrints) {
    std::filesystem::remove(data.gamePath(1));
    open([](frmPrintTotalGames& f) { sim::click(f.btnBestGame); });
    ASSERT_GE(desk.messages().size(), 1u);
    EXPECT_EQ(desk.messages()[0].prompt.rfind("次のゲームは集計から除きました。\r\ngame00001.lmg（2010/04/10 春季大会）：", 0), 0u)
        << desk.messages()[0].prompt;
    EXPECT_EQ(desk.messages()[0].title, "エラー");
    EXPECT_EQ(desk.messages()[0].flags, forms::vbOKOnly);
    EXPECT_EQ(desk.messages().back().prompt, "この機能はまだ利用できません。"); // the report's own answer

    // With every game left out there is nothing to print, and no further box.
    std::filesystem::remove(data.gamePath(2));
    desk.boxes.clear();
    open([](frmPrintTotalGames& f) { sim::click(f.btnBestGame); });
    ASSERT_EQ(desk.messages().size(), 2u);
    EXPECT_EQ(desk.messages()[0].title, "エラー");
    EXPECT_EQ(desk.messages()[1].prompt, "印刷データはありません。");
}

TEST_F(SeasonRoad, PersonalReportsEndQuietlyWhenNoPlayerIsChosen) {
    open([](frmPrintTotalGames& f) {
        sim::click(f.btnPrivateRanking);
        sim::click(f.btnPrivateScore);
    });
    for (const auto& m : desk.messages()) EXPECT_NE(m.prompt, "印刷データはありません。");
    // Every player with season rows was offered.
    for (const typPlayerInfo& p : gtypPlayers) EXPECT_EQ(p.Entered, 1) << p.ID;
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
}

} // namespace
