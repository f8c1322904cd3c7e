// Score entry as a real window: pictures for people to look at
// (LUMORA_SCREENSHOTS=<folder>) and checks that real keys meet the same
// rules as the headless suite.
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/forms/Services.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmScore.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

using qtui::testing::QtDesktop;

namespace {

class ScoreEntryQt : public ::testing::Test {
protected:
    ScoreEntryQt() : data(home) {
        typPlayerInfo p;
        p.ID = 7;
        p.Name = "山田太郎";
        p.Birthday = "1950/06/15";
        p.Gender = 1;
        gtypPlayers.append(p);
        glngDlgIndex = 0;
        gstrDlgParam = "2010/10/10";
    }

    // One player's rows of a game, the first courses entered.
    static void game(int16_t hole, int16_t round, int16_t kind, int32_t handicap) {
        gtypGame = typGameInfo{};
        gtypGame.Hole = hole;
        gtypGame.Round = round;
        gtypGame.HandiCapKind = kind;
        const char* names[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
        for (int r = 0; r < 10; ++r) gtypGame.RoundName[static_cast<std::size_t>(r)] = names[r];
        gtypScores.clear();
        for (int16_t r = 1; r <= round; ++r) {
            typScoreData row;
            row.IDNo = 7;
            row.RoundNo = r;
            row.Handicap = handicap;
            // Course 1 complete with a two-digit hole, course 2 one short, then nothing.
            const int filled = r == 1 ? hole : r == 2 ? hole - 1 : 0;
            for (int h = 0; h < filled; ++h) row.Holes[static_cast<std::size_t>(h)] = h == 2 && r == 1 ? "12" : std::to_string(3 + (h + r) % 3);
            gtypScores.append(row);
        }
    }

    void picture(int16_t hole, int16_t round, int16_t kind, const char* howTo, const std::string& name) {
        game(hole, round, kind, kind == 0 ? 0 : -25);
        gfWriteIniFile(gstrIniFile, "Score", "Howto", howTo);
        gintDlgRet = 0;
        frmScore f;
        ASSERT_TRUE(desk.show(f)) << name;
        qtui::saveScreenshotIfAsked(f, name);
        f.Unload();
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    QtDesktop desk;
};

} // namespace

TEST_F(ScoreEntryQt, Pictures) {
    picture(9, 3, 1, "0", "frmScore-9x3-kind1-standard");
    picture(9, 3, 1, "1", "frmScore-9x3-kind1-quick");
    picture(18, 10, 2, "0", "frmScore-18x10-kind2-standard");
    picture(18, 10, 2, "1", "frmScore-18x10-kind2-quick");
    picture(9, 2, 0, "0", "frmScore-9x2-kind0-standard");
    picture(3, 1, 0, "1", "frmScore-3x1-kind0-quick");
}

TEST_F(ScoreEntryQt, RealKeysPutOnlyDigitsInHoleBoxesAndEnterWalksOn) {
    game(9, 2, 1, 0);
    gfWriteIniFile(gstrIniFile, "Score", "Howto", "0");
    gintDlgRet = 0;
    frmScore f;
    ASSERT_TRUE(desk.show(f));
    forms::TextBox& first = f.txtScoreR1[0];
    EXPECT_EQ(QtDesktop::focused(), QtDesktop::widget(first));
    const long beeps = desk.doubles.beeps();
    QtDesktop::type("a７6");
    EXPECT_EQ(first.Text(), "6");
    QGuiApplication::clipboard()->setText(QStringLiteral("x5"));
    QtDesktop::key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(first.Text(), "6");
    EXPECT_EQ(desk.doubles.beeps() - beeps, 3);
    QtDesktop::type("\r");
    EXPECT_EQ(f.ActiveControl(), &f.txtScoreR1[1]);
    EXPECT_EQ(QtDesktop::focused(), QtDesktop::widget(f.txtScoreR1[1]));
    QtDesktop::type("\x1b");
    EXPECT_TRUE(f.Visible());
    f.Unload();
}

TEST_F(ScoreEntryQt, RealTypingInAQuickBoxRecomputesAndCarriesOn) {
    game(9, 2, 0, 0);
    for (auto& row : gtypScores) row.Holes.fill("");
    gfWriteIniFile(gstrIniFile, "Score", "Howto", "1");
    gintDlgRet = 0;
    frmScore f;
    ASSERT_TRUE(desk.show(f));
    EXPECT_EQ(QtDesktop::focused(), QtDesktop::widget(f.txtEasyScoreR[0]));
    QtDesktop::type("4444444");
    EXPECT_EQ(f.lblRDa[0].Caption(), "28");
    QtDesktop::type("4412\r");
    EXPECT_EQ(f.txtEasyScoreR[0].Text(), "444444444");
    EXPECT_EQ(f.txtEasyScoreR[1].Text(), "12");
    EXPECT_EQ(f.lblRDa[0].Caption(), "36");
    EXPECT_EQ(f.lblRDa[0].ForeColor(), 0u);
    QtDesktop::click(f.btnOK);
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypScores[1].Holes[0], "1");
    EXPECT_EQ(gtypScores[1].Holes[1], "2");
}
