#include <gtest/gtest.h>

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/game/frmSelectPrintMember.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <string>
#include <vector>

namespace sim = forms::sim;

namespace {

// Affiliations: 1 北山 with a candidate, 2 南浜 deleted (its player is a
// candidate), 3 東台 without candidates. Candidates 101 (北山, reading
// "か"), 102 (南浜, "あ"), 103 (none, "さ"); 104 is no candidate and 105 a
// deleted player with season rows.
class SelectPrintMember : public testing::Test {
protected:
    SelectPrintMember() {
        gtypBelongs.append({1, "北山", "", 0, 0});
        gtypBelongs.append({2, "南浜", "", 2, 0});
        gtypBelongs.append({3, "東台", "", 0, 1});
        player(101, 1, "か", 1);
        player(102, 2, "あ", 1);
        player(103, 0, "さ", 1);
        player(104, 1, "い", 0);
        player(105, 1, "う", 1).State = 2;
    }
    ~SelectPrintMember() override { resetSharedGlobals(); }

    static typPlayerInfo& player(int32_t id, int32_t belong, const char* sort, int16_t entered) {
        typPlayerInfo p;
        p.ID = id;
        p.Name = "選手" + std::to_string(id);
        p.BelongID = belong;
        p.Sort = sort;
        p.Entered = entered;
        return gtypPlayers.append(p);
    }
    static std::vector<int32_t> listed(const forms::ListBox& list) {
        std::vector<int32_t> ids;
        for (int i = 0; i < list.ListCount(); ++i) ids.push_back(list.ItemData(i));
        return ids;
    }
    static std::vector<std::string> filters(const forms::ComboBox& combo) {
        std::vector<std::string> out;
        for (int i = 0; i < combo.ListCount(); ++i) out.push_back(combo.List(i));
        return out;
    }
    static std::string setting(const char* key) { return gfReadIniFile(gstrIniFile, "Setup", key); }

    testsupport::TempHome home;
    testsupport::DataFolder data{home};
    forms::doubles::TestDesktop desk;
    frmSelectPrintMember f;
};

using Ids = std::vector<int32_t>;

TEST_F(SelectPrintMember, TheFilterOffersAffiliationsWithCandidatesAndIsKeptAtOnce) {
    desk.runModal(f, [&] {
        EXPECT_EQ(f.Caption(), "プレイヤー選択");
        EXPECT_EQ(filters(f.cobBelong), (std::vector<std::string>{"すべて", "無し", "北山"}));
        EXPECT_EQ(f.cobBelong.ListIndex(), 0);
        EXPECT_EQ(listed(f.lstMember), (Ids{101, 102, 103}));
        EXPECT_EQ(f.lstMember.ListIndex(), -1);
        EXPECT_EQ(setting("SelectPrintMember"), "-1");
        EXPECT_EQ(gtypBelongs[0].Listed, 1);
        EXPECT_EQ(gtypBelongs[2].Listed, 0);
        // The deleted affiliation's candidate is listed only under "すべて".
        sim::chooseItem(f.cobBelong, 2);
        EXPECT_EQ(listed(f.lstMember), (Ids{101}));
        EXPECT_EQ(setting("SelectPrintMember"), "1");
        sim::chooseItem(f.cobBelong, 1);
        EXPECT_EQ(listed(f.lstMember), (Ids{103}));
        EXPECT_EQ(setting("SelectPrintMember"), "0");
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(setting("Sort_at_SelectPrinterMember"), "");
}

TEST_F(SelectPrintMember, TheSortRefillsAtOnceAndIsKeptOnlyWhenAPlayerIsChosen) {
    desk.runModal(f, [&] {
        sim::click(f.chkSort);
        EXPECT_EQ(listed(f.lstMember), (Ids{102, 101, 103})); // by reading, still all
        EXPECT_EQ(setting("Sort_at_SelectPrinterMember"), "");
        sim::dblClickItem(f.lstMember, 1);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(glngDlgIndex, 101);
    EXPECT_EQ(setting("Sort_at_SelectPrinterMember"), "1");

    frmSelectPrintMember again; // opens sorted
    desk.runModal(again, [&] {
        EXPECT_EQ(again.chkSort.Value(), forms::vbChecked);
        EXPECT_EQ(listed(again.lstMember), (Ids{102, 101, 103}));
        sim::click(again.chkSort);
        sim::chooseItem(again.lstMember, 2);
        sim::click(again.btnOK);
    });
    EXPECT_EQ(glngDlgIndex, 103);
    EXPECT_EQ(setting("Sort_at_SelectPrinterMember"), "0");
}

TEST_F(SelectPrintMember, ChoosingWithNothingSelectedSaysSoAndStaysOpen) {
    desk.runModal(f, [&] {
        sim::click(f.btnOK);
        EXPECT_EQ(desk.lastMessage().prompt, "集計するプレイヤーを選択してください。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
        EXPECT_TRUE(f.Visible());
        sim::pressKey(f, forms::vbKeyEscape);
    });
    EXPECT_EQ(gintDlgRet, -1);
}

TEST_F(SelectPrintMember, ASavedFilterOpensWhenItsAffiliationStillHasCandidates) {
    const struct {
        const char* saved;
        int index;
        Ids ids;
    } cases[] = {{"1", 2, {101}}, {"3", 0, {101, 102, 103}}, {"2", 0, {101, 102, 103}}, {"0", 0, {101, 102, 103}}};
    for (const auto& c : cases) {
        gfWriteIniFile(gstrIniFile, "Setup", "SelectPrintMember", std::string(c.saved));
        frmSelectPrintMember dlg;
        desk.runModal(dlg, [&] {
            EXPECT_EQ(dlg.cobBelong.ListIndex(), c.index) << c.saved;
            EXPECT_EQ(listed(dlg.lstMember), c.ids) << c.saved;
            sim::click(dlg.btnCancel);
        });
    }
}

} // namespace
