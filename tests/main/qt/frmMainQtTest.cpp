// The main window and the About box as real windows: pictures for people to
// look at (LUMORA_SCREENSHOTS=<folder>) and a check that real mouse input on
// the game list reaches the same commands as the headless suite.
#include "core/frmAbout.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "main/frmMain.h"
#include "main/windowSeams.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using qtui::testing::QtDesktop;

namespace {

// The report windows are not asked for here.
class NoReports : public GameWindows {
public:
    void showSelectPrintScore(forms::Form&) override {}
    void showPrintTotalGames(forms::Form&) override {}
};

class MainWindowQt : public ::testing::Test {
protected:
    MainWindowQt() : data(home) {
        setGameWindows(&windows);
        data.writePlayers({{1, "山田太郎", "1950/06/15", 1, 1, "やまだ", "札幌", 0}});
        data.writeSeries({{1, "2010年 春季リーグ", 0}, {2, "2010年 秋季リーグ", 0}, {3, "全道大会", 0}});
        data.writeCources({{1, "札幌中央公園コース", 0}, {2, "旭川河川敷コース", 0}});
    }
    ~MainWindowQt() override { setGameWindows(nullptr); }

    void writeGames() {
        const char* titles[] = {"春季リーグ第1戦", "春季リーグ第2戦", "練習会", "春季リーグ第3戦", "全道大会 予選",
                                "全道大会 決勝", "秋季リーグ開幕戦", "秋季リーグ第2戦", "秋季リーグ第3戦",
                                "親睦大会", "秋季リーグ最終戦", "納会"};
        const int shapes[][2] = {{9, 4}, {9, 4}, {9, 2}, {9, 4}, {18, 2}, {18, 2},
                                 {9, 4}, {9, 4}, {12, 3}, {9, 2}, {9, 4}, {9, 2}};
        const int series[] = {1, 1, 0, 1, 3, 3, 2, 2, 2, 0, 2, 0};
        for (int n = 1; n <= 12; ++n) {
            testsupport::GameEntry g;
            g.date = "2010/" + std::string(n < 10 ? "0" : "") + std::to_string(n) + "/1" + std::to_string(n % 10);
            g.title = titles[n - 1];
            g.seriesId = series[n - 1];
            g.courceId = n % 3;
            g.hole = shapes[n - 1][0];
            g.round = shapes[n - 1][1];
            for (int p = 1; p <= 5 + n; ++p) g.scores.push_back({p, "", "", 0});
            data.writeGame(n, g);
        }
        data.writeManager("12");
    }

    // Games whose cells hold the widest texts the list can show: the longest
    // shapes, dates of every width, the most entrants, and 127-character
    // names that no column can show whole.
    void writeWidestGames() {
        std::string name;
        for (int i = 0; i < 127; ++i) name += "長";
        data.writeSeries({{1, name, 0}});
        data.writeCources({{1, name, 0}, {2, name, 0}});
        const struct {
            const char* date;
            int hole, round;
        } games[] = {{"2009/11/08", 12, 10}, {"1867/12/31", 18, 10}, {"1888/08/08", 9, 4}, {"2019/05/01", 18, 2}};
        int n = 0;
        for (const auto& g : games) {
            testsupport::GameEntry e;
            e.date = g.date;
            e.title = name;
            e.seriesId = 1;
            e.courceId = 1 + n % 2;
            e.hole = g.hole;
            e.round = g.round;
            e.maxScoreNo = 32767;
            data.writeGame(++n, e);
        }
        data.writeManager(std::to_string(n));
    }

    void picture(forms::Form& f, const std::string& name) {
        ASSERT_TRUE(desk.show(f)) << name;
        QTest::qWait(50);
        qtui::saveScreenshotIfAsked(f, name);
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    NoReports windows;
    QtDesktop desk;
};

} // namespace

TEST_F(MainWindowQt, PictureOfAnEmptyStart) {
    frmMain f;
    picture(f, "frmMain_empty");
    EXPECT_EQ(f.lblGameListCount.Caption(), "0 ｹﾞｰﾑ");
    f.Unload();
}

TEST_F(MainWindowQt, PictureWithGamesAndARealDoubleClickOpensTheGame) {
    writeGames();
    gfWriteIniFile(gstrIniFile, "Setup", "SelectedGame", "game00009.lmg");
    frmMain f;
    picture(f, "frmMain_games");
    ASSERT_EQ(f.lblGameListCount.Caption(), "12 ｹﾞｰﾑ");
    uctMGRow* row = f.uctGameList.RowView(3);
    ASSERT_NE(row, nullptr);
    QtDesktop::doubleClick(row->lblObj(4));
    ASSERT_NE(f.tallyWindow(), nullptr);
    EXPECT_EQ(gtypGame.FileName, "game00003.lmg");
    QTest::qWait(50);
    qtui::saveScreenshotIfAsked(*f.tallyWindow(), "frmMain_opened_game");
    EXPECT_FALSE(f.Visible());
    // Closing the clean game brings the main window back.
    f.tallyWindow()->Unload();
    EXPECT_TRUE(f.Visible());
    f.Unload();
}

// Each cell shows its whole text inside its margins, in a smaller font where
// the column is too narrow; a name too long for any size shows its start.
TEST_F(MainWindowQt, EveryCellOfTheListShowsItsWholeTextOrItsStart) {
    writeWidestGames();
    frmMain f;
    picture(f, "frmMain_widest");
    const uctMyGrid& grid = f.uctGameList;
    ASSERT_EQ(grid.ColCount(), 8);
    ASSERT_EQ(grid.gfRowCount(), 5);
    constexpr int32_t FirstNameCol = 5; // title, course, series
    for (int32_t r = 0; r < grid.gfRowCount(); ++r) {
        uctMGRow* row = grid.RowView(r);
        ASSERT_NE(row, nullptr);
        const QImage image = QtDesktop::widget(row->lblObj(0))->grab().toImage();
        for (int32_t c = 1; c < grid.ColCount(); ++c) {
            const forms::Label& label = row->lblObj(c);
            const QRect area = QtDesktop::area(label);
            const double width = QFontMetricsF(qtui::toQFont(label.font())).horizontalAdvance(qtui::qs(label.Caption()));
            const std::string where = "row " + std::to_string(r) + " col " + std::to_string(c) + " " + label.Caption();
            EXPECT_LE(width, area.width()) << where;
            if (r > 0 && c >= FirstNameCol) {
                EXPECT_TRUE(label.Caption().starts_with("長長長") && label.Caption().ends_with("長…")) << where;
                EXPECT_EQ(label.font().Size, 11.25) << where;
            }
            // Nothing is drawn on the label's edges away from its text: no glyph is cut there.
            const QRgb back = image.pixel(area.left(), area.top());
            for (int y = area.top(); y <= area.bottom(); ++y) {
                if (label.Alignment() != forms::vbLeftJustify) {
                    EXPECT_EQ(image.pixel(area.left(), y), back) << where;
                }
                if (label.Alignment() != forms::vbRightJustify) {
                    EXPECT_EQ(image.pixel(area.right(), y), back) << where;
                }
            }
        }
    }
    EXPECT_EQ(grid.RowView(3)->lblObj(3).Caption(), "120H(12x10)");
    EXPECT_EQ(grid.RowView(3)->lblObj(2).Caption(), "H21/11/08");
    f.Unload();
}

// The help menu's "-" items are lines between the items, with no text.
TEST_F(MainWindowQt, MenuSeparatorsAreLinesOnly) {
    frmMain f;
    ASSERT_TRUE(desk.show(f));
    auto* bar = QtDesktop::window(f)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QAction* help = bar->actions().at(2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
    QMenu* menu = help->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    qtui::saveScreenshotIfAsked(*menu, "frmMain_helpMenu");
    const QImage image = menu->grab().toImage();
    int separators = 0;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator()) continue;
        ++separators;
        const QRect line = menu->actionGeometry(a);
        int darkest = 255;
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left(); x <= line.right(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
        EXPECT_GT(darkest, 128) << "text drawn on a separator";
    }
    EXPECT_EQ(separators, 2);
    menu->close();
    f.Unload();
}

TEST_F(MainWindowQt, PictureOfTheAboutBox) {
    frmAbout box;
    picture(box, "frmAbout");
    box.Unload();
}
