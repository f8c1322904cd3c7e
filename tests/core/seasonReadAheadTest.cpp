// Game files read, and their rows built, ahead on worker threads.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "core/seasonReadAhead.h"
#include "platform/text/RuntimeError.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

namespace {

using Result = ScorePackReader::Result;

// One game as the tally sees it, in one line.
std::string outcome(const SeasonReadAhead::Game& game) {
    std::string line = game.result == Result::Read ? "read" : game.result == Result::NotRead ? "not read" : "failed";
    line += " packs";
    for (const typScorePack& pack : game.packs) line += " " + std::to_string(pack.IDNo);
    line += " rows";
    for (const typSeasonScore& row : game.rows) line += " " + std::to_string(row.IDNo);
    if (game.error) line += " error";
    return line;
}

// A folder of game files of every kind of outcome, and a row builder that
// marks each row with its file and fails on some files half-way.
struct ReadAheadFiles {
    testsupport::TempHome home;
    testsupport::DataFolder data{home};
    std::vector<std::string> paths;
    std::vector<std::string> expected; // each file's outcome, worked out from how it was written

    explicit ReadAheadFiles(int files) {
        for (int k = 0; k < files; ++k) {
            testsupport::GameEntry game;
            game.hole = 1;
            game.round = 1;
            const int players = k % 4;
            for (int p = 0; p < players; ++p) game.scores.push_back({100 * k + p, "3,", "", 0});
            data.writeGame(k + 1, game);
            std::string path = data.gamePath(k + 1);
            std::string packs, rows;
            for (int p = 0; p < players; ++p) {
                packs += " " + std::to_string(100 * k + p);
                if (!failsHalfWay(k) || p == 0) rows += " " + std::to_string(100 * k + p);
            }
            if (k % 7 == 3) {
                path += ".missing";
                expected.push_back("not read packs rows");
            } else if (k % 11 == 5) {
                data.writeLines(path, {"X=1", "[Management]", "MaxScoreNo=0"});
                expected.push_back("failed packs rows");
            } else if (k % 13 == 12) {
                path.clear(); // never saved
                expected.push_back("read packs rows");
            } else {
                expected.push_back("read packs" + packs + " rows" + rows + (failsHalfWay(k) && players ? " error" : ""));
            }
            paths.push_back(path);
        }
    }

    static bool failsHalfWay(int file) { return file % 5 == 2; }

    SeasonReadAhead::RowBuilder builder(std::atomic<int>* built = nullptr) const {
        return [built](std::size_t file, const std::vector<typScorePack>& packs, std::vector<typSeasonScore>& rows) {
            if (built) ++*built;
            for (const typScorePack& pack : packs) {
                rows.emplace_back().IDNo = pack.IDNo;
                if (failsHalfWay(static_cast<int>(file))) text::raise(text::err::Overflow);
            }
        };
    }
};

TEST(SeasonReadAhead, GivesEveryGameAsReadingThemInTurnWouldWithAnyNumberOfWorkers) {
    ReadAheadFiles files(90);
    for (unsigned workers : {0U, 1U, 3U, 8U}) {
        SCOPED_TRACE(workers);
        SeasonReadAhead ahead(files.paths, files.builder(), workers);
        std::vector<std::string> seen;
        for (std::size_t i = 0; i < files.paths.size(); ++i) {
            SeasonReadAhead::Game& game = ahead.take(i);
            seen.push_back(outcome(game));
            // The taker may keep the packs and leave other storage behind.
            std::vector<typScorePack> kept;
            kept.swap(game.packs);
        }
        EXPECT_EQ(seen, files.expected);
    }
}

TEST(SeasonReadAhead, AnErrorIsKeptForTheTakerAfterTheRowsBeforeIt) {
    ReadAheadFiles files(8);
    SeasonReadAhead ahead(files.paths, files.builder(), 2);
    for (std::size_t i = 0; i < 2; ++i) ahead.take(i);
    SeasonReadAhead::Game& game = ahead.take(2); // 2 players, failing after the first
    ASSERT_EQ(game.rows.size(), 1U);
    ASSERT_TRUE(game.error);
    try {
        std::rethrow_exception(game.error);
        FAIL();
    } catch (const text::RuntimeError& e) {
        EXPECT_EQ(e.Number, text::err::Overflow);
    }
}

TEST(SeasonReadAhead, StoppingEarlyReadsOnlyAFewFilesAheadAndEnds) {
    ReadAheadFiles files(200);
    std::atomic<int> built = 0;
    {
        SeasonReadAhead ahead(files.paths, files.builder(&built), 4);
        EXPECT_EQ(outcome(ahead.take(0)), files.expected[0]);
        EXPECT_EQ(outcome(ahead.take(1)), files.expected[1]);
    } // the tally stops here: the workers end without reading the rest
    // Four workers read at most 16 files past the one done with last.
    EXPECT_LE(built.load(), 17);
}

TEST(SeasonReadAhead, WorkersAreStartedOnlyForManyFiles) {
    EXPECT_EQ(SeasonReadAhead::workersFor(0), 0U);
    EXPECT_EQ(SeasonReadAhead::workersFor(7), 0U);
    EXPECT_LE(SeasonReadAhead::workersFor(10000), 8U);
}

} // namespace
