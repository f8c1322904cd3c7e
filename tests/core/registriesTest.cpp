// The registry loader the windows share: players and affiliations from their
// files into the shared arrays.
#include <gtest/gtest.h>

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/registries.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

namespace {

class RegistriesTest : public testing::Test {
protected:
    RegistriesTest() : data(home) {}
    ~RegistriesTest() override { resetSharedGlobals(); }
    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
};

} // namespace

TEST_F(RegistriesTest, MissingFilesLeaveEmptyRegistriesWithoutAWord) {
    gtypPlayers.append().Name = "前回の読み込み";
    gtypBelongs.append().Name = "前回の読み込み";
    loadPlayers();
    loadGroups();
    EXPECT_TRUE(gtypPlayers.empty());
    EXPECT_TRUE(gtypBelongs.empty());
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(RegistriesTest, NamedSectionsUpToTheCounterAreLoadedTrimmed) {
    // The counter says 4: section 1 has no name, 3 is missing, 5 lies beyond it.
    data.writePlayers({{1, "  ", "", 1, 0, "", ""},
                       {2, " 鈴木花子 ", " 1952/03/08 ", 2, 3, " すずき ", " 旭川 ", 2},
                       {4, "山田太郎", "", 1, 0, "", ""},
                       {5, "範囲外", "", 1, 0, "", ""}},
                      4);
    data.writeGroups({{1, "札幌", " 札 "}, {2, "", "x"}, {3, "旭川", "", 2}});
    loadPlayers();
    loadGroups();

    ASSERT_EQ(gtypPlayers.size(), 2u);
    const typPlayerInfo& p = gtypPlayers[0];
    EXPECT_EQ(p.ID, 2);
    EXPECT_EQ(p.Name, "鈴木花子");
    EXPECT_EQ(p.Birthday, "1952/03/08");
    EXPECT_EQ(p.Gender, 2);
    EXPECT_EQ(p.BelongID, 3);
    EXPECT_EQ(p.Sort, "すずき");
    EXPECT_EQ(p.Location, "旭川");
    EXPECT_EQ(p.State, 2); // deleted players are loaded too
    EXPECT_EQ(gtypPlayers[1].ID, 4);

    ASSERT_EQ(gtypBelongs.size(), 2u);
    EXPECT_EQ(gtypBelongs[0].ShortName, "札");
    EXPECT_EQ(gtypBelongs[1].ID, 3);
    EXPECT_EQ(gtypBelongs[1].State, 2);
    EXPECT_TRUE(desk.messages().empty());
}
