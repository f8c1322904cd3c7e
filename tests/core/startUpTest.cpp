#include "core/frmAbout.h"
#include "core/globals.h"
#include "core/startUp.h"
#include "platform/files/FileOps.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using forms::doubles::TestDesktop;
using testsupport::readBytes;
using testsupport::writeBytes;

struct StartUp : ::testing::Test {
    testsupport::TempHome home;
    TestDesktop desk;
    int mainShown = 0;
    std::string userFolder = home.file(".local/share/Quillon Software/Lumora");
    std::string docFolder = home.file("Documents/Quillon Software/Lumora");

    StartUp() {
        setMainWindowShower([this] { ++mainShown; });
        setPrevInstanceTest([] { return false; });
    }
    ~StartUp() override {
        setMainWindowShower(nullptr);
        setPrevInstanceTest(nullptr);
    }
};

TEST_F(StartUp, FirstStartBuildsBothTreesAndWritesTheDefaults) {
    Main();
    for (const std::string& folder : {userFolder + "/temp", docFolder + "/data/games"})
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
    EXPECT_EQ(gstrManagerFile, docFolder + "/data/games/manager.dat");
    EXPECT_EQ(gstrIniFile, userFolder + "/Lumora.ini");
    EXPECT_EQ(readBytes(docFolder + "/data/playsers.dat"), "[Management]\r\nMaxPlayerNo=0\r\n");
    EXPECT_EQ(readBytes(userFolder + "/Lumora.ini"),
              "[Setup]\r\nHole=8\r\nRound=3\r\nKeepMemberEntry=1\r\n");
    EXPECT_EQ(mainShown, 1);
    EXPECT_TRUE(desk.messages().empty());
    // The splash stayed up for the minimum time and is gone.
    EXPECT_GE(desk.clock.milliseconds(), 800);
    EXPECT_TRUE(forms::Form::loadedForms().empty());
}

TEST_F(StartUp, PresentValuesAreKeptAndBlankOnesReplaced) {
    writeBytes(userFolder + "/Lumora.ini", "[Setup]\r\nHole=0\r\nRound=   \r\nOther=x\r\n");
    Main();
    EXPECT_EQ(readBytes(userFolder + "/Lumora.ini"),
              "[Setup]\r\nHole=0\r\nRound=3\r\nOther=x\r\nKeepMemberEntry=1\r\n");
}

TEST_F(StartUp, SecondStartHandsOverThroughTheRerunFileAndShowsNothing) {
    setPrevInstanceTest([] { return true; });
    const char* argv[] = {"lumora", " ", "a", "b "};
    forms::App::setCommandLine(4, argv);
    Main();
    forms::App::setCommandLine(1, argv);
    EXPECT_EQ(readBytes(userFolder + "/Lumora.rex"), "[ReExecute]\r\nReally=Yes\r\nCommand=a b\r\n");
    EXPECT_EQ(mainShown, 0);
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_FALSE(files::fileExists(userFolder + "/Lumora.ini"));
}

TEST_F(StartUp, LeftoverRerunFileIsDeleted) {
    writeBytes(userFolder + "/Lumora.rex", "[ReExecute]\r\nReally=Yes\r\n");
    Main();
    EXPECT_FALSE(files::fileExists(userFolder + "/Lumora.rex"));
    EXPECT_EQ(mainShown, 1);
}

TEST_F(StartUp, FailureIsReportedAndNoWindowOpens) {
    // A file where the data folder belongs cannot be made into a folder.
    writeBytes(docFolder + "/data", "not a folder");
    Main();
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "Lumoraの起動に失敗しました。\r\nパスが見つかりません。");
    EXPECT_EQ(desk.lastMessage().title, "システム・エラー");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbExclamation);
    EXPECT_EQ(mainShown, 0);
    EXPECT_TRUE(forms::Form::loadedForms().empty());
}

TEST_F(StartUp, FailedSettingsWriteAfterTheSplashUnloadsItAndSaysWhy) {
    files::fault::arm(files::fault::Kind::Rename, 0, -1, "Lumora.ini");
    Main();
    files::fault::clear();
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "Lumoraの起動に失敗しました。\r\n書き込みできません。");
    EXPECT_EQ(mainShown, 0);
    EXPECT_TRUE(forms::Form::loadedForms().empty());
}

TEST(About, LinkFallsBackToTheClipboardWhenTheBrowserCannotOpen) {
    TestDesktop desk;
    desk.opener.succeeds = false;
    frmAbout about;
    desk.runModal(about, [&] { forms::sim::click(about.lblURL); forms::sim::click(about.btnOK); });
    ASSERT_EQ(desk.opener.opened.size(), 1u);
    const std::string url = desk.opener.opened[0];
    EXPECT_EQ(forms::Clipboard::GetText(), url);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt,
              url + "\r\nURLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。ご利用のﾌﾞﾗｳｻﾞのｱﾄﾞﾚｽﾊﾞｰに貼り付け(ﾍﾟｲｽﾄ)てください。");
    EXPECT_EQ(desk.lastMessage().title, "エラー");
    EXPECT_FALSE(about.Loaded());
}

TEST(About, LinkThatOpensShowsNoBox) {
    TestDesktop desk;
    frmAbout about;
    desk.runModal(about, [&] { forms::sim::click(about.lblURL); forms::sim::click(about.btnOK); });
    EXPECT_EQ(desk.opener.opened.size(), 1u);
    EXPECT_TRUE(desk.messages().empty());
}

} // namespace
