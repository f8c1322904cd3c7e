// The player chooser as a real window: a picture for people to look at
// (LUMORA_SCREENSHOTS=<folder>).
#include "core/gameRecords.h"
#include "core/globals.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "reports/game/frmSelectPrintMember.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectPrintMemberQt, Picture) {
    testsupport::TempHome home;
    testsupport::DataFolder data{home};
    qtui::testing::QtDesktop desk;
    gtypBelongs.append({1, "札幌中央パークゴルフ協会", "札幌", 0, 0});
    gtypBelongs.append({2, "旭川パークゴルフクラブ", "旭川", 0, 0});
    const char* names[] = {"山田太郎", "鈴木花子", "佐藤一郎", "高橋美咲", "田中健二"};
    for (int i = 0; i < 5; ++i) {
        typPlayerInfo p;
        p.ID = i + 1;
        p.Name = names[i];
        p.Gender = static_cast<int16_t>(i % 2 ? 2 : 1);
        p.Birthday = i % 2 ? "1952/03/08" : "1948/11/23";
        p.BelongID = i % 3;
        p.Location = "札幌市";
        p.Entered = 1;
        gtypPlayers.append(p);
    }
    frmSelectPrintMember f;
    ASSERT_TRUE(desk.show(f));
    EXPECT_EQ(f.lstMember.ListCount(), 5);
    qtui::saveScreenshotIfAsked(f, "frmSelectPrintMember");
    f.Unload();
    resetSharedGlobals();
}

} // namespace
