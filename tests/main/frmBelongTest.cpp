#include "main/frmBelong.h"
#include "main/frmRegiGroup.h"
#include "core/iniFile.h"
#include "core/registries.h"
#include "platform/forms/Services.h"
#include "platform/forms/Simulation.h"
#include "registryFixture.h"

namespace sim = forms::sim;

namespace {

class frmBelongTest : public RegistryTest {
protected:
    void answerGroup(const std::string& name, const std::string& shortName, bool ok = true) {
        desk.modal.add<frmRegiGroup>([this, name, shortName, ok](frmRegiGroup& d) {
            seen.push_back(d.Caption() + "|" + d.txtAddGroup.Text() + "|" + d.txtShortName.Text());
            sim::typeText(d.txtAddGroup, name);
            sim::typeText(d.txtShortName, shortName);
            sim::click(ok ? d.btnOK : d.btnCancel);
        });
    }
    // n affiliations "所属1".. written and loaded, as the start-up does.
    void giveGroups(int n) {
        std::vector<testsupport::GroupEntry> groups;
        for (int i = 1; i <= n; ++i) groups.push_back({i, "所属" + std::to_string(i), "", 0});
        data.writeGroups(groups);
        loadGroups();
    }
    static void clickRow(frmBelong& w, int32_t row) {
        uctMGRow* view = w.uctGroupList.RowView(row);
        ASSERT_NE(view, nullptr) << "row " << row << " is not shown";
        sim::click(view->lblObj[0]);
    }
    // The listed rows as "ID:name/short", and the selected rows.
    static std::vector<std::string> rows(frmBelong& w) {
        std::vector<std::string> out;
        uctMyGrid& g = w.uctGroupList;
        for (int32_t r = 1; r < g.gfRowCount(); ++r)
            out.push_back(std::to_string(g.gfGetRowItemData(r)) + ":" + g.Cell(0, r).Text + "/" + g.Cell(1, r).Text);
        return out;
    }
    static std::vector<int32_t> selected(frmBelong& w) {
        std::vector<int32_t> out;
        for (int32_t r = 1; r < w.uctGroupList.gfRowCount(); ++r)
            if (w.uctGroupList.gfGetRowSelected(r)) out.push_back(r);
        return out;
    }
    std::string selectedBlong() { return gfReadIniFile(gstrIniFile, "Setup", "SelectedBlong"); }
    std::vector<std::string> seen;
};

} // namespace

TEST_F(frmBelongTest, AddEditDeleteAddWritesTheAffiliationFileAndTheSharedArray) {
    gfWriteIniFile(gstrIniFile, "Setup", "SelectedBlong", "1");
    frmBelong w;
    desk.runModal(w, [&] {
        EXPECT_EQ(selectedBlong(), ""); // emptied at every opening
        EXPECT_EQ(w.uctGroupList.gfRowCount(), 1);
        EXPECT_EQ(w.ActiveControl(), &w.btnAdd);

        answerGroup(" 札幌クラブ ", " 札幌");
        sim::click(w.btnAdd);
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1:札幌クラブ/札幌"}));
        EXPECT_EQ(selected(w), (std::vector<int32_t>{1}));
        EXPECT_EQ(selectedBlong(), "1");

        answerGroup("旭川会", "   ");
        sim::click(w.btnAdd);
        EXPECT_EQ(selected(w), (std::vector<int32_t>{2}));

        clickRow(w, 1);
        EXPECT_EQ(selectedBlong(), "1");
        answerGroup("札幌中央クラブ", "中央");
        sim::click(w.btnEdit);
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1:札幌中央クラブ/中央", "2:旭川会/"}));
        EXPECT_EQ(selected(w), (std::vector<int32_t>{1}));

        clickRow(w, 2);
        sim::click(w.btnDelete);
        EXPECT_EQ(desk.lastMessage().prompt, "所属：旭川会\r\nを削除します。");
        EXPECT_EQ(desk.lastMessage().title, "所属削除確認");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbOKCancel);
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1:札幌中央クラブ/中央"}));
        EXPECT_TRUE(selected(w).empty());

        answerGroup("函館会", "");
        sim::click(w.btnAdd);
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1:札幌中央クラブ/中央", "3:函館会/"}));
        sim::click(w.btnClose);
    });
    EXPECT_FALSE(w.Loaded());
    EXPECT_EQ(seen, (std::vector<std::string>{"所属登録/編集||", "所属登録/編集||", "所属登録/編集|札幌クラブ|札幌",
                                              "所属登録/編集||"}));
    expectFile(gstrGroupFile, {"[Management]", "MaxGroupNo=3",                                 //
                               "[group1]", "Name=札幌中央クラブ", "ShortName=中央", "State=0", //
                               "[group2]", "Name=旭川会", "ShortName=", "State=2",             //
                               "[group3]", "Name=函館会", "ShortName=", "State=0"});
    ASSERT_EQ(gtypBelongs.size(), 3u);
    EXPECT_EQ(gtypBelongs[0].Name, "札幌中央クラブ");
    EXPECT_EQ(gtypBelongs[0].ShortName, "中央");
    EXPECT_EQ(gtypBelongs[1].State, 2);
    EXPECT_EQ(gtypBelongs[2].ID, 3);
    EXPECT_EQ(gtypBelongs[2].State, 0);
}

TEST_F(frmBelongTest, TabWalksTheButtonsAndTheListWithNoHiddenStop) {
    frmBelong w;
    desk.runModal(w, [&] {
        EXPECT_EQ(w.ActiveControl(), &w.btnAdd);
        std::vector<forms::Control*> walked;
        for (int i = 0; i < 4; ++i) {
            sim::pressKey(w, forms::vbKeyTab);
            walked.push_back(w.ActiveControl());
        }
        // The panel around the list is no stop of its own: from 閉じる the
        // next Tab is already in the list, and the one after it back on 新規登録.
        EXPECT_EQ(walked, (std::vector<forms::Control*>{&w.btnEdit, &w.btnClose, &w.uctGroupList.picBody, &w.btnAdd}));
        sim::click(w.btnClose);
    });
}

TEST_F(frmBelongTest, TheListIsAStripedTwoColumnTableWithAHeader) {
    gtypBelongs = {{1, " 一 ", " い ", 0, 0}, {2, "消えた", "", 2, 0}, {3, "三", "", 0, 0}, {4, "四", "", 0, 0}};
    frmBelong w;
    desk.runModal(w, [&] {
        uctMyGrid& g = w.uctGroupList;
        EXPECT_EQ(g.Left(), 0);
        EXPECT_EQ(g.Width(), 6195);
        EXPECT_EQ(g.Height(), 4215);
        EXPECT_EQ(g.ColCount(), 2);
        EXPECT_EQ(g.ColWidth(0), 4500);
        EXPECT_EQ(g.ColWidth(1), 1200);
        EXPECT_EQ(g.Cell(0, 0).Text, "所属名");
        EXPECT_EQ(g.Cell(1, 0).Text, "略名");
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1:一/い", "3:三/", "4:四/"}));
        for (int32_t r = 0; r < g.gfRowCount(); ++r) EXPECT_EQ(g.RowInfo(r).Height, 345); // 350 on whole pixels
        EXPECT_EQ(g.Cell(0, 1).BackColor, forms::vbWhite);
        EXPECT_EQ(g.Cell(0, 2).BackColor, forms::RGB(250, 250, 250));
        EXPECT_EQ(g.Cell(1, 2).BackColor, forms::RGB(250, 250, 250));
        EXPECT_EQ(g.Cell(1, 3).BackColor, forms::vbWhite);
        EXPECT_TRUE(selected(w).empty());
        EXPECT_EQ(g.gfGetTopIndexOfRowsY(), 1);
        sim::closeBox(w);
    });
}

TEST_F(frmBelongTest, AnAddScrollsTowardsTheNewRowAndEditsAndDeletesKeepTheScroll) {
    giveGroups(19);
    frmBelong w;
    desk.runModal(w, [&] {
        uctMyGrid& g = w.uctGroupList;
        answerGroup("二十番目", "");
        sim::click(w.btnAdd);
        EXPECT_EQ(selected(w), (std::vector<int32_t>{20}));
        EXPECT_EQ(g.gfGetTopIndexOfRowsY(), 11); // 20 - (12 - 3)

        g.gsSetTopIndexOfRowsY(5);
        g.gsUpdate();
        clickRow(w, 8);
        answerGroup("八番目", "");
        sim::click(w.btnEdit);
        EXPECT_EQ(g.gfGetTopIndexOfRowsY(), 5);
        EXPECT_EQ(selected(w), (std::vector<int32_t>{8}));
        EXPECT_EQ(g.Cell(0, 8).Text, "八番目");

        sim::click(w.btnDelete);
        EXPECT_EQ(g.gfGetTopIndexOfRowsY(), 5);
        EXPECT_TRUE(selected(w).empty());
        EXPECT_EQ(g.gfRowCount(), 20);
        sim::closeBox(w);
    });
}

TEST_F(frmBelongTest, ARowInTheUpperPartLeavesTheListAtItsTop) {
    giveGroups(3);
    frmBelong w;
    desk.runModal(w, [&] {
        answerGroup("四", "");
        sim::click(w.btnAdd);
        EXPECT_EQ(selected(w), (std::vector<int32_t>{4}));
        EXPECT_EQ(w.uctGroupList.gfGetTopIndexOfRowsY(), 1);
        sim::closeBox(w);
    });
}

TEST_F(frmBelongTest, AnEmptyOrAllDeletedRegistryShowsTheHeaderOnly) {
    gtypBelongs = {{1, "消えた", "", 2, 0}};
    frmBelong w;
    desk.runModal(w, [&] {
        EXPECT_EQ(w.uctGroupList.gfRowCount(), 1);
        sim::click(w.btnEdit);
        EXPECT_EQ(desk.lastMessage().prompt, "編集する所属を選択してください。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        sim::click(w.btnDelete);
        EXPECT_EQ(desk.lastMessage().prompt, "削除する所属を選択してください。");
        sim::closeBox(w);
    });
    EXPECT_EQ(desk.messages().size(), 2u);
    EXPECT_EQ(desk.modal.unscripted().size(), 0u);
}

TEST_F(frmBelongTest, ADoubleClickEditsTheRowAndCancelsChangeNothing) {
    giveGroups(2);
    const std::string before = testsupport::readBytes(gstrGroupFile);
    frmBelong w;
    desk.runModal(w, [&] {
        answerGroup("別名", "", false);
        sim::dblClick(w.uctGroupList.RowView(2)->lblObj[0]);
        EXPECT_EQ(selectedBlong(), "2");
        desk.boxes.answer(forms::vbCancel);
        sim::click(w.btnDelete);
        answerGroup("新規", "", false);
        sim::click(w.btnAdd);
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1:所属1/", "2:所属2/"}));
        sim::closeBox(w);
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"所属登録/編集|所属2|", "所属登録/編集||"}));
    EXPECT_EQ(testsupport::readBytes(gstrGroupFile), before);
}

TEST_F(frmBelongTest, AFailedWriteIsReportedAndMemoryListAndFileAgree) {
    giveGroups(2);
    const std::string before = testsupport::readBytes(gstrGroupFile);
    frmBelong w;
    desk.runModal(w, [&] {
        files::fault::arm(files::fault::Kind::Rename, 0, -1, "group");
        answerGroup("三", "");
        sim::click(w.btnAdd);
        clickRow(w, 1);
        answerGroup("壱", "");
        sim::click(w.btnEdit);
        sim::click(w.btnDelete);
        files::fault::clear();
        EXPECT_EQ(rows(w), (std::vector<std::string>{"1:所属1/", "2:所属2/"}));
        EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
        sim::closeBox(w);
    });
    const std::string failed = "ファイルへの書き込みに失敗しました。\r\n" + gstrGroupFile;
    ASSERT_EQ(desk.messages().size(), 4u);
    EXPECT_EQ(desk.messages()[0].prompt, failed);
    EXPECT_EQ(desk.messages()[1].prompt, failed);
    EXPECT_EQ(desk.messages()[3].prompt, failed);
    EXPECT_EQ(testsupport::readBytes(gstrGroupFile), before);
    ASSERT_EQ(gtypBelongs.size(), 2u);
    EXPECT_EQ(gtypBelongs[0].Name, "所属1");
    EXPECT_EQ(gtypBelongs[0].State, 0);
}

TEST_F(frmBelongTest, AddingAtTheHighestNumberIsRefused) {
    data.writeGroups({{32767, "最後", "", 0}});
    gtypBelongs.push_back({32767, "最後", "", 0, 0});
    const std::string before = testsupport::readBytes(gstrGroupFile);
    frmBelong w;
    desk.runModal(w, [&] {
        answerGroup("溢れ", "");
        sim::click(w.btnAdd);
        sim::closeBox(w);
    });
    EXPECT_EQ(desk.lastMessage().prompt, "登録数が上限（32767件）に達しているため、これ以上登録できません。");
    EXPECT_EQ(gtypBelongs.size(), 1u);
    EXPECT_EQ(testsupport::readBytes(gstrGroupFile), before);
}

TEST_F(frmBelongTest, TheGroupDialogRefusesABlankNameAndAnswersEnterAndEsc) {
    gstrDlgParam3 = "所属登録/編集";
    gstrDlgParam = "旧";
    gstrDlgParam2 = "略";
    frmRegiGroup d;
    desk.runModal(d, [&] {
        EXPECT_EQ(d.Caption(), "所属登録/編集");
        EXPECT_EQ(d.ActiveControl(), &d.txtAddGroup);
        sim::typeText(d.txtAddGroup, "  \r");
        EXPECT_EQ(d.ActiveControl(), &d.txtShortName);
        EXPECT_EQ(d.txtShortName.SelLength(), 1);
        sim::typeText(d.txtShortName, "あいうえおか\r"); // at most 5 characters
        EXPECT_EQ(d.txtShortName.Text(), "あいうえお");
        EXPECT_EQ(d.ActiveControl(), &d.btnOK);
        sim::pressKey(d, forms::vbKeyReturn);
        EXPECT_EQ(desk.lastMessage().prompt, "名称が未入力です。");
        EXPECT_EQ(d.ActiveControl(), &d.txtAddGroup);
        sim::pressKey(d, forms::vbKeyEscape);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gstrDlgParam, "旧");
    EXPECT_EQ(gstrDlgParam2, "略");

    gstrDlgParam = std::string(254, 'x');
    frmRegiGroup ok;
    desk.runModal(ok, [&] {
        ok.txtAddGroup.setSelStart(254);
        sim::typeText(ok.txtAddGroup, "亜y"); // 256 bytes refused, 255 taken
        sim::click(ok.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gstrDlgParam, std::string(254, 'x') + "y");
    EXPECT_EQ(gstrDlgParam2, "略");
}

TEST(frmBelongLayout, ControlsAndTabOrder) {
    frmBelong w;
    EXPECT_EQ(w.Caption(), "所属一覧");
    EXPECT_EQ(w.ScaleWidth(), 6585);
    EXPECT_EQ(w.ScaleHeight(), 5250);
    EXPECT_EQ(w.picBody.Width(), 6195);
    EXPECT_EQ(w.btnClose.Left(), 5100);
    EXPECT_EQ(w.btnAdd.TabIndex(), 0);
    EXPECT_EQ(w.btnEdit.TabIndex(), 1);
    EXPECT_EQ(w.btnClose.TabIndex(), 2);
    EXPECT_FALSE(w.btnDelete.TabStop());
    frmRegiGroup d;
    EXPECT_EQ(d.ScaleWidth(), 6480);
    EXPECT_EQ(d.ScaleHeight(), 2070);
    EXPECT_EQ(d.txtShortName.MaxLength(), 5);
    EXPECT_EQ(d.txtAddGroup.IMEMode(), forms::vbIMEHiragana);
    EXPECT_EQ(d.txtShortName.IMEMode(), forms::vbIMEHiragana);
    EXPECT_TRUE(d.btnCancel.Cancel());
    EXPECT_EQ(d.txtAddGroup.TabIndex(), 0);
    EXPECT_EQ(d.txtShortName.TabIndex(), 1);
    EXPECT_EQ(d.btnOK.TabIndex(), 2);
    EXPECT_EQ(d.btnCancel.TabIndex(), 3);
}
