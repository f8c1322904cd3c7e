#pragma once
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/resultRecords.h"

// The season tally reads many game files and builds their season rows one
// game after another. Each game stands alone, so the files are read and
// their rows built ahead, on worker threads, while the tally takes the games
// already done, in their order. Reading and building touch no shared record;
// the tally applies each game's outcome on its own thread, so what it sees
// does not depend on how the work was timed.
class SeasonReadAhead {
public:
    // One game: its packs, how the read ended, and once read, its rows.
    struct Game {
        std::vector<typScorePack> packs;
        ScorePackReader::Result result = ScorePackReader::Result::Read;
        std::vector<typSeasonScore> rows;
        std::exception_ptr error; // what ended the rows early, if anything
    };
    // Builds the rows of file `file` (its index) from its packs.
    using RowBuilder = std::function<void(std::size_t file, const std::vector<typScorePack>& packs,
                                          std::vector<typSeasonScore>& rows)>;

    // Starts reading the files at `paths` (as ScorePackReader reads them)
    // and building their rows with `build`, on up to `workers` threads; the
    // caller helps while it waits. With none, each file is done when it is
    // taken, on the calling thread. `build` runs on any of these threads and
    // must touch no shared record.
    SeasonReadAhead(std::vector<std::string> paths, RowBuilder build, unsigned workers);
    // Files not taken yet are dropped; waits for the threads.
    ~SeasonReadAhead();
    SeasonReadAhead(const SeasonReadAhead&) = delete;
    SeasonReadAhead& operator=(const SeasonReadAhead&) = delete;

    // The read of file i, taken in turn (i = 0, 1, 2, ...). It stays the
    // caller's until the next take, which hands its storage back for reuse.
    Game& take(std::size_t i);

    // Workers worth starting for `files` files on this machine: none for
    // fewer than eight files (starting a thread costs about as much as
    // reading a few), else one per processor but the caller's, at most 8.
    static unsigned workersFor(std::size_t files);

private:
    struct Slot {
        Game game;
        std::atomic<std::size_t> filled{0}; // 1 + the index of the file read into it, 0 when none
    };

    void work();
    // Wakes one or all of the sleepers on `sleepers`.
    void wake(std::condition_variable& sleepers, bool all);
    // Reads file i into its slot and tells the tally.
    void fill(ScorePackReader& reader, std::size_t i);
    // The tally's own share while it waits: reads the next file nobody has
    // taken on, if its slot is free. False when there is none.
    bool readNextFree();
    void readInto(ScorePackReader& reader, std::size_t file, Game& game) const;

    const std::vector<std::string> paths_;
    const RowBuilder build_;
    std::vector<Slot> slots_; // file i is read into slot i % size
    std::atomic<std::size_t> claimed_{0};  // files taken on so far
    std::atomic<std::size_t> released_{0}; // files before it are done with: their slots may be filled again
    std::atomic<bool> stop_{false};
    std::size_t woken_ = 0; // released_ when the workers were last woken (the tally's own)
    // Only for sleeping: the workers until a slot is free, the tally until
    // its file is there. Whoever changes what a sleeper waits for passes
    // through the mutex before waking it, so no wake-up is lost.
    std::mutex sleep_;
    std::condition_variable slotFreed_, fileFilled_;
    ScorePackReader reader_; // the tally's own
    std::vector<std::thread> threads_;
};
