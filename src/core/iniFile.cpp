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

// The value is the buffer's text up to its first NUL.
std::string bufferText(std::optional<std::string> value) {
    std::string text = std::move(value).value_or("");
    if (auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    return text;
}

} // namespace

std::string gfReadIniFile(const std::string& file, const std::string& section, const std::string& key) {
    return bufferText(files::getProfileString(file, section, key, kValueBytes));
}

std::string IniSectionValues::read(const std::string& key) const { return bufferText(values_.value(key, kValueBytes)); }

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
std::string loadedBytes;
std::deque<std::string> decodedLines;

// The first section of each name, for look-ups in large files (the player
// registry): a hash table of section indexes (open addressing,
// -1 = a free slot), built on the first look-up after a load. It answers
// exactly as the walk from index 0 would, since a section whose name is
// already there is never entered.
std::vector<int32_t> sectionTable;
bool indexStale = true;
// Whether no two sections share a name, and the section found last: readers
// mostly ask for the sections in file order, so the one after it is tried
// first, which answers alike when every name is the first of its kind.
bool namesUnique = true;
int32_t lastFound = -1;

// Files of up to this many sections are walked, not indexed.
constexpr std::size_t kWalkedSections = 8;
// The first look-up after a load walks in any file: a reader that asks for
// one section pays for no index.
bool walkedOnce = false;

// Tables kept between loads up to this many entries, so that reading file
// after file allocates nothing; larger ones are given back when cleared.
constexpr std::size_t kKeptEntries = std::size_t{1} << 14;

// FNV-1a, folded so that every byte reaches the low bits the mask keeps:
// inline, as the names hashed ("player57") are short.
std::size_t slotOf(std::string_view name, std::size_t mask) {
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : name) h = (h ^ c) * 1099511628211ULL;
    return static_cast<std::size_t>(h ^ (h >> 32)) & mask;
}

const std::vector<int32_t>& sectionSlots() {
    if (indexStale) {
        std::size_t size = 16; // at most half full
        while (size < mtypIniSections.size() * 2) size *= 2;
        sectionTable.assign(size, -1);
        namesUnique = true;
        for (std::size_t i = 0; i < mtypIniSections.size(); ++i) {
            const std::string_view name = mtypIniSections[i].Name;
            for (std::size_t slot = slotOf(name, size - 1);; slot = (slot + 1) & (size - 1)) {
                int32_t& at = sectionTable[slot];
                if (at < 0) at = static_cast<int32_t>(i);
                if (mtypIniSections[static_cast<std::size_t>(at)].Name == name) {
                    namesUnique = namesUnique && at == static_cast<int32_t>(i);
                    break;
                }
            }
        }
        indexStale = false;
    }
    return sectionTable;
}

template <class T> void emptyKeepingRoom(std::vector<T>& table) {
    table.clear();
    if (table.capacity() > kKeptEntries) table = {};
}

// Loads `file` into the tables, after emptying them.
IniLoad loadFile(const std::string& file, KeysBeforeSections before) {
    gsClearIniEx();
    const auto keep = [](std::string_view line) {
        return std::string_view(decodedLines.emplace_back(text::decode932(line)));
    };
    return walkIniFile(file, loadedBytes, keep, [](const IniLine& line) {
        if (line.section) {
            mtypIniSections.push_back({line.name, mlngIniKeysMax + 1, 0});
            ++mlngIniSectionsMax;
            return;
        }
        mtypIniKeys.push_back({line.name, line.value});
        ++mlngIniKeysMax;
        ++mtypIniSections.back().KeyCount;
    }, before);
}

} // namespace

IniLoad readIniBytes(const std::string& file, std::string& bytes) {
    files::ReadFailure failure = files::ReadFailure::None;
    if (files::readFileInto(file, bytes, &failure)) return IniLoad::Loaded;
    return failure == files::ReadFailure::Missing ? IniLoad::Missing : IniLoad::Failed;
}

void showIniLoadFailure() { forms::Screen::setMousePointer(forms::vbDefault); }

bool gfLoadIniEx(const std::string& file) {
    // A missing file is a failure here too.
    const bool failed = loadFile(file, KeysBeforeSections::Fail) != IniLoad::Loaded;
    if (failed) showIniLoadFailure();
    return failed;
}

IniLoad loadRegistryIniEx(const std::string& file) {
    const IniLoad result = loadFile(file, KeysBeforeSections::Skip);
    if (result == IniLoad::Failed) showIniLoadFailure();
    return result;
}

int32_t findIniSectionEx(std::string_view section) {
    if (mtypIniSections.size() <= kWalkedSections || !walkedOnce) {
        walkedOnce = true;
        for (std::size_t i = 0; i < mtypIniSections.size(); ++i)
            if (mtypIniSections[i].Name == section) return static_cast<int32_t>(i);
        return -1;
    }
    const std::vector<int32_t>& slots = sectionSlots();
    const int32_t next = lastFound + 1;
    if (namesUnique && next <= mlngIniSectionsMax && mtypIniSections[static_cast<std::size_t>(next)].Name == section)
        return lastFound = next;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = slotOf(section, mask);; slot = (slot + 1) & mask) {
        const int32_t at = slots[slot];
        if (at < 0) return -1;
        if (mtypIniSections[static_cast<std::size_t>(at)].Name == section) return lastFound = at;
    }
}

const IniText* findIniValueEx(int32_t section, std::string_view key) {
    if (section < 0 || section > mlngIniSectionsMax) return nullptr;
    const typIniSection& s = mtypIniSections[static_cast<std::size_t>(section)];
    const auto first = mtypIniKeys.begin() + s.FirstKey;
    const auto found = std::find_if(first, first + s.KeyCount, [key](const typIniKey& k) { return k.Key == key; });
    return found == first + s.KeyCount ? nullptr : &found->Value;
}

std::string gfReadIniEx(const std::string& section, const std::string& key) {
    const IniText* value = findIniValueEx(findIniSectionEx(section), key);
    return value ? std::string(*value) : std::string();
}

void gsClearIniEx() {
    indexStale = true;
    walkedOnce = false;
    lastFound = -1;
    emptyKeepingRoom(mtypIniSections);
    mlngIniSectionsMax = -1;
    emptyKeepingRoom(mtypIniKeys);
    mlngIniKeysMax = -1;
    emptyKeepingRoom(sectionTable);
    // Each load reads into new storage: the old one is given back now.
    loadedBytes = std::string();
    decodedLines.clear();
}
