#include "reports/season/frmPrintTotalGames.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/resultRecords.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/game/modPfPreparePrint.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace sim = forms::sim;

namespace {

// The season as the main window hands it over: `games` ticked games whose
// largest shape is `round` courses of `hole` holes.
class SeasonWindow : public testing::Test {
protected:
    SeasonWindow() : data(home) { handOver(2, 3, 9, "00"); }
    ~SeasonWindow() override { resetSharedGlobals(); }

    static void handOver(int games, int16_t round, int16_t hole, const char* mix) {
        glngSeasonGames.clear();
        for (int i = 0; i < games; ++i) glngSeasonGames.append(i);
        gtypSeasonGame = typGameInfo{};
        gtypSeasonGame.Date = "2010/06/20";
        gtypSeasonGame.Round = round;
        gtypSeasonGame.Hole = hole;
        gtypSeasonGame.TeamHowtoRank = 1;
        gtypSeasonGame.CategoryAgeLow = gtypSeasonGame.CategoryAgeHigh = -1;
        gstrGamesFormatMix = mix;
        gstrDlgParam2 = "* 春季リーグ * 中央コース";
        gstrDlgParam3 = "27ﾎｰﾙ (9H x 3) ： 平成22年4月10日(土)～平成22年6月20日(日)";
    }
    void setup(const std::vector<std::pair<std::string, std::string>>& values) {
        data.writeIni(gstrIniFile, {{"Setup", values}});
    }
    static std::string stored(const char* key) { return gfReadIniFile(gstrIniFile, "Setup", key); }
    // Opens the window, runs `script` in it and closes it.
    void open(const std::function<void(frmPrintTotalGames&)>& script) {
        frmPrintTotalGames f;
        desk.runModal(f, [&] {
            script(f);
            sim::click(f.btnOK);
        });
        EXPECT_FALSE(f.Loaded());
    }
    static int chosen(const forms::ControlArray<forms::OptionButton>& group) {
        for (int i : group.indexes())
            if (group[i].Value()) return i;
        return -1;
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
};

TEST_F(SeasonWindow, OpensWithTheProposedTitlesAndTheStartingChoices) {
    setup({{"SeriesPrint_TotalRankingMode", "3"}});
    open([](frmPrintTotalGames& f) {
        EXPECT_EQ(f.Caption(), "集計/印刷");
        EXPECT_EQ(f.txtTittle1.Text(), "* 春季リーグ * 中央コース");
        EXPECT_EQ(f.txtTittle2.Text(), "27ﾎｰﾙ (9H x 3) ： 平成22年4月10日(土)～平成22年6月20日(日)");
        EXPECT_EQ(f.fraTotalRanking.Caption(), "総合通算順位表");
        EXPECT_EQ(chosen(f.optTotalRankingMode), 0); // the stored basis is not restored
        EXPECT_EQ(chosen(f.optEntry), 0);
        EXPECT_EQ(chosen(f.optBelongOrLocation), 1);
        EXPECT_EQ(chosen(f.optTeamHowtoRank), 0);
        EXPECT_EQ(chosen(f.optPrivateGames), 0);
        EXPECT_EQ(chosen(f.optHandicap), 0);
        EXPECT_EQ(f.chkEntryBelong.Value(), forms::vbUnchecked);
        EXPECT_EQ(f.chkJudgeBirthday.Value(), forms::vbUnchecked);
        EXPECT_EQ(f.optTotalRankingMode[5].Caption(), "９ホール平均");
        EXPECT_EQ(f.ActiveControl(), &f.txtTittle1);
    });
    EXPECT_EQ(gtypGame.CategoryAgeLow, -1); // the ranking title copied the season header
}

TEST_F(SeasonWindow, DefaultMinimaComeFromTheGamesAndTheLargestShape) {
    const struct {
        int games;
        int16_t round, hole;
        std::vector<std::string> minima; // games, courses, holes, 9-hole units
    } cases[] = {
        {2, 3, 9, {"1", "3", "27", "3"}},
        {4, 3, 8, {"2", "6", "48", "5"}},
        {3, 3, 9, {"2", "5", "45", "5"}}, // halves away from zero
        {1, 1, 9, {"1", "1", "9", "1"}},
    };
    for (const auto& c : cases) {
        handOver(c.games, c.round, c.hole, "00");
        open([&](frmPrintTotalGames& f) {
            EXPECT_EQ((std::vector<std::string>{f.txtKiteiGame.Text(), f.txtKiteiRound.Text(), f.txtKiteiHole.Text(),
                                                f.txtKitei9H.Text()}),
                      c.minima)
                << c.games << " games";
        });
    }
}

TEST_F(SeasonWindow, TypedMinimaAreRoundedClampedAndShownAsUsed) {
    const struct {
        const char* typed;
        int32_t used;
    } cases[] = {{"2.5", 2}, {"3.5", 4}, {" 7回", 7}, {"1e12", 999999}, {"1e999", 999999}, {"&H7FFFFFFF", 0},
                 {"-4", 0}, {"-1e999", 0}, {"", 0}, {"abc", 0}, {"999999.5", 999999}};
    for (const auto& c : cases) {
        open([&](frmPrintTotalGames& f) {
            for (forms::TextBox* box : {&f.txtKiteiGame, &f.txtKiteiRound, &f.txtKiteiHole, &f.txtKitei9H})
                box->setText(c.typed);
            f.psGetPrintConditions();
            const std::string shown = std::to_string(c.used);
            EXPECT_EQ(f.txtKiteiGame.Text(), shown) << c.typed;
            EXPECT_EQ(f.txtKitei9H.Text(), shown) << c.typed;
        });
        EXPECT_EQ(glngKiteiGame, c.used) << c.typed;
        EXPECT_EQ(glngKiteiRound, c.used) << c.typed;
        EXPECT_EQ(glngKiteiHole, c.used) << c.typed;
        EXPECT_EQ(glngKitei9H, c.used) << c.typed;
    }
}

TEST_F(SeasonWindow, EveryOptionReachesItsGlobalAndItsKeyAndComesBackAtTheNextOpening) {
    open([](frmPrintTotalGames& f) {
        f.txtTittle1.setText(" 表題 ");
        f.txtTittle2.setText("");
        sim::click(f.chkEntryBelong);
        sim::click(f.optEntry[1]);
        sim::click(f.optTotalRankingMode[4]);
        sim::click(f.optTeamHowtoRank[1]);
        sim::click(f.optPrivateGames[2]);
        sim::click(f.chkJudgeBirthday);
        sim::click(f.optBelongOrLocation[2]);
        sim::click(f.optHandicap[1]);
        f.psGetPrintConditions();
    });
    EXPECT_EQ(gstrPrintTitle1, " 表題 "); // as typed
    EXPECT_EQ(gstrPrintTitle2, "");
    EXPECT_EQ(gintTotalRankingMode, 4);
    EXPECT_EQ(gtypSeasonGame.TeamHowtoRank, 1);
    EXPECT_EQ(gtypSeasonGame.JudgeBirthday, 1);
    EXPECT_EQ(gtypSeasonGame.JudgeDaSu, 0);
    EXPECT_EQ(gintBelongOrLocation, 2);
    EXPECT_EQ(gintSeriesHandicap, 1);
    const std::vector<std::pair<const char*, const char*>> keys{
        {"SeriesPrint_SortBelong", "1"},      {"SeriesPrint_NameOrEntries", "1"}, {"SeriesPrint_TotalRankingMode", "4"},
        {"SeriesPrint_TeamHowtoRank", "1"},   {"SeriesPrint_PrivateGames", "2"},  {"SeriesPrint_JudgeDaSu", "0"},
        {"SeriesPrint_JudgeBirthday", "1"},   {"SeriesPrint_BelongOrLocation", "2"}, {"SeriesPrint_Handicap", "1"}};
    for (const auto& [key, value] : keys) EXPECT_EQ(stored(key), value) << key;
    // Written in this order.
    const std::string ini = testsupport::DataFolder::readText(gstrIniFile);
    EXPECT_LT(ini.find("SeriesPrint_SortBelong"), ini.find("SeriesPrint_TotalRankingMode"));
    EXPECT_LT(ini.find("SeriesPrint_JudgeDaSu"), ini.find("SeriesPrint_Handicap"));

    open([](frmPrintTotalGames& f) {
        EXPECT_EQ(f.chkEntryBelong.Value(), forms::vbChecked);
        EXPECT_EQ(chosen(f.optEntry), 1);
        EXPECT_EQ(chosen(f.optTotalRankingMode), 0);
        EXPECT_EQ(chosen(f.optTeamHowtoRank), 1);
        EXPECT_EQ(chosen(f.optPrivateGames), 2);
        EXPECT_EQ(f.chkJudgeBirthday.Value(), forms::vbChecked);
        EXPECT_EQ(chosen(f.optBelongOrLocation), 2);
        EXPECT_EQ(chosen(f.optHandicap), 1);
    });

    // And back to the first choices.
    open([](frmPrintTotalGames& f) {
        sim::click(f.chkEntryBelong);
        sim::click(f.optEntry[0]);
        sim::click(f.optBelongOrLocation[0]);
        sim::click(f.optPrivateGames[0]);
        f.psGetPrintConditions();
    });
    EXPECT_EQ(stored("SeriesPrint_SortBelong"), "0");
    EXPECT_EQ(stored("SeriesPrint_NameOrEntries"), "0");
    EXPECT_EQ(stored("SeriesPrint_BelongOrLocation"), "0");
    open([](frmPrintTotalGames& f) { EXPECT_EQ(chosen(f.optBelongOrLocation), 0); });
}

TEST_F(SeasonWindow, HandEditedSettingsOpenTheGroupsDefaults) {
    const struct {
        const char* value;
        int entry, belongOrLocation, handicap, team, privateGames;
    } cases[] = {
        {nullptr, 0, 1, 0, 0, 0}, // no keys at all
        {"", 0, 1, 0, 0, 0},
        {"  ", 0, 1, 0, 0, 0},
        {"1", 1, 1, 1, 1, 1},
        {"2", 0, 2, 0, 0, 2},
        {"7", 0, 1, 0, 0, 0},
        {"-1", 0, 1, 0, 0, 0},
        {"1.5", 0, 1, 0, 0, 0},
        {"1e99", 0, 1, 0, 0, 0},
        {"1e999", 0, 1, 0, 0, 0},
        {"x", 0, 0, 0, 0, 0}, // not a number reads 0
    };
    for (const auto& c : cases) {
        if (c.value) {
            setup({{"SeriesPrint_NameOrEntries", c.value},
                   {"SeriesPrint_BelongOrLocation", c.value},
                   {"SeriesPrint_Handicap", c.value},
                   {"SeriesPrint_TeamHowtoRank", c.value},
                   {"SeriesPrint_PrivateGames", c.value},
                   {"SeriesPrint_SortBelong", c.value},
                   {"SeriesPrint_JudgeBirthday", c.value}});
        }
        open([&](frmPrintTotalGames& f) {
            const std::string v = c.value ? c.value : "(none)";
            EXPECT_EQ(chosen(f.optEntry), c.entry) << v;
            EXPECT_EQ(chosen(f.optBelongOrLocation), c.belongOrLocation) << v;
            EXPECT_EQ(chosen(f.optHandicap), c.handicap) << v;
            EXPECT_EQ(chosen(f.optTeamHowtoRank), c.team) << v;
            EXPECT_EQ(chosen(f.optPrivateGames), c.privateGames) << v;
        });
    }
    setup({{"SeriesPrint_SortBelong", "-2"}, {"SeriesPrint_JudgeBirthday", "0"}});
    open([](frmPrintTotalGames& f) {
        EXPECT_EQ(f.chkEntryBelong.Value(), forms::vbChecked);
        EXPECT_EQ(f.chkJudgeBirthday.Value(), forms::vbUnchecked);
    });
}

TEST_F(SeasonWindow, TheFormatMixDecidesWhatCanBeUsed) {
    struct Expect {
        const char* mix;
        int basis;
        bool courseAverage, gameAverage, gameMinimum, courseMinimum, bestGame, perCourseReports, byResult;
    };
    const Expect cases[] = {
        {"00", 0, true, true, true, true, true, true, true},
        {"01", 0, true, false, false, true, false, true, false},
        {"10", 5, false, false, false, false, false, false, false},
        {"11", 5, false, false, false, false, false, false, false},
    };
    setup({{"SeriesPrint_PrivateGames", "1"}});
    for (const Expect& c : cases) {
        handOver(2, 3, 9, c.mix);
        open([&](frmPrintTotalGames& f) {
            EXPECT_EQ(chosen(f.optTotalRankingMode), c.basis) << c.mix;
            EXPECT_EQ(f.optTotalRankingMode[0].Enabled(), c.courseAverage) << c.mix;
            EXPECT_EQ(f.optTotalRankingMode[1].Enabled(), c.gameAverage) << c.mix;
            EXPECT_EQ(f.txtKiteiGame.Enabled(), c.gameMinimum) << c.mix;
            EXPECT_EQ(f.lblKiteiGame.Enabled(), c.gameMinimum) << c.mix;
            EXPECT_EQ(f.txtKiteiRound.Enabled(), c.courseMinimum) << c.mix;
            EXPECT_EQ(f.lblKiteiRound.Enabled(), c.courseMinimum) << c.mix;
            EXPECT_EQ(f.fraBestGame.Enabled(), c.bestGame) << c.mix;
            EXPECT_EQ(f.btnBestGame.Enabled(), c.bestGame) << c.mix;
            for (forms::Control* ctl : std::initializer_list<forms::Control*>{
                     &f.fraBestRound, &f.btnBestRound, &f.fraTeamList, &f.btnTeamList, &f.fraTeamRanking,
                     &f.optTeamHowtoRank[0], &f.optTeamHowtoRank[1], &f.btnTeamRanking})
                EXPECT_EQ(ctl->Enabled(), c.perCourseReports) << c.mix << " " << ctl->Name();
            EXPECT_EQ(f.optPrivateGames[1].Enabled(), c.byResult) << c.mix;
            EXPECT_EQ(chosen(f.optPrivateGames), c.byResult ? 1 : 0) << c.mix; // a stored "成績順" opens "日付順"
            // What stays usable under every mix.
            for (int basis : {2, 3, 4, 5}) EXPECT_TRUE(f.optTotalRankingMode[basis].Enabled()) << c.mix;
            for (forms::Control* ctl : std::initializer_list<forms::Control*>{
                     &f.txtKitei9H, &f.txtKiteiHole, &f.btnEntryList, &f.btnTotalRanking, &f.btnPrivateRanking,
                     &f.btnPrivateScore, &f.btnCategory})
                EXPECT_TRUE(ctl->Enabled()) << c.mix << " " << ctl->Name();
            f.psGetPrintConditions();
        });
        EXPECT_EQ(gintTotalRankingMode, c.basis) << c.mix;
    }
}

TEST_F(SeasonWindow, EnterMovesOnFromEveryBoxAndEntrySelectsTheText) {
    open([](frmPrintTotalGames& f) {
        EXPECT_EQ(f.txtTittle1.SelLength(), 15);
        sim::typeText(f.txtTittle1, "\r");
        EXPECT_EQ(f.ActiveControl(), &f.txtTittle2);
        EXPECT_EQ(f.txtTittle1.Text(), "* 春季リーグ * 中央コース");
        sim::focus(f.txtKiteiRound);
        EXPECT_EQ(f.txtKiteiRound.SelStart(), 0);
        EXPECT_EQ(f.txtKiteiRound.SelLength(), 1);
        sim::typeText(f.txtKiteiRound, "\r");
        EXPECT_EQ(f.ActiveControl(), &f.txtKitei9H); // past the bases not chosen
    });
}

} // namespace
