#include "platform/files/FileOps.h"
#include "platform/files/Folders.h"
#include "support/TempHome.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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
    };
    for (const auto& c : cases) {
        std::remove(dirs.c_str());
        if (!c.file.empty()) writeBytes(dirs, c.file);
        EXPECT_EQ(files::documentsFolder(), c.expected) << c.file;
        EXPECT_TRUE(files::folderExists(c.expected)) << c.file;
    }
}

TEST(InstanceLock, OneHolderAtATimeAndADeadHolderLeavesItFree) {
    TempHome home;
    const std::string folder = home.file("lock");
    int toParent[2], toChild[2];
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toChild), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Holds the lock until told to die, then dies without releasing it.
        files::InstanceLock lock;
        char ok = lock.acquire(folder) ? '1' : '0';
        if (::write(toParent[1], &ok, 1) != 1) ::_exit(2);
        char go;
        if (::read(toChild[0], &go, 1) < 0) ::_exit(3);
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(toParent[0], &ok, 1), 1);
    EXPECT_EQ(ok, '1');
    files::InstanceLock mine;
    EXPECT_FALSE(mine.acquire(folder));
    EXPECT_FALSE(mine.held());
    char go = 'x';
    ASSERT_EQ(::write(toChild[1], &go, 1), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    for (int fd : {toParent[0], toParent[1], toChild[0], toChild[1]}) ::close(fd);

    EXPECT_TRUE(mine.acquire(folder));
    EXPECT_TRUE(mine.held());
    files::InstanceLock second; // another open of the same file in this process
    EXPECT_FALSE(second.acquire(folder));
    mine.release();
    EXPECT_TRUE(second.acquire(folder));
}
