// Saves cut short by a kill at any moment: a process that adds to a registry,
// writes a setting and saves a game over and over is killed again and again.
// Each file is always one whole version, old or new, and the next start
// leaves no temporary file behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <limits>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/registryFile.h"
#include "core/startUp.h"
#include "platform/files/FileOps.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/text/Numbers.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

using testsupport::readBytes;

namespace {

// The settings file keeps a large section untouched around the value that changes.
std::string settingsBytes(int counter) {
    return "[Setup]\r\nCounter=" + std::to_string(counter) + "\r\n[Pad]\r\nP=" + std::string(200000, 'p') + "\r\n";
}

// The affiliation file after n adds to an empty registry.
std::string groupBytes(int n) {
    std::string bytes = "[Management]\r\nMaxGroupNo=" + std::to_string(n) + "\r\n";
    for (int k = 1; k <= n; ++k)
        bytes += "[group" + std::to_string(k) + "]\r\nName=G" + std::to_string(k) + "\r\nShortName=\r\nState=0\r\n";
    return bytes;
}

// A game of 40 players whose IDs all read `id`.
void setGame(int32_t id) {
    gtypGame = typGameInfo{};
    gtypGame.FileName = "game00001.lmg";
    gtypGame.Hole = 9;
    gtypGame.Round = 3;
    gtypScorePacks.clear();
    for (int p = 0; p < 40; ++p) gtypScorePacks.append(typScorePack{id, std::string(27 * 2, ',').replace(0, 2, "4,"), "", 0});
}

// What a saving process does: the three kinds of save, round after round,
// the game and the setting alternating between two versions; it stops after
// `rounds` rounds (the killed process is killed long before). A save that
// fails ends the process with its own status.
[[noreturn]] void saveRounds(int rounds) {
    for (int round = 1; round <= rounds; ++round) {
        const auto n = nextRegistryNumber(groupRegistry);
        if (!n || !writeIniValues(gstrGroupFile, {{"Management", "MaxGroupNo", text::Str(*n)},
                                                  {"group" + text::Str(*n), "Name", "G" + text::Str(*n)},
                                                  {"group" + text::Str(*n), "ShortName", ""},
                                                  {"group" + text::Str(*n), "State", "0"}}))
            ::_exit(2);
        const int version = round % 2 == 0 ? 1111 : 2222;
        if (gfWriteIniFile(gstrIniFile, "Setup", "Counter", text::Str(version)) == 0) ::_exit(3);
        setGame(version);
        if (gfSaveScoreData().empty()) ::_exit(4);
    }
    ::_exit(0);
}

// The time from forking a saving process until it has done three rounds. A
// forked process pays for its first writes to the memory it shares with its
// parent page by page, which under a sanitizer or on a slow machine takes
// longer than a whole round; the kills are spread over twice this time so
// that saves still complete between them.
std::chrono::microseconds threeRoundsTime() {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) saveRounds(3);
    int status = -1;
    if (child > 0) ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "three rounds of saves failed";
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

// The temporary files in the program's folders.
std::vector<std::string> temporaries() {
    std::vector<std::string> found;
    for (const std::string& folder : {gstrUserFolder, gstrDataFolder, gstrGamesFolder})
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (files::isAtomicWriteTemporary(name) || name == "TempGame.tmp" || name == "TempGame2.tmp")
                found.push_back(entry.path().string());
        }
    return found;
}

} // namespace

TEST(InterruptedSaves, EveryFileIsOneWholeVersionAndTheNextStartTidiesUp) {
    testsupport::TempHome home;
    testsupport::DataFolder data(home);
    forms::doubles::TestDesktop desk;
    testsupport::writeBytes(gstrIniFile, settingsBytes(0));
    testsupport::writeBytes(gstrGroupFile, groupBytes(0));
    // The two versions of the game file, as the save writes them.
    std::string games[2];
    for (int v = 0; v < 2; ++v) {
        setGame(v == 0 ? 1111 : 2222);
        ASSERT_FALSE(gfSaveScoreData().empty());
        games[v] = readBytes(data.gamePath(1));
    }

    const auto spread = std::max<std::chrono::microseconds::rep>(12000, 2 * threeRoundsTime().count());
    std::mt19937 random(14);
    std::uniform_int_distribution<std::chrono::microseconds::rep> delayUs(0, spread);
    int groups = 0, cutShort = 0; // kills after which temporary files lay about
    for (int kill = 0; kill < 120; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) saveRounds(std::numeric_limits<int>::max());
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process stopped by itself: " << WEXITSTATUS(status);

        const std::string settings = readBytes(gstrIniFile);
        const int counter = text::readInt32(gfReadIniFile(gstrIniFile, "Setup", "Counter"));
        ASSERT_EQ(settings, settingsBytes(counter)) << kill;
        const std::string registry = readBytes(gstrGroupFile);
        groups = text::readInt32(gfReadIniFile(gstrGroupFile, "Management", "MaxGroupNo"));
        ASSERT_EQ(registry, groupBytes(groups)) << kill;
        const std::string game = readBytes(data.gamePath(1));
        ASSERT_TRUE(game == games[0] || game == games[1]) << kill;
        if (!temporaries().empty()) ++cutShort;
    }
    // The saves did go on between the kills, and some were cut short.
    EXPECT_GT(groups, 20);
    EXPECT_GT(cutShort, 0);

    int mainShown = 0;
    setMainWindowShower([&] { ++mainShown; });
    setPrevInstanceTest([] { return false; });
    Main();
    setMainWindowShower(nullptr);
    setPrevInstanceTest(nullptr);
    EXPECT_EQ(mainShown, 1);
    EXPECT_EQ(temporaries(), std::vector<std::string>{});
    EXPECT_EQ(readBytes(gstrGroupFile), groupBytes(groups));
    resetSharedGlobals();
}
