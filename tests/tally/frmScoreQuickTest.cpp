#include "scoreEntryFixture.h"

namespace sim = forms::sim;

TEST_F(ScoreEntryTest, SwitchingModesCarriesTheEntryAcrossAndRecomputesFromTheStrings) {
    setMode("0");
    frmScore f;
    desk.runModal(f, [&] {
        sim::typeText(hole(f, 1, 1), "12\r");
        sim::typeText(hole(f, 1, 2), "7");
        sim::click(f.optHowTo[1]);
        EXPECT_EQ(mode(), "1");
        EXPECT_EQ(f.txtEasyScoreR[0].Text(), "0127");
        EXPECT_EQ(f.txtEasyScoreR[1].Text(), "");
        EXPECT_EQ(f.lblRDa[0].Caption(), "19");
        EXPECT_EQ(f.txtEasyScoreR[0].ForeColor(), 255u);

        sim::typeText(f.txtEasyScoreR[1], "343443334");
        EXPECT_EQ(f.lblRDa[1].Caption(), "31"); // at every change, before the box is left
        EXPECT_EQ(f.lblRDa[1].ForeColor(), 0u);
        EXPECT_EQ(f.txtEasyScoreR[1].ForeColor(), 0u);
        EXPECT_EQ(f.lblTotal.Caption(), "31");
        sim::focus(f.txtEasyScoreR[0]);
        sim::typeText(f.txtEasyScoreR[1], "3 4");
        EXPECT_EQ(f.lblRDa[1].Caption(), "7");
        EXPECT_EQ(f.txtEasyScoreR[1].ForeColor(), 255u);
        EXPECT_EQ(f.lblTotal.Caption(), "-");

        sim::click(f.optHowTo[0]);
        EXPECT_EQ(mode(), "0");
        EXPECT_EQ(hole(f, 1, 1).Text(), "12");
        EXPECT_EQ(hole(f, 1, 2).Text(), "7");
        EXPECT_EQ(hole(f, 2, 1).Text(), "3");
        EXPECT_EQ(hole(f, 2, 2).Text(), "");
        EXPECT_EQ(hole(f, 2, 3).Text(), "4");
        EXPECT_TRUE(hole(f, 1, 1).Visible());
        EXPECT_FALSE(f.txtEasyScoreR[0].Visible());
        sim::closeBox(f);
    });
}

TEST_F(ScoreEntryTest, AQuickBoxIsTidiedWhenLeft) {
    setMode("1");
    struct Case {
        const char* typed;
        const char* tidy;
    } cases[] = {{"3a4", "3 4"}, {"05", "5"}, {"340", "34"}, {"0123", "0123"}, {"３４5", "  5"}, {"   ", ""}};
    frmScore f;
    desk.runModal(f, [&] {
        for (const Case& c : cases) {
            sim::typeText(f.txtEasyScoreR[0], std::string(c.typed) + "\r");
            EXPECT_EQ(f.txtEasyScoreR[0].Text(), c.tidy) << c.typed;
            EXPECT_EQ(f.ActiveControl(), &f.txtEasyScoreR[1]);
        }
        sim::closeBox(f);
    });
}

TEST_F(ScoreEntryTest, TheSurplusOfACourseMovesOnOnlyIntoAnEmptyBoxOfTheGame) {
    setMode("1");
    frmScore f;
    desk.runModal(f, [&] {
        sim::typeText(f.txtEasyScoreR[0], "12345678912\r");
        EXPECT_EQ(f.txtEasyScoreR[0].Text(), "123456789");
        EXPECT_EQ(f.txtEasyScoreR[1].Text(), "12");
        EXPECT_EQ(f.lblRDa[1].Caption(), "3"); // read at once, tidied later

        // A box holding text keeps it; one of blanks only takes the surplus.
        sim::typeText(f.txtEasyScoreR[0], "1111111115555\r");
        EXPECT_EQ(f.txtEasyScoreR[1].Text(), "12");
        sim::focus(f.txtEasyScoreR[0]);
        f.txtEasyScoreR[1].setText("   ");
        sim::typeText(f.txtEasyScoreR[0], "111111111 55  \r");
        EXPECT_EQ(f.txtEasyScoreR[1].Text(), " 55");

        // The last course's surplus is cut off.
        sim::typeText(f.txtEasyScoreR[2], "44444444456\r");
        EXPECT_EQ(f.txtEasyScoreR[2].Text(), "444444444");
        EXPECT_EQ(f.ActiveControl(), &f.btnOK);
        sim::click(f.btnOK);
    });
    EXPECT_EQ(saved(7, 1), "1,1,1,1,1,1,1,1,1");
    EXPECT_EQ(saved(7, 2), ",5,5");
    EXPECT_EQ(saved(7, 3), "4,4,4,4,4,4,4,4,4");
}

TEST_F(ScoreEntryTest, OKInQuickModeSavesWhatTheStringsSay) {
    setMode("0");
    stored(7, 1, "4,4,4,4,4,4,4,4,4");
    stored(7, 2, "5,5,5");
    frmScore f;
    desk.runModal(f, [&] {
        sim::click(f.optHowTo[1]);
        EXPECT_EQ(f.txtEasyScoreR[0].Text(), "444444444");
        sim::typeText(f.txtEasyScoreR[0], "0123");
        sim::inputText(f.txtEasyScoreR[1], "３");
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(saved(7, 1), "12,3");
    EXPECT_EQ(saved(7, 2), ""); // a full-width digit is no stroke
}

TEST_F(ScoreEntryTest, AStoredValueTheStringsCannotCarrySurvivesUnlessItsCourseIsEdited) {
    setMode("1");
    stored(7, 1, "100,4,4,4,4,4,4,4,4");
    stored(7, 2, "100,4,4,4,4,4,4,4,4");
    frmScore f;
    desk.runModal(f, [&] {
        EXPECT_EQ(f.txtEasyScoreR[0].Text(), "010044444444");
        EXPECT_EQ(f.lblRDa[0].Caption(), "132");
        EXPECT_EQ(f.lblRDa[0].ForeColor(), 0u);
        sim::typeText(f.txtEasyScoreR[0], "\r"); // entered and left, not edited
        EXPECT_EQ(f.txtEasyScoreR[0].Text(), "010044444444");
        sim::typeText(f.txtEasyScoreR[1], "544444444\r");
        sim::click(f.btnOK);
    });
    EXPECT_EQ(saved(7, 1), "100,4,4,4,4,4,4,4,4");
    EXPECT_EQ(saved(7, 2), "5,4,4,4,4,4,4,4,4");
}
