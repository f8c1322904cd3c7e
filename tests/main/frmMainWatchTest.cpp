// The second-start watch and the menu bar of the main window.
#include "frmMainFixture.h"

#include "core/frmAbout.h"
#include "core/productInfo.h"
#include "platform/forms/Services.h"

namespace sim = forms::sim;

namespace {

// Another window of the desktop that holds the front until the watch brings
// a window of the program forward.
class OtherWindow : public forms::Form {
public:
    OtherWindow() : Form("frmOther") {}
    int deactivations = 0;

protected:
    void Form_Deactivate() override { ++deactivations; }
};

class WatchTest : public MainWindowTest {
protected:
    void rerun(const std::string& really) {
        data.writeIni(gstrReExecFile, {{"ReExecute", {{"Really", really}, {"Command", "x"}}}});
    }
    bool rerunFileThere() const { return files::fileExists(gstrReExecFile); }
    OtherWindow other;
};

} // namespace

TEST_F(WatchTest, ASecondStartBringsTheMainWindowForwardWithinOneTick) {
    open();
    other.Show();
    sim::tickTimers(); // nothing to answer
    EXPECT_EQ(other.deactivations, 0);

    rerun(" Yes ");
    sim::tickTimers();
    EXPECT_FALSE(rerunFileThere());
    EXPECT_EQ(other.deactivations, 1);

    // A minimised window is restored on that tick, not also raised.
    other.Show();
    f.setWindowState(forms::vbMinimized);
    rerun("Yes");
    sim::tickTimers();
    EXPECT_FALSE(rerunFileThere());
    EXPECT_EQ(f.WindowState(), forms::vbNormal);
    EXPECT_EQ(other.deactivations, 1);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(WatchTest, AnythingButYesIsOnlyDeleted) {
    open();
    other.Show();
    f.setWindowState(forms::vbMinimized);
    for (const char* really : {"yes", "YES", "", "Yes please"}) {
        SCOPED_TRACE(really);
        rerun(really);
        sim::tickTimers();
        EXPECT_FALSE(rerunFileThere());
    }
    EXPECT_EQ(f.WindowState(), forms::vbMinimized);
    EXPECT_EQ(other.deactivations, 0);
}

TEST_F(WatchTest, WhileAGameIsOpenTheTallyWindowIsTheOneBroughtForward) {
    open();
    clickRow(2);
    sim::click(f.btnOpenGame);
    ASSERT_FALSE(f.Visible());
    other.Show();
    rerun("Yes");
    sim::tickTimers();
    EXPECT_EQ(other.deactivations, 1);
    EXPECT_FALSE(f.Visible());

    tally().setWindowState(forms::vbMinimized);
    rerun("Yes");
    sim::tickTimers();
    EXPECT_EQ(tally().WindowState(), forms::vbNormal);
    EXPECT_FALSE(f.Visible());
}

TEST_F(WatchTest, AFileThatCannotBeDeletedIsAnsweredOnce) {
    open();
    other.Show();
    files::fault::arm(files::fault::Kind::Remove, 0, -1, "Lumora.rex");
    rerun("Yes");
    for (int tick = 0; tick < 3; ++tick) {
        sim::tickTimers();
        other.Show(); // the user goes back to the other window
    }
    EXPECT_TRUE(rerunFileThere());
    EXPECT_EQ(other.deactivations, 1);

    files::fault::clear();
    sim::tickTimers();
    EXPECT_FALSE(rerunFileThere());
    EXPECT_EQ(other.deactivations, 1);

    // The next second start is answered again.
    rerun("Yes");
    sim::tickTimers();
    EXPECT_EQ(other.deactivations, 2);
}

TEST_F(WatchTest, BackupOpensTheDataRootOnlyAfterOK) {
    open();
    desk.boxes.answer(forms::vbCancel);
    sim::click(f.mnuTool_Backup);
    EXPECT_TRUE(desk.opener.opened.empty());
    EXPECT_EQ(desk.lastMessage().prompt,
              "Lumoraのデータフォルダを開きます。\r\n"
              "\"data\"フォルダを他の場所（外部ハードディスクやUSBメモリなど）にコピーして保存（退避）してください。\r\n"
              "復元はLumoraを終了させてから、\"data\"フォルダを入れ替えてください。\r\n");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKCancel);
    EXPECT_EQ(desk.lastMessage().title, "バックアップ");

    sim::click(f.mnuTool_Backup);
    EXPECT_EQ(desk.opener.opened, std::vector<std::string>{gstrDocFolder});
    EXPECT_EQ(desk.messages().size(), 2u);

    desk.opener.succeeds = false;
    sim::click(f.mnuTool_Backup);
    EXPECT_EQ(desk.lastMessage().prompt, gstrDocFolder + "\r\nフォルダを開けませんでした。");
    EXPECT_TRUE(f.Visible());
}

TEST_F(WatchTest, WebPagesAndTheReadMeFallBackToTheClipboard) {
    open();
    const std::string readme = forms::App::Path() + "/readme.html";
    const struct {
        forms::Menu* item;
        std::string target;
    } cases[] = {
        {&f.mnuHelp_AboutLumora, product::MakerURL},
        {&f.mnuHelp_OnlineHelp, product::OnlineHelpURL},
        {&f.mnuHelp_ReadMe, readme},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        desk.opener.opened.clear();
        desk.opener.succeeds = true;
        desk.boxes.clear();
        sim::click(*c.item);
        EXPECT_EQ(desk.opener.opened, std::vector<std::string>{c.target});
        EXPECT_TRUE(desk.messages().empty());

        desk.opener.succeeds = false;
        sim::click(*c.item);
        EXPECT_EQ(forms::Clipboard::GetText(), c.target);
        EXPECT_EQ(desk.lastMessage().prompt,
                  c.target + "\r\nURLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。ご利用のﾌﾞﾗｳｻﾞのｱﾄﾞﾚｽﾊﾞｰに貼り付け(ﾍﾟｲｽﾄ)てください。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
    }
}

TEST_F(WatchTest, AboutBoxAndExit) {
    open();
    forms::Form* owner = nullptr;
    desk.modal.add<frmAbout>([&](frmAbout& box) {
        owner = box.Owner();
        sim::click(box.btnOK);
    });
    sim::click(f.mnuHelp_About);
    EXPECT_EQ(owner, &f);
    EXPECT_EQ(desk.modal.pending(), 0u);

    f.Move(300, 600);
    sim::click(f.mnuFile_ExitApp);
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(setting("Main_Top", "WindowSize"), "600");
    EXPECT_EQ(setting("Main_Left", "WindowSize"), "300");
}
