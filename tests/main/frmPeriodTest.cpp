#include "main/frmPeriod.h"

#include "core/globals.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"

#include <gtest/gtest.h>

namespace sim = forms::sim;

namespace {

const char* const kDateError = "日付入力に誤りがあります。\r\n"
                               "西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\r\n"
                               "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。";

class frmPeriodTest : public ::testing::Test {
protected:
    frmPeriodTest() {
        resetSharedGlobals();
        gintDlgRet = 99;
    }
    forms::doubles::TestDesktop desk;
    frmPeriod f;
};

} // namespace

TEST_F(frmPeriodTest, OpensWithTheDatesInEraFormAndTheFocusInTheFirstBox) {
    gstrDlgParam = " 2010/10/10 ";
    gstrDlgParam2 = "";
    desk.runModal(f, [&] {
        EXPECT_EQ(f.txtFromDate.Text(), "H22/10/10");
        EXPECT_EQ(f.txtToDate.Text(), "");
        EXPECT_EQ(gintDlgRet, -1);
        EXPECT_EQ(f.ActiveControl(), &f.txtFromDate);
        EXPECT_EQ(f.txtFromDate.SelLength(), 9); // the whole text selected
        sim::closeBox(f);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gstrDlgParam, " 2010/10/10 "); // left as it came
}

TEST_F(frmPeriodTest, TypedDatesAreShownInEraFormAndReturnedInStorageForm) {
    struct Case {
        const char* typed;
        const char* shown;
        const char* returned;
    } cases[] = {
        {"h22/10/10", "H22/10/10", "2010/10/10"},
        {"40/1/20", "S15/1/20", "1940/01/20"},
        {" s15/12/3 ", "S15/12/3", "1940/12/03"},
        {"1989/1/8", "H1/1/8", "1989/01/08"},
        {"2019/5/1", "R1/5/1", "2019/05/01"},
        {"9999/12/31", "R7981/12/31", "9999/12/31"}, // an era year of four digits reads back
    };
    for (const Case& c : cases) {
        frmPeriod dlg;
        desk.runModal(dlg, [&] {
            sim::typeText(dlg.txtFromDate, std::string(c.typed) + "\t");
            EXPECT_EQ(dlg.txtFromDate.Text(), c.shown) << c.typed;
            sim::click(dlg.btnOK);
        });
        EXPECT_EQ(gintDlgRet, 0) << c.typed;
        EXPECT_EQ(gstrDlgParam, c.returned) << c.typed;
        EXPECT_EQ(gstrDlgParam2, "") << c.typed;
    }
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(frmPeriodTest, AWrongDateIsReportedOnceAndKeepsTheFocusWithTheTextAsTyped) {
    desk.runModal(f, [&] {
        sim::typeText(f.txtFromDate, "2010/13/01\t");
        ASSERT_EQ(desk.messages().size(), 1u);
        EXPECT_EQ(desk.lastMessage().prompt, kDateError);
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
        EXPECT_EQ(f.ActiveControl(), &f.txtFromDate);
        EXPECT_EQ(f.txtFromDate.Text(), "2010/13/01");

        // A click on OK first leaves the box: the same check runs, the click is lost.
        sim::click(f.btnOK);
        EXPECT_EQ(desk.messages().size(), 2u);
        EXPECT_TRUE(f.Visible());

        // Blank dates are allowed: the box may stay empty.
        sim::typeText(f.txtFromDate, "\b\t");
        EXPECT_EQ(desk.messages().size(), 2u);
        EXPECT_EQ(f.ActiveControl(), &f.txtToDate);
        sim::closeBox(f);
    });
    EXPECT_EQ(gintDlgRet, -1);
}

TEST_F(frmPeriodTest, CancelLeavesWithoutCheckingTheBoxThatHasTheFocus) {
    gstrDlgParam = "2010/01/01";
    desk.runModal(f, [&] {
        sim::typeText(f.txtFromDate, "2010/13/01");
        sim::click(f.btnCancel);
    });
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gstrDlgParam, "2010/01/01");

    // From the keyboard: Tab onto the button, then Space.
    frmPeriod again;
    desk.runModal(again, [&] {
        sim::typeText(again.txtToDate, "\t\t");
        EXPECT_EQ(again.ActiveControl(), &again.btnCancel);
        sim::pressKey(again, forms::vbKeySpace);
    });
    EXPECT_FALSE(again.Visible());
    EXPECT_EQ(gintDlgRet, -1);
}

TEST_F(frmPeriodTest, OkChecksFirstDateThenLastDateThenTheirOrder) {
    desk.runModal(f, [&] {
        // Texts put in from code do not pass through the boxes' own checks.
        f.txtToDate.setText("abc");
        sim::click(f.btnOK);
        EXPECT_EQ(desk.lastMessage().prompt, kDateError);
        EXPECT_EQ(f.ActiveControl(), &f.txtToDate);

        f.txtFromDate.setText("xyz");
        sim::click(f.btnOK); // leaving txtToDate reports it first, and keeps the focus there
        EXPECT_EQ(f.ActiveControl(), &f.txtToDate);
        f.txtToDate.setText("2010/10/10");
        sim::focus(f.btnOK);
        sim::pressKey(f, forms::vbKeyReturn);
        EXPECT_EQ(desk.lastMessage().prompt, kDateError);
        EXPECT_EQ(f.ActiveControl(), &f.txtFromDate);

        f.txtFromDate.setText("2010/10/11");
        sim::click(f.btnOK);
        EXPECT_EQ(desk.lastMessage().prompt, "前より後ろの方が後の日付になっています。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(f.ActiveControl(), &f.txtFromDate);
        EXPECT_EQ(gintDlgRet, -1);
        EXPECT_EQ(gstrDlgParam, "");

        sim::typeText(f.txtFromDate, "h22/10/10");
        sim::click(f.btnOK); // equal dates pass
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gstrDlgParam, "2010/10/10");
    EXPECT_EQ(gstrDlgParam2, "2010/10/10");
}

TEST_F(frmPeriodTest, OpenEndsAreReturnedEmpty) {
    gstrDlgParam = "2009/01/01";
    gstrDlgParam2 = "2009/12/31";
    desk.runModal(f, [&] {
        sim::typeText(f.txtFromDate, "\b");
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gstrDlgParam, "");
    EXPECT_EQ(gstrDlgParam2, "2009/12/31");

    frmPeriod both;
    desk.runModal(both, [&] {
        both.txtFromDate.setText("");
        both.txtToDate.setText("");
        sim::click(both.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gstrDlgParam, "");
    EXPECT_EQ(gstrDlgParam2, "");
}

TEST_F(frmPeriodTest, EnterWalksToOkSkippingTheHelpButtonAndEscDoesNothing) {
    gstrDlgParam = "2010/01/01";
    gstrDlgParam2 = "2010/12/31";
    desk.runModal(f, [&] {
        sim::pressKey(f, forms::vbKeyEscape);
        EXPECT_TRUE(f.Visible());
        sim::typeText(f.txtFromDate, "2010/2/1\r");
        EXPECT_EQ(f.txtFromDate.Text(), "H22/2/1");
        EXPECT_EQ(f.ActiveControl(), &f.txtToDate);
        sim::pressKey(f, forms::vbKeyReturn);
        EXPECT_EQ(f.ActiveControl(), &f.btnOK);
        sim::pressKey(f, forms::vbKeyEscape);
        EXPECT_TRUE(f.Visible());
        sim::pressKey(f, forms::vbKeyReturn);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gstrDlgParam, "2010/02/01");
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(frmPeriodTest, CancelAfterEditingLeavesTheCallersPeriod) {
    gstrDlgParam = "2010/01/01";
    gstrDlgParam2 = "2010/12/31";
    desk.runModal(f, [&] {
        sim::typeText(f.txtFromDate, "2010/3/3\t");
        sim::typeText(f.txtToDate, "2010/4/4\t");
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gstrDlgParam, "2010/01/01");
    EXPECT_EQ(gstrDlgParam2, "2010/12/31");
}

TEST_F(frmPeriodTest, HelpExplainsTheDateForms) {
    desk.runModal(f, [&] {
        sim::click(f.btnHelpDate);
        sim::closeBox(f);
    });
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().title, "日付入力ヘルプ");
    EXPECT_EQ(desk.lastMessage().prompt,
              "日付は下記の形式で入力してください。但し入力域は常に西暦に変換表示されます。\r\n"
              "西暦は yyyy/mm/dd, yy/mm/dd 形式で入力してください。例). 1940/1/20 or 40/1/20\r\n"
              "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。小文字も可です。\r\n"
              "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000例). s15/12/3  （昭和15年12月3日の場合）");
}

TEST(frmPeriodLayout, ControlsAndTabOrder) {
    frmPeriod f;
    EXPECT_EQ(f.Caption(), "期間");
    EXPECT_EQ(f.ScaleWidth(), 5205);
    EXPECT_EQ(f.ScaleHeight(), 2145);
    EXPECT_EQ(f.BorderStyle(), forms::vbFixedDialog);
    EXPECT_FALSE(f.MinButton());
    EXPECT_FALSE(f.MaxButton());
    struct Box {
        forms::Control* c;
        double l, t, w, h;
        int tab;
    } boxes[] = {
        {&f.txtFromDate, 600, 480, 1455, 390, 0}, {&f.txtToDate, 2820, 480, 1455, 390, 1},
        {&f.btnHelpDate, 4560, 540, 315, 315, 2}, {&f.btnOK, 1680, 1500, 1455, 435, 3},
        {&f.btnCancel, 3360, 1500, 1455, 435, 4},
    };
    for (const Box& b : boxes) {
        EXPECT_EQ(b.c->Left(), b.l) << b.c->Name();
        EXPECT_EQ(b.c->Top(), b.t) << b.c->Name();
        EXPECT_EQ(b.c->Width(), b.w) << b.c->Name();
        EXPECT_EQ(b.c->Height(), b.h) << b.c->Name();
        EXPECT_EQ(b.c->TabIndex(), b.tab) << b.c->Name();
    }
    EXPECT_FALSE(f.btnHelpDate.TabStop());
    EXPECT_EQ(f.Label1.Caption(), "～");
    EXPECT_EQ(f.txtFromDate.IMEMode(), forms::vbIMEDisable);
    EXPECT_EQ(f.txtToDate.IMEMode(), forms::vbIMEDisable);
    EXPECT_FALSE(f.btnOK.Default());
}
