// The category dialog as a real window: a picture for people to look at
// (LUMORA_SCREENSHOTS=<folder>).
#include "core/gameRecords.h"
#include "core/globals.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/TempHome.h"
#include "tally/frmCategory.h"

#include <gtest/gtest.h>

TEST(frmCategoryQt, Picture) {
    testsupport::TempHome home;
    qtui::testing::QtDesktop desk;
    resetSharedGlobals();
    gtypGame.CategoryGender = 2;
    gtypGame.CategoryAgeLow = 60;
    gtypGame.CategoryAgeHigh = -1;
    frmCategory f;
    ASSERT_TRUE(desk.show(f));
    qtui::saveScreenshotIfAsked(f, "frmCategory-female-60-up");
    f.Unload();
}
