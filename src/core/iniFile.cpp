#include "core/iniFile.h"

#include "platform/files/FileOps.h"
#include "platform/files/Profile.h"
#include "platform/files/ProfileText.h"
#include "platform/forms/Services.h"
#include "platform/text/Cp932.h"

#include <algorithm>
#include <functional>
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

// The decoded text of the loaded file; the tables' names, keys and values
// are views into it.
std::string mText;

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

// Tables kept between loads up to this many entries, so that reading file
// after file allocates nothing; larger ones are given back when cleared.
constexpr std::size_t kKeptEntries = std::size_t{1} << 14;

std::size_t slotOf(std::string_view name, std::size_t mask) { return std::hash<std::string_view>{}(name) & mask; }

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

// Loads the lines of mText into the tables; false when a key line has no
// section to go to.
bool loadLines() {
    const std::string_view text = mText;
    files::LineSplitter splitter(text);
    for (files::LineSplitter::Line at; splitter.next(at);) {
        const std::string_view line = text.substr(at.begin, at.textEnd - at.begin);
        // Blank lines (spaces only) hold neither a "[" in column 1 nor a "=".
        if (line.empty()) continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']', 1);
            std::string_view name = close == std::string_view::npos ? line.substr(1, 0) : line.substr(1, close - 1);
            mtypIniSections.push_back({name, mlngIniKeysMax + 1, 0});
            ++mlngIniSectionsMax;
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
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

} // namespace

bool gfLoadIniEx(const std::string& file) {
    gsClearIniEx();
    bool failed = true;
    try {
        auto bytes = files::readFile(file);
        if (bytes) {
            mText = text::decode932(*bytes);
            failed = !loadLines();
        }
    } catch (const std::bad_alloc&) {
        // Out of memory counts as a failed load like any other error; what
        // was loaded so far stays.
    }
    // Callers show the hourglass while a file loads; a failed load puts the arrow back.
    if (failed) forms::Screen::setMousePointer(forms::vbDefault);
    return failed;
}

int32_t gfFindIniSectionEx(std::string_view section) {
    if (mtypIniSections.size() <= kWalkedSections) {
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

namespace {

// The value of the first key of that name in the section, or nullptr.
const IniText* findValue(int32_t section, std::string_view key) {
    if (section < 0 || section > mlngIniSectionsMax) return nullptr;
    const typIniSection& s = mtypIniSections[static_cast<std::size_t>(section)];
    for (int32_t k = s.FirstKey; k < s.FirstKey + s.KeyCount; ++k)
        if (mtypIniKeys[static_cast<std::size_t>(k)].Key == key) return &mtypIniKeys[static_cast<std::size_t>(k)].Value;
    return nullptr;
}

} // namespace

const IniText* gfFindIniValueEx(int32_t section, std::string_view key) { return findValue(section, key); }

std::string gfReadIniEx(const std::string& section, const std::string& key) {
    const IniText* value = findValue(gfFindIniSectionEx(section), key);
    return value ? std::string(*value) : std::string();
}

void gsClearIniEx() {
    mIndexStale = true;
    mLastFound = -1;
    emptyKeepingRoom(mtypIniSections);
    mlngIniSectionsMax = -1;
    emptyKeepingRoom(mtypIniKeys);
    mlngIniKeysMax = -1;
    emptyKeepingRoom(mSectionSlots);
    // Each load decodes into a new text: the old one is given back now.
    mText = std::string();
}
