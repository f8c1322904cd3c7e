#include "tally/frmAddScoreMember.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "playerChooserFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace sim = forms::sim;
using Ids = std::vector<int32_t>;

namespace {

// The chooser registry; today is 2010/10/10.
class frmAddScoreMemberTest : public ::testing::Test {
protected:
    frmAddScoreMemberTest() : data(home) {
        loadChooserRegistry(data);
    }

    static void entered(std::initializer_list<int32_t> players) {
        for (typPlayerInfo& p : gtypPlayers) p.Entered = 0;
        for (int32_t id : players) gtypPlayers[static_cast<size_t>(id - 1)].Entered = 1;
    }
    static void setSetting(const std::string& key, const std::string& value) {
        gfWriteIniFile(gstrIniFile, "Setup", key, value);
    }
    static std::string setting(const std::string& key) { return gfReadIniFile(gstrIniFile, "Setup", key); }
    static Ids ids(const forms::ListControl& l) {
        Ids out;
        for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.ItemData(i));
        return out;
    }
    static std::vector<bool> enabled(const frmAddScoreMember& f) {
        std::vector<bool> out;
        for (int i = 0; i < 4; ++i) out.push_back(f.btnAddPosition[i].Enabled());
        return out;
    }
    // Opens the dialog for the selected participant's first row `selected`.
    void run(int32_t selected, const std::function<void(frmAddScoreMember&)>& script) {
        glngDlgIndex = selected;
        gintDlgRet = 99;
        frmAddScoreMember f;
        desk.runModal(f, [&] { script(f); });
        EXPECT_FALSE(f.Visible());
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
};

} // namespace

TEST_F(frmAddScoreMemberTest, OnlyPlayersNotTakingPartAreOffered) {
    entered({1, 6});
    run(-1, [](frmAddScoreMember& f) {
        EXPECT_EQ(f.Caption(), "参加追加");
        EXPECT_EQ(f.cobBelong.ListIndex(), 0);
        EXPECT_EQ(ids(f.lstMember), (Ids{2, 3, 4}));
        EXPECT_EQ(f.lstMember.List(0), "鈴木花子 (女、58歳：旭川)");
        // Nobody selected in the tally: only the top and the end.
        EXPECT_EQ(enabled(f), (std::vector<bool>{false, false, true, true}));
        sim::chooseItem(f.cobBelong, 1); // "無し": the only one takes part already
        EXPECT_EQ(f.lstMember.ListCount(), 0);
        EXPECT_EQ(enabled(f), (std::vector<bool>(4, false)));
        sim::chooseItem(f.cobBelong, 2);
        EXPECT_EQ(ids(f.lstMember), (Ids{3, 4}));
        EXPECT_EQ(enabled(f), (std::vector<bool>{false, false, true, true}));
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(gintDlgRet, -1);

    run(3, [](frmAddScoreMember& f) {
        EXPECT_EQ(enabled(f), (std::vector<bool>(4, true)));
        sim::chooseItem(f.cobBelong, 1);
        EXPECT_EQ(enabled(f), (std::vector<bool>(4, false)));
        sim::closeBox(f);
    });
    EXPECT_EQ(gintDlgRet, -1);
}

TEST_F(frmAddScoreMemberTest, TheFilterAndSortComeBackAsStored) {
    entered({});
    setSetting("Sort_at_AddScoreMember", "1");
    setSetting("LastBelong_at_AddScoreMember", "1");
    run(0, [](frmAddScoreMember& f) {
        EXPECT_EQ(f.cobBelong.List(f.cobBelong.ListIndex()), "札幌中央");
        EXPECT_EQ(f.chkSort.Value(), forms::vbChecked);
        EXPECT_EQ(ids(f.lstMember), (Ids{3, 4, 1})); // さとう, たかはし, やまだ
        sim::click(f.chkSort);
        EXPECT_EQ(ids(f.lstMember), (Ids{1, 3, 4}));
        sim::click(f.btnCancel);
    });

    // "すべて", "無し", a deleted affiliation, one with nobody left to add,
    // nothing stored: all come back as "すべて".
    entered({2});
    setSetting("Sort_at_AddScoreMember", "0");
    for (const char* remembered : {"-1", "0", "3", "2", ""}) {
        setSetting("LastBelong_at_AddScoreMember", remembered);
        run(0, [&](frmAddScoreMember& f) {
            EXPECT_EQ(f.cobBelong.ListIndex(), 0) << remembered;
            EXPECT_EQ(f.chkSort.Value(), forms::vbUnchecked);
            EXPECT_EQ(ids(f.lstMember), (Ids{1, 3, 4, 6})) << remembered;
            sim::click(f.btnCancel);
        });
    }
}

TEST_F(frmAddScoreMemberTest, APlaceButtonReturnsThePlaceAndThePlayer) {
    entered({1});
    const std::string before = testsupport::readBytes(gstrIniFile);
    run(0, [&](frmAddScoreMember& f) {
        sim::click(f.btnAddPosition[1]);
        EXPECT_EQ(desk.lastMessage().prompt, "追加するプレイヤーを選択してください。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
        EXPECT_TRUE(f.Visible());
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(testsupport::readBytes(gstrIniFile), before); // nothing remembered

    const char* captions[] = {"上に追加", "下に追加", "先頭に追加", "最後尾に追加"};
    for (int i = 0; i < 4; ++i) {
        run(0, [&](frmAddScoreMember& f) {
            EXPECT_EQ(f.btnAddPosition[i].Caption(), captions[i]);
            sim::chooseItem(f.cobBelong, 3); // 旭川
            if (i == 3) sim::click(f.chkSort);
            sim::chooseItem(f.lstMember, 0);
            sim::click(f.btnAddPosition[i]);
        });
        EXPECT_EQ(gintDlgRet, i + 1);
        EXPECT_EQ(glngDlgIndex, 2);
        EXPECT_EQ(setting("LastBelong_at_AddScoreMember"), "2");
        EXPECT_EQ(setting("Sort_at_AddScoreMember"), i == 3 ? "1" : "0");
    }
}
