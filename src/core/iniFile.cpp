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

// The first section of each name, for look-ups in large files (the player
// registry, game files): a hash table of section indexes (open addressing,
// -1 = a free slot), built on the first look-up after a load. It answers
// exactly as the walk from index 0 would, since a section whose name is
// already there is never entered.
std::vector<int32_t> mSectionSlots;
bool mIndexStale = true;

std::size_t slotOf(std::string_view name, std::size_t mask) { return std::hash<std::string_view>{}(name) & mask; }

const std::vector<int32_t>& sectionSlots() {
    if (mIndexStale) {
        std::size_t size = 16; // at most half full
        while (size < mtypIniSections.size() * 2) size *= 2;
        mSectionSlots.assign(size, -1);
        for (std::size_t i = 0; i < mtypIniSections.size(); ++i) {
            const std::string& name = mtypIniSections[i].Name;
            for (std::size_t slot = slotOf(name, size - 1);; slot = (slot + 1) & (size - 1)) {
                int32_t& at = mSectionSlots[slot];
                if (at < 0) at = static_cast<int32_t>(i);
                if (mtypIniSections[static_cast<std::size_t>(at)].Name == name) break;
            }
        }
        mIndexStale = false;
    }
    return mSectionSlots;
}

// Loads the lines into the tables; false when a key line has no section to go to.
bool loadLines(std::string_view text) {
    // Room for the keys up front: one per line at most. Only a hint, kept
    // to a few times the file's size however many blank lines it has.
    uint32_t lines = 1;
    for (char c : text) lines += c == '\n';
    mtypIniKeys.reserve(std::min<std::size_t>(lines, text.size() / 8 + 1));
    files::LineSplitter splitter(text);
    for (files::LineSplitter::Line at; splitter.next(at);) {
        const std::string_view line = text.substr(at.begin, at.textEnd - at.begin);
        if (line.find_first_not_of(' ') == std::string_view::npos) continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']', 1);
            std::string_view name = close == std::string_view::npos ? std::string_view() : line.substr(1, close - 1);
            mtypIniSections.push_back({std::string(name), mlngIniKeysMax + 1, 0});
            ++mlngIniSectionsMax;
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        if (mlngIniSectionsMax < 0) return false;
        mtypIniKeys.push_back({std::string(line.substr(0, eq)), std::string(line.substr(eq + 1))});
        ++mlngIniKeysMax;
        ++mtypIniSections.back().KeyCount;
    }
    return true;
}

} // namespace

bool gfLoadIniEx(const std::string& file) {
    gsClearIniEx();
    bool failed = true;
    try {
        auto bytes = files::readFile(file);
        failed = !bytes || !loadLines(text::decode932(*bytes));
    } catch (const std::bad_alloc&) {
        // Out of memory counts as a failed load like any other error; what
        // was loaded so far stays.
    }
    mIndexStale = true;
    // Callers show the hourglass while a file loads; a failed load puts the arrow back.
    if (failed) forms::Screen::setMousePointer(forms::vbDefault);
    return failed;
}

int32_t gfFindIniSectionEx(std::string_view section) {
    const std::vector<int32_t>& slots = sectionSlots();
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = slotOf(section, mask);; slot = (slot + 1) & mask) {
        const int32_t at = slots[slot];
        if (at < 0 || mtypIniSections[static_cast<std::size_t>(at)].Name == section) return at;
    }
}

const std::string* gfFindIniValueEx(int32_t section, std::string_view key) {
    if (section < 0 || section > mlngIniSectionsMax) return nullptr;
    const typIniSection& s = mtypIniSections[static_cast<std::size_t>(section)];
    for (int32_t k = s.FirstKey; k < s.FirstKey + s.KeyCount; ++k)
        if (mtypIniKeys[static_cast<std::size_t>(k)].Key == key) return &mtypIniKeys[static_cast<std::size_t>(k)].Value;
    return nullptr;
}

std::string gfReadIniEx(const std::string& section, const std::string& key) {
    const std::string* value = gfFindIniValueEx(gfFindIniSectionEx(section), key);
    return value ? *value : std::string();
}

void gsClearIniEx() {
    mSectionSlots = {};
    mIndexStale = true;
    mtypIniSections.clear();
    mtypIniSections.shrink_to_fit();
    mlngIniSectionsMax = -1;
    mtypIniKeys.clear();
    mtypIniKeys.shrink_to_fit();
    mlngIniKeysMax = -1;
}
