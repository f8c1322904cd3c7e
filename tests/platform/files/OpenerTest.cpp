#include "platform/files/Opener.h"
#include "support/TempHome.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testsupport::readBytes;
using testsupport::TempHome;
using testsupport::writeBytes;

namespace {

struct FakeOpener : files::Opener {
    std::string opened;
    bool open(const std::string& target) override {
        opened = target;
        return false;
    }
};

// Runs the default opener with PATH pointing at a stand-in xdg-open.
struct DefaultOpener : ::testing::Test {
    TempHome home;
    std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    void TearDown() override { ::setenv("PATH", savedPath.c_str(), 1); }

    void fakeXdgOpen(int exitCode) {
        std::string script = home.file("bin/xdg-open");
        writeBytes(script, "#!/bin/sh\nprintf '%s' \"$1\" > '" + home.file("opened") + "'\nexit " +
                               std::to_string(exitCode) + "\n");
        ::chmod(script.c_str(), 0755);
        ::setenv("PATH", (home.file("bin") + ":/usr/bin:/bin").c_str(), 1);
    }
};

} // namespace

TEST(Opener, AnInstalledOpenerServesEveryCallerUntilRemoved) {
    FakeOpener fake;
    files::setOpener(&fake);
    EXPECT_EQ(&files::opener(), &fake);
    EXPECT_FALSE(files::opener().open("https://example.invalid/"));
    EXPECT_EQ(fake.opened, "https://example.invalid/");
    files::setOpener(nullptr);
    EXPECT_NE(&files::opener(), &fake);
}

TEST_F(DefaultOpener, HandsTheTargetToXdgOpenAndReportsItsExitCode) {
    fakeXdgOpen(0);
    EXPECT_TRUE(files::opener().open("/a folder/with blanks"));
    EXPECT_EQ(readBytes(home.file("opened")), "/a folder/with blanks");
    fakeXdgOpen(3);
    EXPECT_FALSE(files::opener().open("https://example.invalid/"));
}

TEST_F(DefaultOpener, FailsWhenXdgOpenCannotBeStarted) {
    ::setenv("PATH", home.file("empty").c_str(), 1);
    EXPECT_FALSE(files::opener().open("https://example.invalid/"));
}
