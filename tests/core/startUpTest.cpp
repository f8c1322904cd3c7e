#include "core/frmAbout.h"
#include "core/globals.h"
#include "core/startUp.h"
#include "platform/files/FileOps.h"
#include "platform/files/Folders.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/LockHolder.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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
        files::fault::clear();
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
    EXPECT_EQ(desk.lastMessage().prompt, "Lumoraの起動に失敗しました。\r\nパスが見つかりません。\r\n" + docFolder + "/data");
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

TEST_F(StartUp, ReadOnlySettingsAreReadAndNeverReplaced) {
    const std::string ini = userFolder + "/Lumora.ini";
    const std::string complete = "[Setup]\r\nHole=9\r\nRound=2\r\nKeepMemberEntry=0\r\n";
    writeBytes(docFolder + "/data/playsers.dat", "[Management]\r\nMaxPlayerNo=4\r\n");
    writeBytes(ini, complete);
    ::chmod(ini.c_str(), 0444);
    Main();
    EXPECT_EQ(mainShown, 1) << "nothing to write: the start goes on";
    EXPECT_EQ(readBytes(ini), complete);

    const std::string lacking = "[Setup]\r\nHole=9\r\n";
    ::chmod(ini.c_str(), 0644);
    writeBytes(ini, lacking);
    ::chmod(ini.c_str(), 0444);
    Main();
    EXPECT_EQ(mainShown, 1);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "Lumoraの起動に失敗しました。\r\n書き込みできません。");
    EXPECT_EQ(readBytes(ini), lacking);
}

TEST_F(StartUp, LeftoversOfCutShortSavesGoAndNothingElse) {
    const std::string data = docFolder + "/data", games = docFolder + "/data/games";
    const std::vector<std::string> leftovers = {
        userFolder + "/.Lumora.ini.Ab12Cd", data + "/.playsers.dat.x1Y2z3", games + "/.manager.dat.000000",
        games + "/.game00001.lmg.QWERTY", games + "/TempGame.tmp", games + "/TempGame2.tmp"};
    const std::vector<std::string> kept = {
        userFolder + "/notes.txt", data + "/.hidden", data + "/.playsers.dat.toolong7", data + "/.Lumora.ini.ab-12c",
        games + "/..abcdef", docFolder + "/.playsers.dat.x1Y2z3", userFolder + "/temp/.x.AAAAAA"};
    for (const auto& path : leftovers) writeBytes(path, "half");
    for (const auto& path : kept) writeBytes(path, "mine");
    // A link named like a leftover is nobody's leftover: it stays, and so does what it points to.
    ASSERT_EQ(::symlink((userFolder + "/notes.txt").c_str(), (data + "/.group.dat.LINKED").c_str()), 0);

    // A second start leaves everything to the instance that runs.
    setPrevInstanceTest([] { return true; });
    Main();
    for (const auto& path : leftovers) EXPECT_TRUE(files::fileExists(path)) << path;

    setPrevInstanceTest([] { return false; });
    Main();
    for (const auto& path : leftovers) EXPECT_FALSE(files::fileExists(path)) << path;
    for (const auto& path : kept) EXPECT_EQ(readBytes(path), "mine") << path;
    EXPECT_TRUE(std::filesystem::is_symlink(data + "/.group.dat.LINKED"));
    EXPECT_EQ(mainShown, 1);
}

TEST_F(StartUp, ByteOrderMarkedSettingsAreReadAndKept) {
    writeBytes(userFolder + "/Lumora.ini", "\xEF\xBB\xBF[Setup]\r\nHole=0\r\nRound=2\r\n");
    writeBytes(docFolder + "/data/playsers.dat", "\xEF\xBB\xBF[Management]\r\nMaxPlayerNo=3\r\n");
    Main();
    EXPECT_EQ(readBytes(userFolder + "/Lumora.ini"), "\xEF\xBB\xBF[Setup]\r\nHole=0\r\nRound=2\r\nKeepMemberEntry=1\r\n");
    EXPECT_EQ(readBytes(docFolder + "/data/playsers.dat"), "\xEF\xBB\xBF[Management]\r\nMaxPlayerNo=3\r\n");
}

// The platform's own test takes the lock in the per-user folder.
struct StartUpWithTheRealLock : StartUp {
    StartUpWithTheRealLock() { setPrevInstanceTest(nullptr); }
    void expectFailure(const std::string& reason) {
        Main();
        ASSERT_EQ(desk.messages().size(), 1u) << reason;
        EXPECT_EQ(desk.lastMessage().prompt, "Lumoraの起動に失敗しました。\r\n" + reason);
        EXPECT_EQ(desk.lastMessage().title, "システム・エラー");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbExclamation);
        EXPECT_EQ(mainShown, 0);
        EXPECT_TRUE(forms::Form::loadedForms().empty());
        EXPECT_FALSE(files::fileExists(userFolder + "/Lumora.rex"));
    }
};

TEST_F(StartUpWithTheRealLock, ALockFileThatCannotBeOpenedFailsLoudly) {
    std::filesystem::create_directories(userFolder + "/Lumora.lock");
    expectFailure("ロック・ファイルを開けません。\r\n" + userFolder + "/Lumora.lock");
    std::filesystem::remove(userFolder + "/Lumora.lock");
    desk.boxes.clear();
    files::fault::arm(files::fault::Kind::Open, 0, 1, "Lumora.lock");
    expectFailure("ロック・ファイルを開けません。\r\n" + userFolder + "/Lumora.lock");
    // Once it opens, the start goes through.
    desk.boxes.clear();
    Main();
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_EQ(mainShown, 1);
}

TEST_F(StartUpWithTheRealLock, FoldersThatCannotBeFoundOrMadeFailLoudly) {
    writeBytes(home.file("file"), "not a folder");
    ::setenv("XDG_DATA_HOME", home.file("file/share").c_str(), 1);
    expectFailure("パスが見つかりません。\r\n" + home.file("file/share"));

    desk.boxes.clear();
    ::setenv("XDG_DATA_HOME", home.file(".local/share").c_str(), 1);
    writeBytes(home.file(".config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/file/docs\"\n");
    expectFailure("パスが見つかりません。\r\n" + home.file("file/docs"));
}

TEST_F(StartUpWithTheRealLock, OnlyALiveInstanceHoldingTheLockMakesASecondStart) {
    testsupport::LockHolder other(userFolder);
    ASSERT_TRUE(other.held());
    Main();
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_EQ(mainShown, 0);
    EXPECT_TRUE(files::fileExists(userFolder + "/Lumora.rex"));
    // The other instance ends: its lock goes with it, and the next start is the instance.
    other.end();
    Main();
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_EQ(mainShown, 1);
    EXPECT_FALSE(files::fileExists(userFolder + "/Lumora.rex"));
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
