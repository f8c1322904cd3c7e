#include "tally/frmGameInfo.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/gameHeaderTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sim = forms::sim;

namespace {

const char* const kDateError = "日付入力に誤りがあります。\r\n"
                               "西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\r\n"
                               "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。";

// Three series (the second deleted), two courses, and the header the main
// window prefills for a new game: 9 holes by 4 courses, "A" to "J".
class frmGameInfoTest : public ::testing::Test {
protected:
    frmGameInfoTest() : data(home) {
        data.writeSeries({{1, "春季リーグ"}, {2, "旧リーグ", 2}, {3, "秋季リーグ"}});
        data.writeCources({{1, "中央コース"}, {2, "河川敷コース"}});
        gtypGame.Date = "2010/10/10";
        gtypGame.SeriesID = 3;
        gtypGame.CourceID = 2;
        gtypGame.Hole = 9;
        gtypGame.Round = 4;
        gtypGame.CategoryAgeLow = gtypGame.CategoryAgeHigh = -1;
        for (int k = 0; k < 10; ++k) gtypGame.RoundName[static_cast<size_t>(k)] = std::string(1, char('A' + k));
        glngDlgIndex = 0;
        gintDlgRet = 99;
    }

    static std::vector<std::string> items(const forms::ComboBox& c) {
        std::vector<std::string> out;
        for (int i = 0; i < c.ListCount(); ++i) out.push_back(c.List(i));
        return out;
    }
    static std::string chosenText(const forms::ComboBox& c) { return c.List(c.ListIndex()); }

    // Opens the dialog, runs `script` in it, and returns what OK or Cancel left.
    void run(const std::function<void(frmGameInfo&)>& script) {
        frmGameInfo f;
        desk.runModal(f, [&] { script(f); });
        EXPECT_FALSE(f.Visible());
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
};

} // namespace

TEST_F(frmGameInfoTest, NewModeShowsThePrefilledHeaderWithTheFocusOnTheSeries) {
    run([&](frmGameInfo& f) {
        EXPECT_EQ(f.Caption(), "ゲーム情報 - 新規登録");
        EXPECT_EQ(gintDlgRet, -1);
        EXPECT_EQ(f.ActiveControl(), &f.cobSeries);
        EXPECT_EQ(items(f.cobSeries), (std::vector<std::string>{"指定なし", "春季リーグ", "秋季リーグ"}));
        EXPECT_EQ(chosenText(f.cobSeries), "秋季リーグ");
        EXPECT_EQ(items(f.cobCource), (std::vector<std::string>{"指定なし", "中央コース", "河川敷コース"}));
        EXPECT_EQ(chosenText(f.cobCource), "河川敷コース");
        EXPECT_EQ(f.txtDate.Text(), "H22/10/10");
        EXPECT_EQ(items(f.cobHoleNum), (std::vector<std::string>{"  9 ﾎｰﾙ", " 10 ﾎｰﾙ", " 11 ﾎｰﾙ", " 12 ﾎｰﾙ"}));
        EXPECT_EQ(chosenText(f.cobHoleNum), "  9 ﾎｰﾙ");
        EXPECT_EQ(f.cobRoundNum.ListCount(), 10);
        EXPECT_EQ(f.cobRoundNum.List(9), " 10");
        EXPECT_EQ(chosenText(f.cobRoundNum), "  4");
        EXPECT_EQ(f.lblHoles.Caption(), "36H");
        for (int i = 0; i < 10; ++i) EXPECT_EQ(f.txtRoundName[i].Enabled(), i < 4) << i;
        EXPECT_TRUE(f.optHandicap[0].Value());
        EXPECT_TRUE(f.optTeamHowtoRank[0].Value());
        EXPECT_EQ(f.chkBirthday.Value(), forms::vbUnchecked);

        // The shape follows the combos; the names of unused courses stay.
        sim::chooseItem(f.cobHoleNum, 3);
        sim::chooseItem(f.cobRoundNum, 2);
        EXPECT_EQ(f.lblHoles.Caption(), "36H");
        for (int i = 0; i < 10; ++i) EXPECT_EQ(f.txtRoundName[i].Enabled(), i < 3) << i;
        EXPECT_EQ(f.txtRoundName[3].Text(), "D");
        sim::closeBox(f);
    });
    EXPECT_EQ(gintDlgRet, -1);
}

TEST_F(frmGameInfoTest, EachPresetFillsAllTenBoxesEnabledOrNot) {
    const std::vector<std::vector<std::string>> expected = {
        {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"},
        {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
        {"C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10"},
        {"R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8", "R9", "R10"},
    };
    gtypGame.RoundName = {};
    gtypGame.RoundName[0] = "x";
    run([&](frmGameInfo& f) {
        for (int preset : {3, 2, 1, 0}) {
            sim::click(f.btnSetCourceName[preset]);
            std::vector<std::string> shown;
            for (int i = 0; i < 10; ++i) shown.push_back(f.txtRoundName[i].Text());
            EXPECT_EQ(shown, expected[static_cast<size_t>(preset)]) << f.btnSetCourceName[preset].Caption();
        }
        sim::click(f.btnSetCourceName[3]);
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypGame.RoundName[9], "R10");
}

TEST_F(frmGameInfoTest, DatesAreTypedInEitherFormShownInEraFormAndStoredWestern) {
    const struct {
        const char* typed;
        const char* shown;
        const char* stored;
    } cases[] = {
        {"s15/12/3", "S15/12/3", "1940/12/03"},
        {"40/1/20", "S15/1/20", "1940/01/20"},
        {" 1989/1/8 ", "H1/1/8", "1989/01/08"},
        {"h31/4/30", "H31/4/30", "2019/04/30"},
        {"r2/2/29", "R2/2/29", "2020/02/29"},
    };
    for (const auto& c : cases) {
        run([&](frmGameInfo& f) {
            sim::typeText(f.txtDate, std::string(c.typed) + "\r");
            EXPECT_EQ(f.txtDate.Text(), c.shown) << c.typed;
            EXPECT_EQ(f.ActiveControl(), &f.txtTittle) << c.typed;
            sim::click(f.btnOK);
        });
        EXPECT_EQ(gintDlgRet, 0) << c.typed;
        EXPECT_EQ(gtypGame.Date, c.stored) << c.typed;
    }
    EXPECT_TRUE(desk.messages().empty());

    // Today in the current era is shown, and taken back, as it stands.
    desk.clock.setToday(2024, 5, 1);
    gtypGame.Date = "2024/05/01";
    run([&](frmGameInfo& f) {
        EXPECT_EQ(f.txtDate.Text(), "R6/5/1");
        sim::typeText(f.txtDate, "\t");
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypGame.Date, "2024/05/01");
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(frmGameInfoTest, AWrongDateIsRefusedOnLeavingTheBoxAndOnOk) {
    run([&](frmGameInfo& f) {
        sim::typeText(f.txtDate, "2010/2/30\t");
        ASSERT_EQ(desk.messages().size(), 1u);
        EXPECT_EQ(desk.lastMessage().prompt, kDateError);
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(f.ActiveControl(), &f.txtDate);
        EXPECT_EQ(f.txtDate.Text(), "2010/2/30");

        // A blank date is no date either.
        sim::typeText(f.txtDate, "\b\t");
        EXPECT_EQ(desk.messages().size(), 2u);
        EXPECT_EQ(f.ActiveControl(), &f.txtDate);

        // OK checks the date itself, wherever the focus is.
        sim::typeText(f.txtDate, "h22/10/1\t");
        EXPECT_EQ(f.ActiveControl(), &f.txtTittle);
        f.txtDate.setText("h22/13/1");
        sim::click(f.btnOK);
        EXPECT_TRUE(f.Visible());
        EXPECT_EQ(desk.messages().size(), 3u);
        EXPECT_EQ(desk.lastMessage().prompt, kDateError);
        EXPECT_EQ(f.ActiveControl(), &f.txtDate);

        // Cancel leaves without the box's check.
        const size_t shown = desk.messages().size();
        sim::click(f.btnCancel);
        EXPECT_EQ(desk.messages().size(), shown);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gtypGame.Date, "2010/10/10");
}

TEST_F(frmGameInfoTest, UsedCoursesNeedANameAndOkWritesAllTenTrimmed) {
    run([&](frmGameInfo& f) {
        sim::chooseItem(f.cobRoundNum, 2); // 3 courses
        sim::typeText(f.txtRoundName[1], "  ");
        f.txtRoundName[2].setText("");
        f.txtRoundName[4].setText("");
        sim::click(f.btnOK);
        ASSERT_EQ(desk.messages().size(), 1u);
        EXPECT_EQ(desk.lastMessage().prompt, "コース識別文字を入力してください。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(f.ActiveControl(), &f.txtRoundName[1]); // the first empty one
        EXPECT_TRUE(f.Visible());

        sim::typeText(f.txtRoundName[1], " 北 ");
        sim::typeText(f.txtRoundName[2], "南");
        sim::click(f.btnOK); // course 5 may stay empty: it is not played
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypGame.Round, 3);
    EXPECT_EQ(gtypGame.RoundName[1], "北");
    EXPECT_EQ(gtypGame.RoundName[2], "南");
    EXPECT_EQ(gtypGame.RoundName[3], "D"); // names beyond the courses are kept
    EXPECT_EQ(gtypGame.RoundName[4], "");
}

TEST_F(frmGameInfoTest, OkWritesTheChoicesAndPassesTheOtherFieldsThrough) {
    gtypGame.MaxScoreNo = 7;
    gtypGame.CategoryGender = 2;
    gtypGame.CategoryAgeLow = 60;
    gtypGame.JudgeDaSu = 1;
    gtypGame.FileName = "game00003.lmg";
    run([&](frmGameInfo& f) {
        sim::chooseItem(f.cobSeries, 1);
        sim::chooseItem(f.cobCource, 0);
        sim::typeText(f.txtTittle, "  秋季 第1戦  ");
        sim::chooseItem(f.cobHoleNum, 3);
        sim::chooseItem(f.cobRoundNum, 9);
        sim::click(f.optHandicap[2]);
        sim::click(f.chkBirthday);
        sim::click(f.optTeamHowtoRank[1]);
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypGame.SeriesID, 1);
    EXPECT_EQ(gtypGame.CourceID, 0);
    EXPECT_EQ(gtypGame.Tittle, "秋季 第1戦");
    EXPECT_EQ(gtypGame.Hole, 12);
    EXPECT_EQ(gtypGame.Round, 10);
    EXPECT_EQ(gtypGame.HandiCapKind, 2);
    EXPECT_EQ(gtypGame.JudgeBirthday, 1);
    EXPECT_EQ(gtypGame.TeamHowtoRank, 1);
    EXPECT_EQ(gtypGame.Date, "2010/10/10");
    EXPECT_EQ(gtypGame.MaxScoreNo, 7);
    EXPECT_EQ(gtypGame.CategoryGender, 2);
    EXPECT_EQ(gtypGame.CategoryAgeLow, 60);
    EXPECT_EQ(gtypGame.JudgeDaSu, 1);
    EXPECT_EQ(gtypGame.FileName, "game00003.lmg");
}

TEST_F(frmGameInfoTest, ADeletedOrMissingSeriesOrCourseShowsNoneAndOkStoresZero) {
    gtypGame.SeriesID = 2; // deleted
    gtypGame.CourceID = 9; // never registered
    run([&](frmGameInfo& f) {
        EXPECT_EQ(chosenText(f.cobSeries), "指定なし");
        EXPECT_EQ(chosenText(f.cobCource), "指定なし");
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypGame.SeriesID, 0);
    EXPECT_EQ(gtypGame.CourceID, 0);
}

TEST_F(frmGameInfoTest, EnterMovesOnAndNeitherEnterNorEscClosesTheDialog) {
    const typGameInfo before = gtypGame;
    run([&](frmGameInfo& f) {
        sim::pressKey(f, forms::vbKeyReturn);
        EXPECT_EQ(f.ActiveControl(), &f.cobCource);
        sim::typeText(f.txtTittle, "題\r");
        EXPECT_EQ(f.ActiveControl(), &f.cobHoleNum);
        sim::pressKey(f, forms::vbKeyReturn);
        sim::pressKey(f, forms::vbKeyReturn);
        EXPECT_EQ(f.ActiveControl(), &f.txtRoundName[0]);
        sim::typeText(f.txtRoundName[3], "\r"); // course 5 is disabled: skipped
        EXPECT_EQ(f.ActiveControl(), &f.optHandicap[0]);
        sim::pressKey(f, forms::vbKeyReturn);
        EXPECT_EQ(f.ActiveControl(), &f.chkBirthday);
        sim::pressKey(f, forms::vbKeyReturn);
        sim::pressKey(f, forms::vbKeyReturn);
        EXPECT_EQ(f.ActiveControl(), &f.btnOK);
        sim::pressKey(f, forms::vbKeyEscape);
        EXPECT_TRUE(f.Visible());
        f.txtTittle.SetFocus();
        sim::pressKey(f, forms::vbKeyEscape);
        EXPECT_TRUE(f.Visible());
        EXPECT_FALSE(f.btnHelpDate.TabStop());
        EXPECT_FALSE(f.btnSetCourceName[0].TabStop());
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gtypGame.Tittle, before.Tittle);
}

TEST_F(frmGameInfoTest, ChangeModeKeepsAStoredHoleCountOutsideTheOfferedRange) {
    glngDlgIndex = 1;
    gtypGame.Hole = 18;
    gtypGame.Round = 2;
    gtypGame.HandiCapKind = 1;
    gtypGame.TeamHowtoRank = 1;
    gtypGame.JudgeBirthday = 1;
    run([&](frmGameInfo& f) {
        EXPECT_EQ(f.Caption(), "ゲーム情報 - 変更・確認");
        EXPECT_EQ(f.ActiveControl(), &f.btnOK);
        EXPECT_EQ(items(f.cobHoleNum).back(), " 18 ﾎｰﾙ");
        EXPECT_EQ(chosenText(f.cobHoleNum), " 18 ﾎｰﾙ");
        EXPECT_EQ(f.lblHoles.Caption(), "36H");
        EXPECT_TRUE(f.optHandicap[1].Value());
        EXPECT_TRUE(f.optTeamHowtoRank[1].Value());
        EXPECT_EQ(f.chkBirthday.Value(), forms::vbChecked);
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypGame.Hole, 18);
    EXPECT_EQ(gtypGame.Round, 2);

    // A new game offers 9 to 12 only; stored values outside the groups
    // select their defaults.
    glngDlgIndex = 0;
    gtypGame.Round = 11;
    gtypGame.HandiCapKind = 5;
    gtypGame.TeamHowtoRank = -1;
    run([&](frmGameInfo& f) {
        EXPECT_EQ(f.cobHoleNum.ListCount(), 4);
        EXPECT_EQ(chosenText(f.cobHoleNum), "  9 ﾎｰﾙ");
        EXPECT_EQ(chosenText(f.cobRoundNum), "  3");
        EXPECT_TRUE(f.optHandicap[0].Value());
        EXPECT_TRUE(f.optTeamHowtoRank[0].Value());
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gtypGame.Hole, 9);
    EXPECT_EQ(gtypGame.Round, 3);
    EXPECT_EQ(gtypGame.HandiCapKind, 0);
    EXPECT_EQ(gtypGame.TeamHowtoRank, 0);
}

TEST_F(frmGameInfoTest, TheDateHelpSaysHowToTypeADate) {
    run([&](frmGameInfo& f) {
        sim::click(f.btnHelpDate);
        EXPECT_EQ(desk.lastMessage().title, "日付入力ヘルプ");
        EXPECT_EQ(desk.lastMessage().prompt,
                  "日付は下記の形式で入力してください。但し入力域は常に西暦に変換表示されます。\r\n"
                  "西暦は yyyy/mm/dd, yy/mm/dd 形式で入力してください。例). 1940/1/20 or 40/1/20\r\n"
                  "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。小文字も可です。\r\n"
                  "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000例). s15/12/3  （昭和15年12月3日の場合）");
        sim::closeBox(f);
    });
}

TEST(gameHeaderTexts, HoleChoicesKeepAStoredCountInItsPlaceOnlyWhenAsked) {
    using V = std::vector<int16_t>;
    EXPECT_EQ(holeChoices(18, true), (V{9, 10, 11, 12, 18}));
    EXPECT_EQ(holeChoices(6, true), (V{6, 9, 10, 11, 12}));
    EXPECT_EQ(holeChoices(10, true), (V{9, 10, 11, 12}));
    EXPECT_EQ(holeChoices(18, false), (V{9, 10, 11, 12}));
    EXPECT_EQ(holeChoices(0, true), (V{9, 10, 11, 12}));
    EXPECT_EQ(holeChoices(19, true), (V{9, 10, 11, 12}));
}
