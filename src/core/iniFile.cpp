#include "core/iniFile.h"

#include "platform/files/FileOps.h"
#include "platform/files/Profile.h"
#include "platform/files/ProfileText.h"
#include "platform/forms/Services.h"
#include "platform/text/Cp932.h"

#include <algorithm>
#include <deque>
#include <new>
#include <string_view>

namespace {

// Values of the value layer fit a 256-byte buffer with its closing NUL.
constexpr std::size_t kValueBytes = 255;

} // namespace

std::string gfReadIniFile(const std::string& file, const std::string& section, const std::string& key) {
    std::string value = files::getProfileString(file, section, key, kValueBytes).value_or("");
    // The value is the buffer's text up to its first NUL.
    if (auto nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
    return value;
}

int32_t gfWriteIniFile(const std::string& file, const std::string& section,
                       const std::optional<std::string>& key, const std::optional<std::string>& value) {
    return files::writeProfileString(file, section, key, value) ? 1 : 0;
}

std::vector<typIniSection> mtypIniSections;
int32_t mlngIniSectionsMax = -1;
std::vector<typIniKey> mtypIniKeys;
int32_t mlngIniKeysMax = -1;

namespace {

// The loaded file's bytes. The tables' names, keys and values are views into
// them where a line is all ASCII (code page 932 reads such bytes as they
// are) and into that line's decoded text, kept beside them, where it is not.
std::string mBytes;
std::deque<std::string> mDecodedLines;

// The first section of each name, for look-ups in large files (the player
// registry, game files): a hash table of section indexes (open addressing,
// -1 = a free slot), built on the first look-up after a load. It answers
// exactly as the walk from index 0 would, since a section whose name is
// already there is never entered.
std::vector<int32_t> mSectionSlots;
bool mIndexStale = true;
// Whether no two sections share a name, and the section found last: readers
// mostly ask for the sections in file order, so the one after it is tried
// first, which answers alike when every name is the first of its kind.
bool mNamesUnique = true;
int32_t mLastFound = -1;

// Files of up to this many sections are walked, not indexed.
constexpr std::size_t kWalkedSections = 8;
// The first look-up after a load walks in any file: a reader that asks for
// one section (a game file's header) pays for no index.
bool mWalkedOnce = false;

// Tables kept between loads up to this many entries, so that reading file
// after file allocates nothing; larger ones are given back when cleared.
constexpr std::size_t kKeptEntries = std::size_t{1} << 14;

// FNV-1a, folded so that every byte reaches the low bits the mask keeps:
// inline, as the names hashed ("Score57") are short.
std::size_t slotOf(std::string_view name, std::size_t mask) {
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : name) h = (h ^ c) * 1099511628211ULL;
    return static_cast<std::size_t>(h ^ (h >> 32)) & mask;
}

const std::vector<int32_t>& sectionSlots() {
    if (mIndexStale) {
        std::size_t size = 16; // at most half full
        while (size < mtypIniSections.size() * 2) size *= 2;
        mSectionSlots.assign(size, -1);
        mNamesUnique = true;
        for (std::size_t i = 0; i < mtypIniSections.size(); ++i) {
            const std::string_view name = mtypIniSections[i].Name;
            for (std::size_t slot = slotOf(name, size - 1);; slot = (slot + 1) & (size - 1)) {
                int32_t& at = mSectionSlots[slot];
                if (at < 0) at = static_cast<int32_t>(i);
                if (mtypIniSections[static_cast<std::size_t>(at)].Name == name) {
                    mNamesUnique = mNamesUnique && at == static_cast<int32_t>(i);
                    break;
                }
            }
        }
        mIndexStale = false;
    }
    return mSectionSlots;
}

// Loads the lines of mBytes into the tables; false when a key line has no
// section to go to.
bool loadLines() {
    files::LineSplitter splitter(mBytes);
    for (files::LineSplitter::Line at; splitter.next(at);) {
        std::string_view line(mBytes.data() + at.begin, at.textEnd - at.begin);
        std::size_t eq = at.eq - at.begin; // line.size() when there is no "="
        if (!at.ascii) {
            // Line breaks are never part of a two-byte character, so a line
            // decoded alone reads as it would in the whole decoded file.
            line = mDecodedLines.emplace_back(text::decode932(line));
            eq = std::min(line.find('='), line.size());
        }
        // Blank lines (spaces only) hold neither a "[" in column 1 nor a "=".
        if (line.empty()) continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']', 1);
            std::string_view name = close == std::string_view::npos ? line.substr(1, 0) : line.substr(1, close - 1);
            mtypIniSections.push_back({name, mlngIniKeysMax + 1, 0});
            ++mlngIniSectionsMax;
            continue;
        }
        if (eq == line.size()) continue;
        if (mlngIniSectionsMax < 0) return false;
        mtypIniKeys.push_back({line.substr(0, eq), line.substr(eq + 1)});
        ++mlngIniKeysMax;
        ++mtypIniSections.back().KeyCount;
    }
    return true;
}

template <class T> void emptyKeepingRoom(std::vector<T>& table) {
    table.clear();
    if (table.capacity() > kKeptEntries) table = {};
}

IniLoad loadFile(const std::string& file) {
    gsClearIniEx();
    try {
        files::ReadFailure failure = files::ReadFailure::None;
        auto bytes = files::readFile(file, &failure);
        if (!bytes) return failure == files::ReadFailure::Missing ? IniLoad::Missing : IniLoad::Failed;
        mBytes = std::move(*bytes);
        return loadLines() ? IniLoad::Loaded : IniLoad::Failed;
    } catch (const std::bad_alloc&) {
        // Out of memory counts as a failed load like any other error; what
        // was loaded so far stays.
        return IniLoad::Failed;
    }
}

// Callers show the hourglass while a file loads; a failed load puts the arrow back.
void showFailure() { forms::Screen::setMousePointer(forms::vbDefault); }

} // namespace

bool gfLoadIniEx(const std::string& file) {
    const bool failed = loadFile(file) != IniLoad::Loaded;
    if (failed) showFailure();
    return failed;
}

IniLoad gfLoadIniExWhenPresent(const std::string& file) {
    const IniLoad result = loadFile(file);
    if (result == IniLoad::Failed) showFailure();
    return result;
}

int32_t gfFindIniSectionEx(std::string_view section) {
    if (mtypIniSections.size() <= kWalkedSections || !mWalkedOnce) {
        mWalkedOnce = true;
        for (std::size_t i = 0; i < mtypIniSections.size(); ++i)
            if (mtypIniSections[i].Name == section) return static_cast<int32_t>(i);
        return -1;
    }
    const std::vector<int32_t>& slots = sectionSlots();
    const int32_t next = mLastFound + 1;
    if (mNamesUnique && next <= mlngIniSectionsMax && mtypIniSections[static_cast<std::size_t>(next)].Name == section)
        return mLastFound = next;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = slotOf(section, mask);; slot = (slot + 1) & mask) {
        const int32_t at = slots[slot];
        if (at < 0) return -1;
        if (mtypIniSections[static_cast<std::size_t>(at)].Name == section) return mLastFound = at;
    }
}

void gfFindIniValuesEx(int32_t section, std::span<const std::string_view> keys, std::span<const IniText*> values) {
    std::fill(values.begin(), values.end(), nullptr);
    if (section < 0 || section > mlngIniSectionsMax || keys.empty()) return;
    const typIniSection& s = mtypIniSections[static_cast<std::size_t>(section)];
    const typIniKey* key = mtypIniKeys.data() + s.FirstKey;
    const typIniKey* const last = key + s.KeyCount;
    // The first key of each name wins: once every name has its key, later
    // keys change nothing. Files mostly hold the keys in the order they are
    // asked for, so the name after the one found last is tried first.
    const std::size_t count = keys.size();
    std::size_t missing = count, i = 0;
    auto advance = [count](std::size_t& at) { at = at + 1 == count ? 0 : at + 1; };
    for (; missing > 0 && key != last; ++key)
        for (std::size_t tried = 0; tried < count; ++tried, advance(i))
            if (!values[i] && key->Key == keys[i]) {
                values[i] = &key->Value;
                --missing;
                advance(i);
                break;
            }
}

const IniText* gfFindIniValueEx(int32_t section, std::string_view key) {
    const IniText* value = nullptr;
    gfFindIniValuesEx(section, {&key, 1}, {&value, 1});
    return value;
}

std::string gfReadIniEx(const std::string& section, const std::string& key) {
    const IniText* value = gfFindIniValueEx(gfFindIniSectionEx(section), key);
    return value ? std::string(*value) : std::string();
}

void gsClearIniEx() {
    mIndexStale = true;
    mWalkedOnce = false;
    mLastFound = -1;
    emptyKeepingRoom(mtypIniSections);
    mlngIniSectionsMax = -1;
    emptyKeepingRoom(mtypIniKeys);
    mlngIniKeysMax = -1;
    emptyKeepingRoom(mSectionSlots);
    // Each load reads into new storage: the old one is given back now.
    mBytes = std::string();
    mDecodedLines.clear();
}
