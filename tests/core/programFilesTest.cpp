#include "core/programFiles.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// The icon and the read-me page are found where a build tree and an
// installation put them: beside the program, or under <prefix>/share/lumora.
TEST(ProgramFiles, BesideTheProgramFirstThenTheInstalledShareFolder) {
    testsupport::TempHome home;
    const std::string bin = home.file("prefix/bin");
    const std::string beside = home.file("prefix/bin/lumora.png");
    const std::string shared = home.file("prefix/share/lumora/lumora.png");
    std::filesystem::create_directories(bin);

    EXPECT_EQ(programFile(bin, "lumora.png"), beside) << "neither: the path beside the program";

    std::filesystem::create_directories(home.file("prefix/share/lumora"));
    testsupport::writeBytes(shared, "png");
    EXPECT_EQ(programFile(bin, "lumora.png"), shared) << "installed";

    testsupport::writeBytes(beside, "png");
    EXPECT_EQ(programFile(bin, "lumora.png"), beside) << "a build tree";
}

} // namespace
