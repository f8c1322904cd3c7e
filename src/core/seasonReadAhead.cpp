#include "core/seasonReadAhead.h"

#include <algorithm>
#include <optional>

namespace {

// Files read ahead per worker: enough that a worker rarely waits for the
// tally to free a slot, few enough that a season's packs are never all held
// at once.
constexpr std::size_t kSlotsPerWorker = 4;

} // namespace

SeasonReadAhead::SeasonReadAhead(std::vector<std::string> paths, RowBuilder build, unsigned workers)
    : paths_(std::move(paths)), build_(std::move(build)),
      slots_(std::max<std::size_t>(1, std::size_t{workers} * kSlotsPerWorker)) {
    threads_.reserve(workers);
    try {
        for (unsigned w = 0; w < workers; ++w) threads_.emplace_back([this] { work(); });
    } catch (...) {
        // No more threads to be had (or no memory for one): the ones started
        // do the reading, with the caller's help.
    }
}

SeasonReadAhead::~SeasonReadAhead() {
    stop_ = true;
    wake(slotFreed_, true);
    for (std::thread& thread : threads_) thread.join();
}

void SeasonReadAhead::wake(std::condition_variable& sleepers, bool all) {
    // A sleeper looks at what it waits for while holding the mutex: once
    // the mutex has been passed through, it either sees the change or is
    // asleep and gets woken.
    { std::lock_guard pass(sleep_); }
    if (all)
        sleepers.notify_all();
    else
        sleepers.notify_one();
}

unsigned SeasonReadAhead::workersFor(std::size_t files) {
    constexpr std::size_t kFilesPerWorker = 8;
    const unsigned processors = std::thread::hardware_concurrency();
    const std::size_t workers = std::min<std::size_t>({processors > 1 ? processors - 1 : 0, 8, files / kFilesPerWorker});
    return static_cast<unsigned>(workers);
}

void SeasonReadAhead::readInto(ScorePackReader& reader, std::size_t file, Game& game) const {
    game.rows.clear();
    game.error = nullptr;
    try {
        game.result = reader.read(paths_[file], game.packs);
    } catch (...) {
        // Running out of memory where the read does not expect it leaves
        // the game out, as a file that cannot be read, rather than ending
        // the program from a worker.
        game.result = ScorePackReader::Result::NotRead;
    }
    if (game.result != ScorePackReader::Result::Read) return;
    try {
        build_(file, game.packs, game.rows);
    } catch (...) {
        // Raised again when the tally takes the game, after its rows so far.
        game.error = std::current_exception();
    }
}

void SeasonReadAhead::work() {
    // Made before any file is taken on: a worker that cannot have one ends
    // without leaving a file unread, and the caller reads the rest.
    std::optional<ScorePackReader> made;
    try {
        made.emplace();
    } catch (...) {
        return;
    }
    ScorePackReader& reader = *made;
    for (;;) {
        const std::size_t i = claimed_++;
        if (i >= paths_.size()) return;
        // A file is read once the slot it goes to is done with.
        const auto free = [&] { return stop_ || i < released_ + slots_.size(); };
        if (!free()) {
            std::unique_lock lock(sleep_);
            slotFreed_.wait(lock, free);
        }
        if (stop_) return;
        fill(reader, i);
    }
}

void SeasonReadAhead::fill(ScorePackReader& reader, std::size_t i) {
    Slot& slot = slots_[i % slots_.size()];
    readInto(reader, i, slot.game);
    slot.filled = i + 1;
    wake(fileFilled_, false);
}

bool SeasonReadAhead::readNextFree() {
    std::size_t next = claimed_;
    do {
        if (next >= paths_.size() || next >= released_ + slots_.size()) return false;
    } while (!claimed_.compare_exchange_weak(next, next + 1));
    fill(reader_, next);
    return true;
}

SeasonReadAhead::Game& SeasonReadAhead::take(std::size_t i) {
    Slot& slot = slots_[i % slots_.size()];
    if (threads_.empty()) {
        readInto(reader_, i, slot.game);
        return slot.game;
    }
    released_ = i;
    const auto filled = [&] { return slot.filled == i + 1; };
    // Waking the workers costs the tally a system call, so they are woken
    // when half the slots are free again, or at once when the file wanted is
    // not there yet (its worker may be waiting for this very release).
    if (!filled() || i >= woken_ + slots_.size() / 2) {
        woken_ = i;
        wake(slotFreed_, true);
    }
    // While the file is not there, the tally reads the next free files
    // itself, as a worker would, and sleeps only when there are none.
    while (!filled()) {
        if (readNextFree()) continue;
        std::unique_lock lock(sleep_);
        fileFilled_.wait(lock, filled);
    }
    return slot.game;
}
