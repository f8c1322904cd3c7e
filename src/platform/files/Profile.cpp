#include "platform/files/Profile.h"

#include "platform/files/FileOps.h"
#include "platform/files/ProfileText.h"
#include "platform/text/Cp932.h"

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <list>
#include <mutex>
#include <sys/stat.h>
#include <unordered_map>
#include <utility>

namespace files {

namespace {

// What tells one state of a file from another without reading it.
struct Identity {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    long long mtimeNs = 0;
    bool operator==(const Identity&) const = default;
};

Identity identityOf(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size,
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

long long nowNs() {
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// File times are coarse (a clock tick here, two seconds on some file
// systems), so a file rewritten in place within the same tick keeps its
// size and time. A cached form read that soon after the file's time is
// checked against the file's bytes until the time is safely past.
constexpr long long kRacyNs = 2'100'000'000LL;
constexpr std::size_t kMaxCached = 64;

struct Entry {
    Identity id;
    bool settled = false;
    std::string unparsed;              // the bytes while they are not parsed yet
    std::optional<ProfileText> parsed; // made on the first look-up
    std::uint64_t checkedIn = 0;       // the read batch that last checked it; 0 = none

    const std::string& bytes() const { return parsed ? parsed->raw() : unparsed; }
    // Parsed when first needed: a file written and not read again (or read
    // and not looked up) is never parsed for nothing.
    const ProfileText& text() {
        if (!parsed) parsed.emplace(std::exchange(unparsed, std::string()));
        return *parsed;
    }
    void replaceBytes(std::string bytes) {
        parsed.reset();
        unparsed = std::move(bytes);
    }
};

// Parsed files by path, most recently used first.
class Cache {
public:
    // The parsed form of the file as it is now; nullptr when it cannot be read.
    // With `inBatch`, a file already checked in the open read batch is taken
    // as it was then.
    const ProfileText* current(const std::string& path, bool inBatch) {
        if (inBatch && batchDepth_ > 0) {
            Entry* e = find(path);
            if (e && e->checkedIn == batch_) return &e->text();
        }
        Entry* e = check(path);
        if (!e) return nullptr;
        if (batchDepth_ > 0) e->checkedIn = batch_;
        return &e->text();
    }

    // The file as a write finds it: checked against the disk, except that in
    // a read batch an entry checked in it whose file still has the same
    // identity is taken as it is (nothing else writes during a batch; a file
    // replaced or removed meanwhile is still seen).
    const ProfileText* currentForWrite(const std::string& path) {
        if (batchDepth_ > 0) {
            Entry* e = find(path);
            struct stat st {};
            if (e && e->checkedIn == batch_ && ::stat(path.c_str(), &st) == 0 && identityOf(st) == e->id)
                return &e->text();
        }
        return current(path, false);
    }

    void beginBatch() {
        if (batchDepth_++ == 0) ++batch_;
    }
    void endBatch() { --batchDepth_; }

    // After our own write: the bytes we wrote are the file's content now.
    void wrote(const std::string& path, std::string bytes) {
        struct stat st {};
        forget(path);
        if (::stat(path.c_str(), &st) != 0) return;
        Entry& e = store(path, identityOf(st), false, std::move(bytes));
        // Within a batch what we wrote counts as checked: the batch's later
        // reads and writes of the file need not read it again.
        if (batchDepth_ > 0) e.checkedIn = batch_;
    }

    void forget(const std::string& path) {
        auto found = index_.find(path);
        if (found == index_.end()) return;
        entries_.erase(found->second);
        index_.erase(found);
    }

private:
    using Item = std::pair<std::string, Entry>;

    // The file's entry, checked against the disk and brought up to date;
    // nullptr when the file cannot be read.
    Entry* check(const std::string& path) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
            forget(path);
            return nullptr;
        }
        Identity id = identityOf(st);
        Entry* e = find(path);
        if (e && e->id == id && e->settled) return e;
        // Taken before the file is read: whatever changes the file after this
        // moment gives it a newer time, once that time is past the racy span.
        bool settles = nowNs() - id.mtimeNs > kRacyNs;
        auto bytes = readFile(path);
        if (!bytes) {
            forget(path);
            return nullptr;
        }
        if (!e) return &store(path, id, settles, std::move(*bytes));
        if (e->id != id || *bytes != e->bytes()) e->replaceBytes(std::move(*bytes));
        e->id = id;
        e->settled = settles;
        return e;
    }

    // The entry of a path, made the most recent one.
    Entry* find(const std::string& path) {
        if (!entries_.empty() && entries_.front().first == path) return &entries_.front().second;
        auto found = index_.find(path);
        if (found == index_.end()) return nullptr;
        entries_.splice(entries_.begin(), entries_, found->second);
        return &entries_.front().second;
    }

    Entry& store(const std::string& path, Identity id, bool settled, std::string bytes) {
        entries_.push_front(Item{path, Entry{id, settled, std::move(bytes), std::nullopt, 0}});
        index_[path] = entries_.begin();
        if (entries_.size() > kMaxCached) {
            index_.erase(entries_.back().first);
            entries_.pop_back();
        }
        return entries_.front().second;
    }

    std::list<Item> entries_;
    std::unordered_map<std::string, std::list<Item>::iterator> index_;
    int batchDepth_ = 0;
    std::uint64_t batch_ = 0; // the number of the open (or last) read batch
};

std::mutex gMutex;
Cache gCache;

bool missing(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) != 0 && errno == ENOENT;
}

} // namespace

ProfileReadBatch::ProfileReadBatch() {
    std::lock_guard lock(gMutex);
    gCache.beginBatch();
}

ProfileReadBatch::~ProfileReadBatch() {
    std::lock_guard lock(gMutex);
    gCache.endBatch();
}

namespace {

// A value as the value layer gives it: cut to maxBytes of code page 932.
std::optional<std::string> valueOf(const ProfileText& text, const std::string& section, const std::string& key,
                                   std::size_t maxBytes) {
    const std::string* value = text.find(section, key);
    if (!value) return std::nullopt;
    // UTF-8 never takes fewer bytes than code page 932, so a short text needs no cut.
    if (value->size() <= maxBytes) return *value;
    return text::cut932(*value, maxBytes);
}

} // namespace

std::optional<std::string> getProfileString(const std::string& file, const std::string& section,
                                            const std::string& key, std::size_t maxBytes) {
    std::lock_guard lock(gMutex);
    const ProfileText* text = gCache.current(file, true);
    if (!text) return std::nullopt;
    return valueOf(*text, section, key, maxBytes);
}

ProfileSection::ProfileSection(const std::string& file, const std::string& section) : section_(section) {
    if (auto bytes = readFile(file)) text_ = std::make_unique<ProfileText>(ProfileText::upToSectionEnd(std::move(*bytes), section));
}

ProfileSection::~ProfileSection() = default;

std::optional<std::string> ProfileSection::value(const std::string& key, std::size_t maxBytes) const {
    if (!text_) return std::nullopt;
    return valueOf(*text_, section_, key, maxBytes);
}

std::optional<std::vector<std::string>> getProfileSectionNames(const std::string& file) {
    std::lock_guard lock(gMutex);
    const ProfileText* text = gCache.current(file, true);
    if (text) return text->sectionNames();
    if (missing(file)) return std::vector<std::string>{};
    return std::nullopt;
}

namespace {

// The file as a write finds it, nullptr when there is none; false when it is
// there but cannot be read, so that it is never replaced by a file that
// holds only the new values.
bool currentForWrite(const std::string& file, const ProfileText*& current) {
    current = gCache.currentForWrite(file);
    return current || missing(file);
}

bool replace(const std::string& file, std::string bytes) {
    if (!writeFileAtomic(file, bytes)) {
        gCache.forget(file);
        return false;
    }
    gCache.wrote(file, std::move(bytes));
    return true;
}

} // namespace

bool writeProfileString(const std::string& file, const std::string& section,
                        const std::optional<std::string>& key, const std::optional<std::string>& value) {
    std::lock_guard lock(gMutex);
    const ProfileText* current = nullptr;
    if (!currentForWrite(file, current)) return false;
    std::optional<std::string> changed;
    if (!key) {
        if (current) changed = current->withoutSection(section);
    } else if (!value) {
        if (current) changed = current->withoutKey(section, *key);
    } else {
        static const ProfileText noFile;
        changed = (current ? *current : noFile).withValue(section, *key, *value);
    }
    return !changed || replace(file, std::move(*changed)); // nothing to change is no failure
}

bool writeProfileValues(const std::string& file, const std::vector<ProfileValue>& values) {
    std::lock_guard lock(gMutex);
    const ProfileText* current = nullptr;
    if (!currentForWrite(file, current)) return false;
    static const ProfileText noFile;
    std::optional<std::string> changed = (current ? *current : noFile).withValues(values);
    return !changed || replace(file, std::move(*changed));
}

} // namespace files
