// The game report chooser as a real window: a picture for people to look at
// (LUMORA_SCREENSHOTS=<folder>) and a real click that prints.
#include "../reportFixture.h"

#include "preview/modPpPreview.h"
#include "reports/game/frmSelectPrintScore.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <QTest>

using qtui::testing::QtDesktop;

TEST(ReportChooserQt, PictureAndARealClickPrintsTheChosenReport) {
    testsupport::TempHome home;
    testsupport::DataFolder data(home);
    data.writeSeries({{3, "秋季リーグ"}});
    reportfixture::makeGame(3, 1);
    gtypGame.SeriesID = 3;
    gtypGame.Tittle = "秋季大会";
    gtypGame.CategoryGender = 1;
    gtypGame.CategoryAgeLow = 70;
    gtypGame.CategoryAgeHigh = 79;
    QtDesktop desk;
    int16_t pages = 0;
    setPreviewWindow([&](forms::Form*) { pages = gintPrintPageCount; });
    frmSelectPrintScore chooser;
    ASSERT_TRUE(desk.show(chooser));
    QTest::qWait(50);
    qtui::saveScreenshotIfAsked(chooser, "frmSelectPrintScore");
    EXPECT_EQ(chooser.optScoreSelectPrint[2].Caption(), "部門別（男子：70歳～79歳）順位表");
    QtDesktop::click(chooser.optScoreSelectPrint[1]);
    QtDesktop::click(chooser.btnOK);
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(chooser.Visible());
    chooser.Unload();
    setPreviewWindow(nullptr);
    reportfixture::clearGame();
}
