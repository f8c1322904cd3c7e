#include "platform/files/FileOps.h"
#include "platform/files/Folders.h"
#include "support/LockHolder.h"
#include "support/TempHome.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using testsupport::TempHome;
using testsupport::writeBytes;

TEST(Folders, DataHomeFollowsXdgOrDefaultsUnderHome) {
    TempHome home;
    EXPECT_EQ(files::userDataHome(), home.file(".local/share"));
    ::setenv("XDG_DATA_HOME", home.file("elsewhere").c_str(), 1);
    EXPECT_EQ(files::userDataHome(), home.file("elsewhere"));
    ::setenv("XDG_DATA_HOME", "relative/path", 1); // not absolute: ignored
    EXPECT_EQ(files::userDataHome(), home.path().string() + "/.local/share");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(files::userDataHome(), home.path().string() + "/.local/share");
}

TEST(Folders, DocumentsFolderFromUserDirsCreatedWhenMissing) {
    TempHome home;
    const std::string dirs = home.file(".config/user-dirs.dirs");
    struct Case {
        std::string file; // user-dirs.dirs content; empty = no file
        std::string expected;
    } cases[] = {
        {"", home.path().string() + "/Documents"},
        {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/文書\"\n", home.path().string() + "/文書"},
        {"XDG_DOCUMENTS_DIR=\"" + home.file("abs/docs") + "\"\r\n", home.file("abs/docs")},
        {"XDG_MUSIC_DIR=\"$HOME/Music\"\n", home.path().string() + "/Documents"},
        {"\xEF\xBB\xBFXDG_DOCUMENTS_DIR=\"$HOME/bom\"\n", home.path().string() + "/bom"},
    };
    for (const auto& c : cases) {
        std::remove(dirs.c_str());
        if (!c.file.empty()) writeBytes(dirs, c.file);
        EXPECT_EQ(files::documentsFolder(), c.expected) << c.file;
        EXPECT_TRUE(files::folderExists(c.expected)) << c.file;
    }
}

TEST(InstanceLock, OneHolderAtATimeAndADeadHolderLeavesItFree) {
    using Result = files::InstanceLock::Result;
    TempHome home;
    const std::string folder = home.file("lock");
    testsupport::LockHolder other(folder);
    ASSERT_TRUE(other.held());
    files::InstanceLock mine;
    EXPECT_EQ(mine.acquire(folder), Result::Busy);
    EXPECT_FALSE(mine.held());
    other.end(); // dies holding it

    EXPECT_EQ(mine.acquire(folder), Result::Held);
    EXPECT_TRUE(mine.held());
    EXPECT_EQ(mine.path(), folder + "/Lumora.lock");
    files::InstanceLock second; // another open of the same file in this process
    EXPECT_EQ(second.acquire(folder), Result::Busy);
    mine.release();
    EXPECT_EQ(second.acquire(folder), Result::Held);
}

TEST(InstanceLock, ALockFileThatCannotBeOpenedIsAFailureNotAnotherInstance) {
    using Result = files::InstanceLock::Result;
    TempHome home;
    // A folder where the lock file belongs.
    std::filesystem::create_directories(home.file("a/Lumora.lock"));
    files::InstanceLock lock;
    EXPECT_EQ(lock.acquire(home.file("a")), Result::Failed);
    // A file that cannot be opened (another user's, which root cannot show).
    files::fault::arm(files::fault::Kind::Open, 0, 1, "Lumora.lock");
    EXPECT_EQ(lock.acquire(home.file("b")), Result::Failed);
    EXPECT_FALSE(lock.held());
    // A folder that cannot be made, below a file.
    writeBytes(home.file("c"), "x");
    EXPECT_EQ(lock.acquire(home.file("c/d")), Result::Failed);
    EXPECT_EQ(lock.acquire(home.file("b")), Result::Held);
}
