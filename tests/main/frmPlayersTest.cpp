#include "main/frmPlayers.h"
#include "main/frmRegiPlayer.h"
#include "core/iniFile.h"
#include "core/registries.h"
#include "platform/forms/Services.h"
#include "platform/forms/Simulation.h"
#include "registryFixture.h"

namespace sim = forms::sim;

namespace {

class frmPlayersTest : public RegistryTest {
protected:
    frmPlayersTest() {
        data.writeGroups({{1, "札幌クラブ", "札幌"}, {2, "旭川会", ""}});
        loadGroups();
        data.writeIni(gstrPlayerFile, {{"Management", {{"MaxPlayerNo", "0"}}}});
    }
    // Queues a player dialog that runs `fill` and presses OK.
    void answerPlayer(std::function<void(frmRegiPlayer&)> fill) {
        desk.modal.add<frmRegiPlayer>([fill](frmRegiPlayer& d) {
            fill(d);
            sim::click(d.btnOK);
        });
    }
    // Writes the player file and loads it, as the start-up does.
    void givePlayers(const std::vector<testsupport::PlayerEntry>& players) {
        data.writePlayers(players);
        loadPlayers();
    }
    static testsupport::PlayerEntry player(int32_t id, std::string name, int gender, int32_t belong, int state = 0) {
        return {id, std::move(name), "", gender, belong, "", "", state};
    }
    static std::vector<int32_t> ids(const forms::ListBox& list) {
        std::vector<int32_t> out;
        for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.ItemData(i));
        return out;
    }
    std::string lastBelong() { return gfReadIniFile(gstrIniFile, "Setup", "LastBelong_at_Member"); }
};

} // namespace

TEST_F(frmPlayersTest, AddEditDeleteAddWritesThePlayerFileAndTheSharedArray) {
    frmPlayers w;
    std::string dialogBelong;
    desk.runModal(w, [&] {
        EXPECT_EQ(w.cobBelong.Text(), "すべて");
        EXPECT_EQ(w.lblNumMembers.Caption(), "0 名");
        EXPECT_EQ(w.ActiveControl(), &w.lstPlayers);

        answerPlayer([&](frmRegiPlayer& d) {
            dialogBelong = d.cobBelong.Text();
            sim::typeText(d.txtName, "山田太郎");
            sim::typeText(d.txtSortStr, "やまだ");
            sim::click(d.optGender[0]);
            sim::typeText(d.txtBirthday, "s25/6/15");
            sim::chooseItem(d.cobBelong, 1);
            sim::typeText(d.cobLocation, "札幌市中央区");
        });
        sim::click(w.btnAdd);
        EXPECT_EQ(dialogBelong, "なし（未設定）"); // "すべて" hands -1 over
        // The filter moved to the new player's affiliation, which is listed and selected.
        EXPECT_EQ(w.cobBelong.Text(), "札幌クラブ");
        ASSERT_EQ(w.lstPlayers.ListCount(), 1);
        EXPECT_EQ(w.lstPlayers.List(0), " 山田太郎 (男、昭和25年6月15日生\u300060歳：札幌市中央)");
        EXPECT_EQ(w.lstPlayers.ListIndex(), 0);
        EXPECT_EQ(w.lblNumMembers.Caption(), "1 名");

        answerPlayer([&](frmRegiPlayer& d) {
            dialogBelong = d.cobBelong.Text();
            sim::typeText(d.txtName, "鈴木花子");
            sim::click(d.optGender[1]);
        });
        sim::click(w.btnAdd);
        EXPECT_EQ(dialogBelong, "札幌クラブ");
        EXPECT_EQ(ids(w.lstPlayers), (std::vector<int32_t>{1, 2}));
        EXPECT_EQ(w.lstPlayers.List(1), " 鈴木花子 (女)");
        EXPECT_EQ(w.lstPlayers.ListIndex(), 1);
        EXPECT_EQ(w.lblNumMembers.Caption(), "2 名");

        // An edit that moves the player out of the shown affiliation.
        sim::chooseItem(w.lstPlayers, 0);
        answerPlayer([&](frmRegiPlayer& d) {
            EXPECT_EQ(d.txtName.Text(), "山田太郎");
            EXPECT_EQ(d.cobLocation.Text(), "札幌市中央");
            sim::typeText(d.txtName, "山田次郎");
            sim::chooseItem(d.cobBelong, 0);
        });
        sim::click(w.btnEdit);
        EXPECT_EQ(ids(w.lstPlayers), (std::vector<int32_t>{2}));
        EXPECT_EQ(w.lstPlayers.ListIndex(), -1);
        EXPECT_EQ(w.lblNumMembers.Caption(), "1 名");

        sim::chooseItem(w.lstPlayers, 0);
        sim::click(w.btnDelete);
        EXPECT_EQ(desk.lastMessage().prompt, "プレイヤー： 鈴木花子 (女)\r\nを削除します。");
        EXPECT_EQ(desk.lastMessage().title, "プレイヤー削除確認");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbOKCancel);
        EXPECT_EQ(w.lstPlayers.ListCount(), 0);
        EXPECT_EQ(w.lblNumMembers.Caption(), "0 名");
        sim::click(w.btnDelete);
        EXPECT_EQ(desk.lastMessage().prompt, "削除するプレイヤーを選択してください。");

        answerPlayer([&](frmRegiPlayer& d) {
            sim::typeText(d.txtName, "佐藤");
            sim::click(d.optGender[0]);
        });
        sim::click(w.btnAdd);
        EXPECT_EQ(ids(w.lstPlayers), (std::vector<int32_t>{3}));
        sim::click(w.btnClose);
    });
    EXPECT_FALSE(w.Loaded());
    EXPECT_EQ(lastBelong(), "1");
    expectFile(gstrPlayerFile, {"[Management]", "MaxPlayerNo=3",
                                "[player1]", "Name=山田次郎", "State=0", "Birthday=1950/06/15", "Gender=1",
                                "BelongID=0", "Sort=やまだ", "Location=札幌市中央",
                                "[player2]", "Name=鈴木花子", "State=2", "Birthday=", "Gender=2", "BelongID=1",
                                "Sort=", "Location=",
                                "[player3]", "Name=佐藤", "State=0", "Birthday=", "Gender=1", "BelongID=1",
                                "Sort=", "Location="});
    ASSERT_EQ(gtypPlayers.size(), 3u);
    EXPECT_EQ(gtypPlayers[0].Name, "山田次郎");
    EXPECT_EQ(gtypPlayers[0].BelongID, 0);
    EXPECT_EQ(gtypPlayers[0].Birthday, "1950/06/15");
    EXPECT_EQ(gtypPlayers[0].Location, "札幌市中央");
    EXPECT_EQ(gtypPlayers[1].State, 2);
    EXPECT_EQ(gtypPlayers[2].ID, 3);
    EXPECT_EQ(gtypPlayers[2].State, 0);
    EXPECT_EQ(gtypPlayers[2].BelongID, 1);
    EXPECT_EQ(desk.modal.unscripted().size(), 0u);
}

TEST_F(frmPlayersTest, AddingUnderAllWithNoAffiliationSwitchesToNone) {
    givePlayers({player(1, "甲", 1, 0), player(2, "乙", 1, 2)});
    frmPlayers w;
    desk.runModal(w, [&] {
        EXPECT_EQ(ids(w.lstPlayers), (std::vector<int32_t>{1, 2}));
        answerPlayer([&](frmRegiPlayer& d) {
            sim::typeText(d.txtName, "丙");
            sim::click(d.optGender[0]);
        });
        sim::click(w.btnAdd);
        EXPECT_EQ(w.cobBelong.Text(), "無し");
        EXPECT_EQ(ids(w.lstPlayers), (std::vector<int32_t>{1, 3}));
        EXPECT_EQ(w.lstPlayers.ListIndex(), 1);
        EXPECT_EQ(w.lblNumMembers.Caption(), "2 名");
        sim::closeBox(w);
    });
    EXPECT_EQ(lastBelong(), "0");
}

TEST_F(frmPlayersTest, AnEditKeepsThePlayerSelectedAndTheFirstVisibleLine) {
    std::vector<testsupport::PlayerEntry> players;
    for (int i = 1; i <= 30; ++i) players.push_back(player(i, "選手" + std::to_string(i), 1, 2));
    givePlayers(players);
    frmPlayers w;
    desk.runModal(w, [&] {
        sim::chooseItem(w.lstPlayers, 14);
        w.lstPlayers.setTopIndex(10);
        answerPlayer([&](frmRegiPlayer& d) { sim::typeText(d.txtSortStr, "よみ"); });
        sim::dblClickItem(w.lstPlayers, 14);
        EXPECT_EQ(w.lstPlayers.ListIndex(), 14);
        EXPECT_EQ(w.lstPlayers.TopIndex(), 10);
        EXPECT_EQ(w.lstPlayers.ListCount(), 30);
        sim::closeBox(w);
    });
    EXPECT_EQ(gtypPlayers[14].Sort, "よみ");
    EXPECT_EQ(gfReadIniFile(gstrPlayerFile, "player15", "Sort"), "よみ");
    EXPECT_EQ(gfReadIniFile(gstrPlayerFile, "player15", "State"), "0");
}

TEST_F(frmPlayersTest, TheFilterIsRememberedWhileItsAffiliationIsListed) {
    givePlayers({player(1, "甲", 1, 2), player(2, "乙", 1, 1), player(3, "丙", 2, 2, 2)});
    {
        frmPlayers w;
        desk.runModal(w, [&] {
            sim::chooseItem(w.cobBelong, 3);
            EXPECT_EQ(w.cobBelong.Text(), "旭川会");
            EXPECT_EQ(ids(w.lstPlayers), (std::vector<int32_t>{1})); // the deleted player is not listed
            sim::click(w.btnClose);
        });
    }
    EXPECT_EQ(lastBelong(), "2");
    {
        frmPlayers w;
        desk.runModal(w, [&] {
            EXPECT_EQ(w.cobBelong.Text(), "旭川会");
            EXPECT_EQ(w.lstPlayers.ListIndex(), -1);
            EXPECT_EQ(w.lblNumMembers.Caption(), "1 名");
            sim::chooseItem(w.cobBelong, 1);
            sim::closeBox(w);
        });
    }
    EXPECT_EQ(lastBelong(), "0");
    for (const char* stored : {"0", "2"}) {
        gfWriteIniFile(gstrIniFile, "Setup", "LastBelong_at_Member", stored);
        gtypBelongs[1].State = 2; // 旭川会 deleted meanwhile
        frmPlayers w;
        desk.runModal(w, [&] {
            EXPECT_EQ(w.cobBelong.Text(), "すべて") << stored;
            EXPECT_EQ(w.cobBelong.ListCount(), 3);
            sim::closeBox(w);
        });
    }
}

TEST_F(frmPlayersTest, EditAndDeleteNeedASelectedLine) {
    givePlayers({player(1, "甲", 1, 0)});
    frmPlayers w;
    desk.runModal(w, [&] {
        sim::click(w.btnEdit);
        EXPECT_EQ(desk.lastMessage().prompt, "変更するプレイヤーを選択してください。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(w.ActiveControl(), &w.lstPlayers);
        sim::click(w.btnDelete);
        EXPECT_EQ(desk.lastMessage().prompt, "削除するプレイヤーを選択してください。");
        EXPECT_EQ(w.ActiveControl(), &w.lstPlayers);
        // A cancelled question and a cancelled dialog change nothing.
        sim::chooseItem(w.lstPlayers, 0);
        desk.boxes.answer(forms::vbCancel);
        sim::click(w.btnDelete);
        desk.modal.add<frmRegiPlayer>([](frmRegiPlayer& d) {
            sim::typeText(d.txtName, "別人");
            sim::click(d.btnCancel);
        });
        sim::click(w.btnEdit);
        desk.modal.add<frmRegiPlayer>([](frmRegiPlayer& d) { sim::click(d.btnCancel); });
        sim::click(w.btnAdd);
        EXPECT_EQ(ids(w.lstPlayers), (std::vector<int32_t>{1}));
        EXPECT_EQ(w.lstPlayers.ListIndex(), 0);
        sim::closeBox(w);
    });
    EXPECT_EQ(desk.messages().size(), 3u);
    EXPECT_EQ(gtypPlayers.size(), 1u);
    EXPECT_EQ(gtypPlayers[0].Name, "甲");
    EXPECT_EQ(gtypPlayers[0].State, 0);
    EXPECT_EQ(gfReadIniFile(gstrPlayerFile, "Management", "MaxPlayerNo"), "1");
    EXPECT_EQ(gfReadIniFile(gstrPlayerFile, "player1", "State"), "0");
}

TEST_F(frmPlayersTest, AFailedWriteIsReportedAndMemoryListAndFileAgree) {
    givePlayers({player(1, "甲", 1, 0), player(2, "乙", 2, 0)});
    const std::string before = testsupport::readBytes(gstrPlayerFile);
    frmPlayers w;
    desk.runModal(w, [&] {
        files::fault::arm(files::fault::Kind::WriteAfterBytes, 10, -1, "playsers");
        answerPlayer([](frmRegiPlayer& d) {
            sim::typeText(d.txtName, "丙");
            sim::click(d.optGender[0]);
        });
        sim::click(w.btnAdd);
        sim::chooseItem(w.lstPlayers, 0);
        answerPlayer([](frmRegiPlayer& d) { sim::typeText(d.txtName, "甲改"); });
        sim::click(w.btnEdit);
        sim::click(w.btnDelete);
        files::fault::clear();
        EXPECT_EQ(w.cobBelong.Text(), "すべて");
        EXPECT_EQ(ids(w.lstPlayers), (std::vector<int32_t>{1, 2}));
        EXPECT_EQ(w.lstPlayers.List(0), " 甲 (男)");
        EXPECT_EQ(w.lblNumMembers.Caption(), "2 名");
        EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
        sim::closeBox(w);
    });
    const std::string failed = "ファイルへの書き込みに失敗しました。\r\n" + gstrPlayerFile;
    ASSERT_EQ(desk.messages().size(), 4u);
    EXPECT_EQ(desk.messages()[0].prompt, failed);
    EXPECT_EQ(desk.messages()[1].prompt, failed);
    EXPECT_EQ(desk.messages()[3].prompt, failed);
    EXPECT_EQ(testsupport::readBytes(gstrPlayerFile), before);
    ASSERT_EQ(gtypPlayers.size(), 2u);
    EXPECT_EQ(gtypPlayers[0].Name, "甲");
    EXPECT_EQ(gtypPlayers[0].State, 0);
}

TEST_F(frmPlayersTest, AddingAtTheHighestNumberIsRefused) {
    data.writePlayers({player(32767, "最後", 1, 0)});
    gtypPlayers.push_back({32767, "最後", "", 0, 1, 0, 0, "", "", ""});
    const std::string before = testsupport::readBytes(gstrPlayerFile);
    frmPlayers w;
    desk.runModal(w, [&] {
        answerPlayer([](frmRegiPlayer& d) {
            sim::typeText(d.txtName, "溢れ");
            sim::click(d.optGender[0]);
        });
        sim::click(w.btnAdd);
        EXPECT_EQ(w.lstPlayers.ListCount(), 1);
        sim::closeBox(w);
    });
    EXPECT_EQ(desk.lastMessage().prompt, "登録数が上限（32767件）に達しているため、これ以上登録できません。");
    EXPECT_EQ(gtypPlayers.size(), 1u);
    EXPECT_EQ(testsupport::readBytes(gstrPlayerFile), before);
}

TEST(frmPlayersLayout, ControlsAndTabOrder) {
    frmPlayers w;
    EXPECT_EQ(w.Caption(), "プレイヤー一覧");
    EXPECT_EQ(w.ScaleWidth(), 7560);
    EXPECT_EQ(w.ScaleHeight(), 8490);
    EXPECT_EQ(w.StartUpPosition(), forms::vbStartUpOwner);
    EXPECT_EQ(w.cobBelong.Style(), forms::vbComboDropdownList);
    EXPECT_EQ(w.lstPlayers.Height(), 7035);
    const std::vector<forms::Control*> order{&w.lstPlayers, &w.btnAdd, &w.btnEdit, &w.btnDelete, &w.btnClose,
                                             &w.cobBelong};
    for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i]->TabIndex(), static_cast<int>(i)) << order[i]->Name();
    EXPECT_FALSE(w.btnDelete.TabStop());
    for (forms::CommandButton* b : {&w.btnAdd, &w.btnEdit, &w.btnDelete, &w.btnClose}) {
        EXPECT_FALSE(b->Default());
        EXPECT_FALSE(b->Cancel());
    }
}
