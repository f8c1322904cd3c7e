#include <gtest/gtest.h>

#include "reportFixture.h"
#include "reportPages.h"

#include "core/iniFile.h"
#include "core/resultRecords.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/game/frmPfPersonRanking.h"
#include "reports/game/frmSelectPrintScore.h"
#include "support/DataFolder.h"
#include "tally/frmCategory.h"

#include <string>
#include <vector>

namespace sim = forms::sim;
using reportfixture::captions;
using Strings = std::vector<std::string>;

namespace {

// What the preview was given: the window's page title, its count text and
// one column of its first page.
struct Previewed {
    std::string title, count;
    int16_t pages = 0;
    Strings names;
    forms::Form* owner = nullptr;
};

class ReportChooser : public testing::Test {
protected:
    ReportChooser() {
        data.writeSeries({{3, "秋季リーグ"}});
        data.writeCources({{5, "青空コース"}});
        reportfixture::makeGame(6, 2);
        gtypGame.SeriesID = 3;
        gtypGame.CourceID = 5;
        gtypGame.Tittle = " 秋季大会 ";
        gtypGame.RoundName = {"東", "西"};
        for (int32_t r = 0; r <= glngScoresMax(); ++r) reportfixture::fillHoles(r, std::to_string(3 + r / 2));
        gstrPrintTitle1 = gstrPrintTitle2 = gstrPrintGameDate = "";
        setPreviewWindow([this](forms::Form* owner) {
            auto* frm = dynamic_cast<ReportWindow*>(gfrmPrintForm);
            Previewed p{"", "", gintPrintPageCount, {}, owner};
            reportfixture::PageLoad page(*frm, 1, gintPrintPageCount);
            p.title = frm->lblScorePage.Caption();
            p.count = frm->lblEntryNum.Caption();
            if (auto* ranking = dynamic_cast<frmPfPersonRanking*>(frm)) p.names = captions(ranking->lblName);
            previews.push_back(p);
        });
    }
    ~ReportChooser() override {
        setPreviewWindow(nullptr);
        reportfixture::clearGame();
    }
    // Opens the chooser and runs `script` in it.
    void open(const std::function<void()>& script) { desk.runModal(chooser, script); }
    // Chooses report `index` and presses the print button.
    void print(int index) {
        sim::click(chooser.optScoreSelectPrint[index]);
        sim::click(chooser.btnOK);
    }
    static std::string stored() { return gfReadIniFile(gstrIniFile, "Setup", "SelectPrint_Score"); }

    testsupport::TempHome home;
    testsupport::DataFolder data{home};
    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
    frmSelectPrintScore chooser;
    std::vector<Previewed> previews;
};

TEST_F(ReportChooser, TitleLinesFromTheGame) {
    struct Case {
        int32_t series, course;
        std::string date, first, second;
    };
    for (const Case& c : {Case{3, 5, "2009/10/12", "** 秋季リーグ **  青空コース", "平成21年10月12日(月) 「秋季大会」"},
                          Case{0, 0, "2009/10/12", "", "平成21年10月12日(月) 「秋季大会」"},
                          Case{0, 5, "2010/10/10", "青空コース", "平成22年10月10日(日) 「秋季大会」"},
                          Case{4, 0, "2009/13/40", "**  **  ", "2009/13/40 「秋季大会」"}}) {
        gtypGame.SeriesID = c.series;
        gtypGame.CourceID = c.course;
        gtypGame.Date = c.date;
        open([&] {
            EXPECT_EQ(chooser.Caption(), "印刷選択");
            EXPECT_EQ(chooser.txtTittle1.Text(), c.first);
            EXPECT_EQ(chooser.txtTittle2.Text(), c.second);
            EXPECT_EQ(chooser.optScoreSelectPrint[2].Caption(), "総合順位表");
            sim::click(chooser.btnCancel);
        });
        EXPECT_EQ(gintDlgRet, -1);
        EXPECT_FALSE(chooser.Visible());
    }
}

TEST_F(ReportChooser, EveryReportPreviewsAndTheChoiceIsRemembered) {
    open([&] {
        EXPECT_TRUE(chooser.optScoreSelectPrint[0].Value()); // nothing stored yet
        for (int i = 0; i < 6; ++i) {
            print(i);
            EXPECT_EQ(stored(), std::to_string(i));
        }
        EXPECT_TRUE(chooser.Visible()); // open for the next report
        sim::pressKey(chooser, forms::vbKeyEscape);
    });
    EXPECT_FALSE(chooser.Visible());
    ASSERT_EQ(previews.size(), 6u);
    const Strings titles{"参加一覧（1/1）", "スコア表（1/1）",     "総合順位表（1/1）",
                         "ベスト・コース（1/1）", "チーム一覧表（1/1）", "チーム順位表（1/1）"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(previews[i].title, titles[i]);
        EXPECT_EQ(previews[i].owner, &chooser);
    }
    EXPECT_EQ(previews[0].count, "参加 6名、5ﾁｰﾑ");
    EXPECT_EQ(previews[5].count, "参加 5ﾁｰﾑ、6名");
    EXPECT_EQ(gstrPrintGameDate, "2009/10/12");
    EXPECT_EQ(gstrPrintTitle1, "** 秋季リーグ **  青空コース");
    EXPECT_TRUE(desk.messages().empty());

    for (const auto& [value, selected] : std::vector<std::pair<std::string, int>>{{"3", 3}, {"9", 0}, {"-1", 0}, {"", 0}}) {
        gfWriteIniFile(gstrIniFile, "Setup", "SelectPrint_Score", value);
        open([&, selected = selected] {
            EXPECT_TRUE(chooser.optScoreSelectPrint[selected].Value()) << selected;
            sim::click(chooser.btnCancel);
        });
    }
}

TEST_F(ReportChooser, AGameWithoutTeamsHasNoTeamReports) {
    for (auto& row : gtypScores) row.TeamID = " ";
    open([&] {
        for (int i : {4, 5}) {
            print(i);
            EXPECT_EQ(desk.lastMessage().prompt, "印刷データはありません。");
            EXPECT_EQ(desk.lastMessage().title, "ｴﾗｰ");
            EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
        }
        print(0);
        sim::click(chooser.btnCancel);
    });
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].count, "参加 6名、0ﾁｰﾑ");
}

TEST_F(ReportChooser, ACategoryRanksOnlyItsPlayersAndCountsEveryone) {
    gtypPlayers[3].Birthday = "1940/01/01"; // player 4, a woman of 69
    gtypPlayers[4].Birthday = "1940/01/01"; // player 5, a man
    // Women of 60 and over, chosen in the category dialog; a cancelled one changes nothing.
    desk.modal.add<frmCategory>([](frmCategory& d) {
        sim::click(d.optGender[2]);
        sim::click(d.btnCancel);
    });
    desk.modal.add<frmCategory>([](frmCategory& d) {
        sim::click(d.optGender[2]);
        for (int i = 0; i < d.cobAge[0].ListCount(); ++i)
            if (d.cobAge[0].ItemData(i) == 60) sim::chooseItem(d.cobAge[0], i);
        sim::click(d.btnOK);
    });
    open([&] {
        sim::click(chooser.btnCategory);
        EXPECT_EQ(chooser.optScoreSelectPrint[2].Caption(), "総合順位表");
        EXPECT_EQ(gtypGame.CategoryGender, 0);
        sim::click(chooser.btnCategory);
        EXPECT_EQ(chooser.optScoreSelectPrint[2].Caption(), "部門別（女子：60歳～）順位表");
        print(2);
        sim::click(chooser.btnCancel);
    });
    EXPECT_EQ(desk.modal.pending(), 0u);
    // The game itself carries the category, for the tally window to see.
    EXPECT_EQ(gtypGame.CategoryGender, 2);
    EXPECT_EQ(gtypGame.CategoryAgeLow, 60);
    EXPECT_EQ(gtypGame.CategoryAgeHigh, -1);
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].title, "部門別（女子：60歳～）順位表（1/1）");
    EXPECT_EQ(previews[0].names, Strings{"選手4"});
    EXPECT_EQ(previews[0].count, "参加 6名");
    EXPECT_EQ(gintEntryCount, 6);
    // The next opening titles the option by the game's category.
    open([&] {
        EXPECT_EQ(chooser.optScoreSelectPrint[2].Caption(), "部門別（女子：60歳～）順位表");
        sim::click(chooser.btnCancel);
    });
}

TEST_F(ReportChooser, TitlesPrintAsTypedAndEveryPressComputesAfresh) {
    open([&] {
        chooser.txtTittle1.setText("  春の大会 ");
        chooser.txtTittle2.setText("");
        print(2);
        EXPECT_EQ(gstrPrintTitle1, "  春の大会 ");
        EXPECT_EQ(gstrPrintTitle2, "");
        reportfixture::fillHoles(0, "9"); // player 1 falls to last
        reportfixture::fillHoles(1, "9");
        sim::click(chooser.btnOK);
        sim::click(chooser.btnCancel);
    });
    ASSERT_EQ(previews.size(), 2u);
    EXPECT_EQ(previews[0].names.front(), "選手1");
    EXPECT_EQ(previews[1].names.back(), "選手1");
    open([&] {
        EXPECT_EQ(chooser.txtTittle1.Text(), "** 秋季リーグ **  青空コース");
        EXPECT_TRUE(chooser.optScoreSelectPrint[2].Value());
        sim::click(chooser.btnCancel);
    });
}

TEST_F(ReportChooser, AGameTheComputationCannotTakeKeepsTheChooserOpen) {
    gtypGame.Round = 11;
    open([&] {
        print(2);
        EXPECT_EQ(desk.lastMessage().prompt, "btnOK_Click(): インデックスが有効範囲にありません。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
        EXPECT_TRUE(chooser.Visible());
        sim::click(chooser.btnCancel);
    });
    EXPECT_TRUE(previews.empty());
}

} // namespace
