// The series and course registries and their name dialog.
#include "main/frmCourceRegi.h"
#include "main/frmGetName.h"
#include "main/frmSeriesRegi.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/Services.h"
#include "registryFixture.h"

#include <functional>
#include <memory>

namespace sim = forms::sim;

namespace {

struct Twin {
    const char* label;
    std::function<std::unique_ptr<NamedRegistryWindow>()> make;
    const std::string* file;
    std::string counterKey, section, dialogCaption, editMessage, deleteMessage, deletePrefix;
};

std::vector<Twin> twins() {
    return {
        {"series", [] { return std::make_unique<frmSeriesRegi>(); }, &gstrSeriesFile, "MaxSeriesNo", "Series",
         "シーズン＆大会", "編集する「シリーズ＆大会」を選択してください。",
         "削除する「シリーズ＆大会」を選択してください。", "シリーズ＆大会："},
        {"courses", [] { return std::make_unique<frmCourceRegi>(); }, &gstrCourceFile, "MaxCourceNo", "Cource",
         "コース（会場）", "編集する「コース（会場）」を選択してください。",
         "削除する「コース（会場）」を選択してください。", "コース（会場）："},
    };
}

std::vector<std::string> items(const forms::ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i) + "#" + std::to_string(list.ItemData(i)));
    return out;
}

class NamedRegistryTest : public RegistryTest {
protected:
    // Queues a name dialog that types `name` and presses OK (or Cancel).
    void answerName(const std::string& name, bool ok = true) {
        desk.modal.add<frmGetName>([this, name, ok](frmGetName& d) {
            seenCaptions.push_back(d.Caption());
            seenNames.push_back(d.txtAddGroup.Text());
            sim::typeText(d.txtAddGroup, name);
            sim::click(ok ? d.btnOK : d.btnCancel);
        });
    }
    std::vector<std::string> seenCaptions, seenNames;
};

} // namespace

TEST_F(NamedRegistryTest, AddEditDeleteAddWritesTheRegistryFile) {
    for (const Twin& t : twins()) {
        SCOPED_TRACE(t.label);
        seenCaptions.clear();
        seenNames.clear();
        auto w = t.make();
        desk.runModal(*w, [&] {
            answerName("  春季大会 ");
            sim::click(w->btnAdd);
            answerName("秋季大会");
            sim::click(w->btnAdd);
            EXPECT_EQ(items(w->lstList), (std::vector<std::string>{"春季大会#1", "秋季大会#2"}));
            EXPECT_EQ(w->lstList.ListIndex(), 1); // the new entry is selected

            sim::chooseItem(w->lstList, 0);
            answerName("春季リーグ");
            sim::click(w->btnEdit);
            EXPECT_EQ(w->lstList.ListIndex(), 0);

            sim::chooseItem(w->lstList, 1);
            sim::click(w->btnDelete);
            EXPECT_EQ(w->lstList.ListIndex(), -1);

            answerName("冬季大会");
            sim::click(w->btnAdd);
            EXPECT_EQ(items(w->lstList), (std::vector<std::string>{"春季リーグ#1", "冬季大会#3"}));
            sim::click(w->btnClose);
        });
        EXPECT_FALSE(w->Loaded());
        EXPECT_EQ(seenCaptions, std::vector<std::string>(4, t.dialogCaption));
        EXPECT_EQ(seenNames, (std::vector<std::string>{"", "", "春季大会", ""})); // the edit shows the old name
        ASSERT_EQ(desk.messages().size(), 1u);
        EXPECT_EQ(desk.lastMessage().prompt, t.deletePrefix + "秋季大会\r\nを削除します。");
        EXPECT_EQ(desk.lastMessage().title, "削除確認");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbOKCancel);
        desk.boxes.clear();
        expectFile(*t.file, {"[Management]", t.counterKey + "=3",          //
                             "[" + t.section + "1]", "Name=春季リーグ", "State=0", //
                             "[" + t.section + "2]", "Name=秋季大会", "State=2",   //
                             "[" + t.section + "3]", "Name=冬季大会", "State=0"});

        // A new opening lists the file afresh.
        auto again = t.make();
        desk.runModal(*again, [&] {
            EXPECT_EQ(items(again->lstList), (std::vector<std::string>{"春季リーグ#1", "冬季大会#3"}));
            EXPECT_EQ(again->lstList.ListIndex(), -1);
            sim::closeBox(*again);
        });
    }
}

TEST_F(NamedRegistryTest, ListsTheActiveEntriesUpToTheHighestRecord) {
    const std::string longName(300, 'a');
    data.writeIni(gstrSeriesFile, {{"Management", {{"MaxSeriesNo", "6.5"}}},
                                   {"Series1", {{"Name", "一"}, {"State", "0"}}},
                                   {"Series2", {{"Name", "二"}, {"State", "1"}}},
                                   {"Series3", {{"Name", "三"}, {"State", "0.4"}}},
                                   {"Series4", {{"Name", longName}, {"State", "x"}}},
                                   {"Series6", {{"Name", "六"}, {"State", "2"}}},
                                   {"Series7", {{"Name", "七"}, {"State", "0"}}}});
    frmSeriesRegi w;
    desk.runModal(w, [&] { sim::closeBox(w); });
    // 6.5 rounds to 6, and a section above it exists: the list goes on to it.
    // Section 5 is missing and counts as an active entry without a name.
    // State "0.4" reads as 0, as the main window's filters read it: active.
    EXPECT_EQ(items(w.lstList),
              (std::vector<std::string>{"一#1", "三#3", std::string(255, 'a') + "#4", "#5", "七#7"}));
}

TEST_F(NamedRegistryTest, EditAndDeleteNeedASelectedEntry) {
    for (const Twin& t : twins()) {
        SCOPED_TRACE(t.label);
        desk.boxes.clear();
        auto w = t.make();
        desk.runModal(*w, [&] {
            sim::click(w->btnEdit);
            EXPECT_EQ(desk.lastMessage().prompt, t.editMessage);
            EXPECT_EQ(desk.lastMessage().title, "エラー");
            EXPECT_EQ(w->ActiveControl(), &w->lstList);
            sim::click(w->btnDelete);
            EXPECT_EQ(desk.lastMessage().prompt, t.deleteMessage);
            EXPECT_EQ(w->ActiveControl(), &w->lstList);
            sim::click(w->btnClose);
        });
        EXPECT_EQ(desk.messages().size(), 2u);
        EXPECT_EQ(desk.modal.unscripted().size(), 0u);
        EXPECT_FALSE(files::fileExists(*t.file));
    }
}

TEST_F(NamedRegistryTest, CancelledDialogsAndQuestionsChangeNothing) {
    data.writeSeries({{1, "一"}});
    const std::string before = testsupport::readBytes(gstrSeriesFile);
    frmSeriesRegi w;
    desk.runModal(w, [&] {
        answerName("新しい", false);
        sim::click(w.btnAdd);
        sim::chooseItem(w.lstList, 0);
        answerName("変えた", false);
        sim::click(w.btnEdit);
        desk.boxes.answer(forms::vbCancel);
        sim::click(w.btnDelete);
        EXPECT_EQ(items(w.lstList), (std::vector<std::string>{"一#1"}));
        EXPECT_EQ(w.lstList.ListIndex(), 0);
        sim::dblClickItem(w.lstList, 0); // does nothing
        sim::click(w.btnClose);
    });
    EXPECT_EQ(desk.modal.unscripted().size(), 0u);
    EXPECT_EQ(testsupport::readBytes(gstrSeriesFile), before);
}

TEST_F(NamedRegistryTest, AFailedWriteIsReportedAndTheListKeepsToTheFile) {
    data.writeCources({{1, "一"}, {2, "二"}});
    const std::string before = testsupport::readBytes(gstrCourceFile);
    frmCourceRegi w;
    desk.runModal(w, [&] {
        files::fault::arm(files::fault::Kind::Rename, 0, -1, "cource");
        answerName("三");
        sim::click(w.btnAdd);
        sim::chooseItem(w.lstList, 0);
        answerName("壱");
        sim::click(w.btnEdit);
        sim::chooseItem(w.lstList, 1);
        sim::click(w.btnDelete);
        files::fault::clear();
        EXPECT_EQ(items(w.lstList), (std::vector<std::string>{"一#1", "二#2"}));
        EXPECT_EQ(w.lstList.ListIndex(), 1);
        EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
        sim::click(w.btnClose);
    });
    EXPECT_EQ(testsupport::readBytes(gstrCourceFile), before);
    const std::string failed = "ファイルへの書き込みに失敗しました。\r\n" + gstrCourceFile;
    ASSERT_EQ(desk.messages().size(), 4u); // add, edit, the delete question, delete
    EXPECT_EQ(desk.messages()[0].prompt, failed);
    EXPECT_EQ(desk.messages()[0].title, "エラー");
    EXPECT_EQ(desk.messages()[1].prompt, failed);
    EXPECT_EQ(desk.messages()[3].prompt, failed);
}

TEST_F(NamedRegistryTest, AddingAtTheHighestNumberIsRefused) {
    data.writeSeries({{32766, "最後の一つ前"}}, 32766);
    frmSeriesRegi w;
    desk.runModal(w, [&] {
        answerName("最後");
        sim::click(w.btnAdd);
        answerName("溢れ");
        sim::click(w.btnAdd);
        sim::click(w.btnClose);
    });
    // Numbers 1 to 32765 have no section: they count as active entries without a name.
    ASSERT_EQ(w.lstList.ListCount(), 32767);
    EXPECT_EQ(w.lstList.List(32765), "最後の一つ前");
    EXPECT_EQ(w.lstList.List(32766), "最後");
    EXPECT_EQ(w.lstList.ItemData(32766), 32767);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "登録数が上限（32767件）に達しているため、これ以上登録できません。");
    expectFile(gstrSeriesFile, {"[Management]", "MaxSeriesNo=32767", "[Series32766]", "Name=最後の一つ前",
                                "State=0", "[Series32767]", "Name=最後", "State=0"});
}

TEST_F(NamedRegistryTest, LayoutTabOrderAndTheFirstFocus) {
    frmSeriesRegi s;
    frmCourceRegi c;
    EXPECT_EQ(s.Caption(), "シリーズ＆大会一覧");
    EXPECT_EQ(c.Caption(), "コース（会場）一覧");
    for (NamedRegistryWindow* w : {static_cast<NamedRegistryWindow*>(&s), static_cast<NamedRegistryWindow*>(&c)}) {
        EXPECT_EQ(w->ScaleWidth(), 5325);
        EXPECT_EQ(w->ScaleHeight(), 5250);
        EXPECT_EQ(w->BorderStyle(), forms::vbFixedDialog);
        EXPECT_EQ(w->lstList.Left(), 180);
        EXPECT_EQ(w->lstList.Width(), 4935);
        EXPECT_EQ(w->lstList.Height(), 4335);
        EXPECT_EQ(w->btnAdd.Caption(), "新規登録");
        EXPECT_EQ(w->btnEdit.Caption(), "編集");
        EXPECT_EQ(w->btnDelete.Caption(), "削除");
        EXPECT_EQ(w->btnClose.Caption(), "閉じる");
        EXPECT_EQ(w->btnDelete.Left(), 2580);
        EXPECT_EQ(w->btnClose.Width(), 1095);
        EXPECT_FALSE(w->btnDelete.TabStop());
    }
    EXPECT_EQ(s.btnEdit.TabIndex(), 0);
    EXPECT_EQ(s.btnAdd.TabIndex(), 1);
    EXPECT_EQ(s.lstList.TabIndex(), 2);
    EXPECT_EQ(s.btnClose.TabIndex(), 3);
    EXPECT_EQ(c.btnClose.TabIndex(), 0);
    EXPECT_EQ(c.lstList.TabIndex(), 1);
    EXPECT_EQ(c.btnAdd.TabIndex(), 2);
    EXPECT_EQ(c.btnEdit.TabIndex(), 3);
    desk.runModal(s, [&] {
        EXPECT_EQ(s.ActiveControl(), &s.btnEdit);
        sim::closeBox(s);
    });
    desk.runModal(c, [&] {
        EXPECT_EQ(c.ActiveControl(), &c.btnClose);
        sim::closeBox(c);
    });
}

TEST_F(NamedRegistryTest, NameDialogRefusesABlankNameAndAnswersEnterAndEsc) {
    gstrDlgParam = "旧名";
    gstrDlgParam2 = "コース（会場）";
    frmGetName d;
    desk.runModal(d, [&] {
        EXPECT_EQ(d.Caption(), "コース（会場）");
        EXPECT_EQ(gintDlgRet, -1);
        EXPECT_EQ(d.ActiveControl(), &d.txtAddGroup);
        EXPECT_EQ(d.txtAddGroup.SelLength(), 2);
        sim::typeText(d.txtAddGroup, "  \r");
        EXPECT_EQ(d.ActiveControl(), &d.btnOK);
        EXPECT_EQ(d.txtAddGroup.Text(), "  ");
        sim::pressKey(d, forms::vbKeyReturn);
        EXPECT_EQ(desk.lastMessage().prompt, "名称が未入力です。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(d.ActiveControl(), &d.txtAddGroup);
        EXPECT_TRUE(d.Visible());
        sim::pressKey(d, forms::vbKeyEscape);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gstrDlgParam, "旧名");
    EXPECT_EQ(gstrDlgParam2, "コース（会場）");

    frmGetName ok;
    desk.runModal(ok, [&] {
        sim::typeText(ok.txtAddGroup, "\u3000会場 ");
        sim::click(ok.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gstrDlgParam, "\u3000会場"); // only blanks U+0020 are trimmed
}

TEST_F(NamedRegistryTest, ANameCannotGrowPastTheValueLayersBytes) {
    gstrDlgParam = std::string(250, 'x');
    frmGetName d;
    desk.runModal(d, [&] {
        sim::typeText(d.txtAddGroup, "\x1b"); // nothing typed; Esc is the cancel key
    });
    frmGetName e;
    gstrDlgParam = std::string(252, 'x');
    desk.runModal(e, [&] {
        e.txtAddGroup.setSelStart(252);
        const long beeps = desk.beeps();
        sim::typeText(e.txtAddGroup, "亜b"); // 254 bytes, then 255
        EXPECT_EQ(desk.beeps(), beeps);
        sim::inputText(e.txtAddGroup, "c亜"); // both refused: 256 and 257 bytes
        EXPECT_EQ(desk.beeps(), beeps + 2);
        EXPECT_EQ(e.txtAddGroup.Text(), std::string(252, 'x') + "亜b");
        sim::click(e.btnOK);
    });
    EXPECT_EQ(gstrDlgParam, std::string(252, 'x') + "亜b");
}
