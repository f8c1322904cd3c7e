// The list lines of a player and the player list boxes, with today fixed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "core/gameRecords.h"
#include "core/players.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/testing/TestDesktop.h"

namespace {

typPlayerInfo player(int32_t id, std::string name, int16_t gender, std::string birthday = "",
                     std::string location = "") {
    typPlayerInfo p;
    p.ID = id;
    p.Name = std::move(name);
    p.Gender = gender;
    p.Birthday = std::move(birthday);
    p.Location = std::move(location);
    return p;
}

class PlayerListTest : public testing::Test {
protected:
    PlayerListTest() { desk.clock.setToday(2009, 10, 12); }
    ~PlayerListTest() override { resetSharedGlobals(); }

    // The lines of the list box with their item data.
    std::vector<std::pair<int32_t, std::string>> lines() const {
        std::vector<std::pair<int32_t, std::string>> out;
        for (int i = 0; i < list.ListCount(); ++i) out.emplace_back(list.ItemData(i), list.List(i));
        return out;
    }
    std::vector<int32_t> ids() const {
        std::vector<int32_t> out;
        for (const auto& [id, text] : lines()) out.push_back(id);
        return out;
    }

    forms::doubles::TestDesktop desk;
    forms::Form form{"frmPlayersTest"};
    forms::ListBox list{form, "lstPlayers"};
};

} // namespace

TEST_F(PlayerListTest, LongAndShortLines) {
    struct Case {
        typPlayerInfo p;
        std::string longText, shortText;
    } cases[] = {
        {player(1, "山田太郎", 1, "1950/06/15", "札幌市"), " 山田太郎 (男、昭和25年6月15日生　59歳：札幌市)",
         "山田太郎 (男、59歳：札幌市)"},
        {player(2, "Taro", 1), " Taro (男)", "Taro (男)"},
        {player(3, "Hanako", 2, "1989/01/08", "  "), " Hanako (女、平成01年1月8日生　20歳)", "Hanako (女、20歳)"},
        {player(4, " Kim ", 0, "", "Otaru"), "  Kim  (：Otaru)", " Kim  (：Otaru)"},
        {player(5, "Ken", 1, "abc"), " Ken (男、abc　-歳)", "Ken (男、-歳)"},
        {player(6, "Aki", 2, "1950/10/12"), " Aki (女、昭和25年10月12日生　59歳)", "Aki (女、59歳)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gfGetPlayerListText(c.p), c.longText);
        EXPECT_EQ(gfGetPlayerListTextShort(c.p), c.shortText);
    }
    desk.clock.setToday(2009, 10, 11); // the day before Aki's birthday
    EXPECT_EQ(gfGetPlayerListTextShort(cases[5].p), "Aki (女、58歳)");
}

TEST_F(PlayerListTest, FillsTheListAfreshWithFilters) {
    gtypPlayers = {player(1, "A", 1), player(2, "B", 2), player(3, "C", 1), player(4, "D", 2), player(5, "E", 1)};
    gtypPlayers[0].BelongID = 3;
    gtypPlayers[1].BelongID = 3;
    gtypPlayers[1].State = 2; // deleted
    gtypPlayers[2].BelongID = 0;
    gtypPlayers[3].BelongID = 3;
    gtypPlayers[3].Entered = 1;
    gtypPlayers[4].BelongID = 4;
    list.AddItem("left over");
    list.setListIndex(0);

    gsSetPlayerList(0, 1, list, -1, -1);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(lines(), (std::vector<std::pair<int32_t, std::string>>{
                           {1, " A (男)"}, {3, " C (男)"}, {4, " D (女)"}, {5, " E (男)"}}));

    gsSetPlayerList(0, 0, list, 3, -1);
    EXPECT_EQ(lines(), (std::vector<std::pair<int32_t, std::string>>{{1, "A (男)"}, {4, "D (女)"}}));
    gsSetPlayerList(0, 0, list, 0, -1); // players without affiliation
    EXPECT_EQ(ids(), std::vector<int32_t>{3});
    gsSetPlayerList(0, 0, list, -1, 0);
    EXPECT_EQ(ids(), (std::vector<int32_t>{1, 3, 5}));
    gsSetPlayerList(0, 2, list, 3, 1);
    EXPECT_EQ(ids(), std::vector<int32_t>{4});

    gtypPlayers.clear();
    gsSetPlayerList(1, 1, list, -1, -1);
    EXPECT_EQ(list.ListCount(), 0);
}

TEST_F(PlayerListTest, SortsBySortTextThenName) {
    gtypPlayers = {player(1, "Zed", 1), player(2, "Amy", 2), player(3, " x", 1), player(4, "b", 1)};
    gtypPlayers[0].Sort = " a ";  // key "aZed"
    gtypPlayers[1].Sort = "b";    // key "bAmy"
    gtypPlayers[2].Sort = "a";    // key "ax": after "aZed" in code-unit order
    gtypPlayers[3].Sort = "";     // key "b"

    gsSetPlayerList(1, 0, list, -1, -1);
    EXPECT_EQ(ids(), (std::vector<int32_t>{1, 3, 4, 2}));
    gsSetPlayerList(0, 0, list, -1, -1);
    EXPECT_EQ(ids(), (std::vector<int32_t>{1, 2, 3, 4}));

    // Equal keys come in the order the core's quicksort leaves them.
    gtypPlayers = {player(1, "Same", 1), player(2, "Same", 1), player(3, "Same", 1)};
    gsSetPlayerList(1, 0, list, -1, -1);
    EXPECT_EQ(ids(), (std::vector<int32_t>{3, 2, 1}));
}
