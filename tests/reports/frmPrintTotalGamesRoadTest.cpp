#include "seasonReportFixture.h"

#include "core/iniFile.h"
#include "platform/forms/Simulation.h"
#include "reports/season/frmPfSeasonEntryList.h"
#include "reports/season/frmPfSeasonTotalRanking.h"
#include "reports/season/frmPrintTotalGames.h"
#include "tally/frmCategory.h"

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
    // What the preview was handed: the report window's first page title and
    // count, and the IDs and ranks of the rows it printed.
    struct Printed {
        std::string window, title, count;
        std::vector<int32_t> ids, ranks;
    };
    std::vector<Printed> printed;
    void watchPreview() {
        setPreviewWindow([this](forms::Form*) {
            ReportWindow& frm = dynamic_cast<ReportWindow&>(*gfrmPrintForm);
            gintPrintPageNo = 1;
            frm.Load();
            Printed p{frm.Name(), frm.lblScorePage.Caption(), frm.lblEntryNum.Caption(), {}, {}};
            frm.Unload();
            const bool total = p.window == "frmPfSeasonTotalRanking";
            for (const typSeasonScore& r : total ? gtypSeasonTotalRows : gtypSeasonEntryRows) {
                p.ids.push_back(r.IDNo);
                p.ranks.push_back(r.Rank);
            }
            printed.push_back(p);
        });
    }
    std::vector<std::string> prompts() const {
        std::vector<std::string> out;
        for (const auto& m : desk.messages()) out.push_back(m.prompt);
        return out;
    }
};

TEST_F(SeasonRoad, TheTotalRankingPrintsOnTheBasisChosenAtThePress) {
    watchPreview();
    open([](frmPrintTotalGames& f) {
        for (int basis : {0, 1, 2, 3, 4, 5}) {
            sim::click(f.optTotalRankingMode[basis]);
            sim::click(f.btnTotalRanking);
        }
        sim::click(f.btnTotalRanking); // a second press prints the same
    });
    const char* tags[] = {"［ｺｰｽ平均］", "［ｹﾞｰﾑ平均］", "［ﾎｰﾙ平均］", "［合計］", "［ﾎｰﾙｲﾝﾜﾝ］", "［9ﾎｰﾙ平均］", "［9ﾎｰﾙ平均］"};
    ASSERT_EQ(printed.size(), 7u);
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_EQ(printed[i].window, "frmPfSeasonTotalRanking");
        EXPECT_EQ(printed[i].title, std::string("総合通算順位表") + tags[i] + "（1/1）");
        EXPECT_EQ(printed[i].count, "参加 6名");
    }
    // Lowest strokes first (ties in the order the core's sort leaves them);
    // nobody has a hole in one.
    for (std::size_t i : {0, 1, 2, 3, 5}) {
        EXPECT_EQ(printed[i].ids, (std::vector<int32_t>{101, 104, 102, 103, 105, 106})) << i;
        EXPECT_EQ(printed[i].ranks, (std::vector<int32_t>{1, 2, 2, 4, 5, 6})) << i;
    }
    EXPECT_EQ(printed[4].ranks, (std::vector<int32_t>{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(printed[5].ids, printed[6].ids);
    EXPECT_EQ(gfReadIniFile(gstrIniFile, "Setup", "SeriesPrint_TotalRankingMode"), "5");
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
}

TEST_F(SeasonRoad, TheCategoryKeepsItsPlayersAndRanksThemAfresh) {
    const struct {
        int16_t gender, low, high;
        std::vector<int32_t> ids, ranks;
        const char* title;
    } cases[] = {
        {2, -1, -1, {104, 102, 103, 105, 106}, {1, 1, 3, 4, 5}, "部門別（女子）通算順位表［ｺｰｽ平均］（1/1）"},
        {2, 60, 69, {104, 102}, {1, 1}, "部門別（女子：60歳～69歳）通算順位表［ｺｰｽ平均］（1/1）"},
        {0, 65, -1, {101, 104, 105}, {1, 2, 3}, "部門別（65歳～）通算順位表［ｺｰｽ平均］（1/1）"},
        {1, 70, -1, {}, {}, "部門別（男子：70歳～）通算順位表［ｺｰｽ平均］"},
    };
    watchPreview();
    for (const auto& c : cases) {
        gtypSeasonGame.CategoryGender = c.gender;
        gtypSeasonGame.CategoryAgeLow = c.low;
        gtypSeasonGame.CategoryAgeHigh = c.high;
        printed.clear();
        open([](frmPrintTotalGames& f) { sim::click(f.btnTotalRanking); });
        ASSERT_EQ(printed.size(), 1u) << c.title; // printed even when nobody is left
        EXPECT_EQ(printed[0].ids, c.ids) << c.title;
        EXPECT_EQ(printed[0].ranks, c.ranks) << c.title;
        EXPECT_EQ(printed[0].count, "参加 " + std::to_string(c.ids.size()) + "名");
    }
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SeasonRoad, TheCategoryDialogSetsTheRankingsCategoryAndCancellingLeavesIt) {
    const auto chooseAge = [](forms::ComboBox& box, int32_t age) {
        for (int i = 0; i < box.ListCount(); ++i)
            if (box.ItemData(i) == age) sim::chooseItem(box, i);
    };
    desk.modal.add<frmCategory>([&](frmCategory& c) {
        EXPECT_TRUE(c.optGender[0].Value()); // the season starts without a category
        sim::click(c.optGender[2]);
        chooseAge(c.cobAge[0], 60);
        chooseAge(c.cobAge[1], 69);
        sim::click(c.btnOK);
    });
    desk.modal.add<frmCategory>([](frmCategory& c) {
        EXPECT_TRUE(c.optGender[2].Value()); // shows the category in force
        sim::click(c.optGender[1]);
        sim::click(c.btnCancel);
    });
    watchPreview();
    open([](frmPrintTotalGames& f) {
        sim::click(f.btnCategory);
        EXPECT_EQ(f.fraTotalRanking.Caption(), "部門別（女子：60歳～69歳）通算順位表");
        sim::click(f.btnCategory);
        EXPECT_EQ(f.fraTotalRanking.Caption(), "部門別（女子：60歳～69歳）通算順位表");
        sim::click(f.btnTotalRanking);
    });
    EXPECT_EQ(gtypSeasonGame.CategoryGender, 2);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].title, "部門別（女子：60歳～69歳）通算順位表［ｺｰｽ平均］（1/1）");
    EXPECT_EQ(printed[0].ids, (std::vector<int32_t>{104, 102}));
    EXPECT_EQ(desk.modal.pending(), 0u);
}

TEST_F(SeasonRoad, TheEntryListFollowsItsOrderOptions) {
    watchPreview();
    open([](frmPrintTotalGames& f) {
        sim::click(f.btnEntryList); // by name reading: 106 "94" first
        sim::click(f.chkEntryBelong);
        sim::click(f.btnEntryList); // affiliation 0 first, then 1
    });
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0].window, "frmPfSeasonEntryList");
    EXPECT_EQ(printed[0].title, "参加者一覧（1/1）");
    EXPECT_EQ(printed[0].count, "参加 6名");
    EXPECT_EQ(printed[0].ids, (std::vector<int32_t>{106, 105, 104, 103, 102, 101}));
    EXPECT_EQ(printed[1].ids, (std::vector<int32_t>{106, 104, 102, 105, 103, 101}));
    EXPECT_EQ(gfReadIniFile(gstrIniFile, "Setup", "SeriesPrint_SortBelong"), "1");
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
    watchPreview();
    open([](frmPrintTotalGames& f) { sim::click(f.btnBestGame); });
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.messages()[0].prompt.rfind("次のゲームは集計から除きました。\r\ngame00001.lmg（2010/04/10 春季大会）：", 0), 0u)
        << desk.messages()[0].prompt;
    EXPECT_EQ(desk.messages()[0].title, "エラー");
    EXPECT_EQ(desk.messages()[0].flags, forms::vbOKOnly);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].window, "frmPfSeasonGameRanking");

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
