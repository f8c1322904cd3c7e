#pragma once
#include <algorithm>
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/FileOps.h"
#include "platform/files/Profile.h"
#include "platform/files/ProfileText.h"

// The value layer: one value of one INI file per call. Values are at most
// 255 bytes of code page 932; "" when the file, section or key is missing.
std::string gfReadIniFile(const std::string& file, const std::string& section, const std::string& key);
// gfReadIniFile of several keys of one section of one file, from one read
// of the file that stops at the end of that section.
class IniSectionValues {
public:
    IniSectionValues(const std::string& file, const std::string& section) : values_(file, section) {}
    std::string read(const std::string& key) const;

private:
    files::ProfileSection values_;
};

// Creates file, section and key as needed. With no key and no value at all
// (std::nullopt, not ""), deletes the whole section. Nonzero = written.
int32_t gfWriteIniFile(const std::string& file, const std::string& section,
                       const std::optional<std::string>& key, const std::optional<std::string>& value);

// The in-memory reader: one whole file at a time, exact (case-sensitive,
// untrimmed) look-ups. gfLoadIniEx returns true when loading failed.

// A text of the loaded file: a view into the file's decoded text, which the
// module keeps until the tables change. It reads as a std::string_view and
// converts to a std::string where one is needed.
struct IniText : std::string_view {
    IniText(std::string_view text = {}) : std::string_view(text) {}
    operator std::string() const { return std::string(data(), size()); }
};

struct typIniSection {
    IniText Name;         // between the brackets, not trimmed
    int32_t FirstKey = 0; // index in mtypIniKeys of the section's first key
    int32_t KeyCount = 0;
};
struct typIniKey {
    IniText Key;   // before the line's first "=", not trimmed
    IniText Value; // after it, not trimmed
};

// The loaded file, in file order; an upper bound of -1 means empty. Only the
// functions below change them.
extern std::vector<typIniSection> mtypIniSections;
extern int32_t mlngIniSectionsMax;
extern std::vector<typIniKey> mtypIniKeys;
extern int32_t mlngIniKeysMax;

bool gfLoadIniEx(const std::string& file);
std::string gfReadIniEx(const std::string& section, const std::string& key);
void gsClearIniEx();

// gfReadIniEx in two steps, for callers that read several keys of a section:
// the index of the first section of that name (-1 when none), then the value
// of the first key of that name in it (nullptr when none; valid until the
// tables change).
int32_t findIniSectionEx(std::string_view section);
const IniText* findIniValueEx(int32_t section, std::string_view key);

// ---- Reading a file's lines without the tables ------------------------------
// For readers that want a few keys of many sections of a large file (a game's
// score sections): the lines the tables are built from, passed one by one, in
// file order, so that nothing is stored that the reader does not keep.

// A section line ("[" in column 1; the name up to the first "]", or empty when
// there is none) or a key line (a "=" in it; the key before the first "=", the
// value after it, neither trimmed). Other lines are not passed.
struct IniLine {
    bool section;
    std::string_view name;  // the section's name or the key
    std::string_view value; // a key's value
};

// Passes the section and key lines of an INI file's bytes to visit(const
// IniLine&). A line with bytes above 0x7F is first decoded from code page
// 932 by decode(std::string_view), which returns the decoded text and keeps
// it as long as the caller needs the views; other lines are views into
// bytes (code page 932 reads ASCII as it is). A UTF-8 byte-order mark at
// the start of a file is skipped. False at a key line that comes before any
// section: the file is not an INI file; unless `before` is Skip, when such
// lines are passed over. `inSection` says that the bytes go on from a
// section line already passed (the rest of a file).
enum class KeysBeforeSections { Fail, Skip };
template <class Decode, class Visit>
bool forEachIniLine(std::string_view bytes, Decode decode, Visit visit,
                    KeysBeforeSections before = KeysBeforeSections::Fail, bool inSection = false) {
    if (!inSection) bytes.remove_prefix(files::byteOrderMarkLength(bytes));
    files::LineSplitter splitter(bytes);
    for (files::LineSplitter::Line at; splitter.next(at);) {
        std::string_view line(bytes.data() + at.begin, at.textEnd - at.begin);
        std::size_t eq = at.eq - at.begin; // line.size() when there is no "="
        if (!at.ascii) {
            // Line breaks are never part of a two-byte character, so a line
            // decoded alone reads as it would in the whole decoded file.
            line = decode(line);
            eq = std::min(line.find('='), line.size());
        }
        // Blank lines (spaces only) hold neither a "[" in column 1 nor a "=".
        if (line.empty()) continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']', 1);
            visit(IniLine{true, close == std::string_view::npos ? line.substr(1, 0) : line.substr(1, close - 1), {}});
            inSection = true;
            continue;
        }
        if (eq == line.size()) continue;
        if (!inSection) {
            if (before == KeysBeforeSections::Skip) continue;
            return false;
        }
        visit(IniLine{false, line.substr(0, eq), line.substr(eq + 1)});
    }
    return true;
}

// How reading a whole file ended. Missing: no regular file at that path,
// known from the failed read itself (no separate look at the disk first).
enum class IniLoad { Loaded, Missing, Failed };

// The file's bytes into `bytes` (its storage reused).
IniLoad readIniBytes(const std::string& file, std::string& bytes);

// Loads a registry file into the tables as gfLoadIniEx does, except that key
// lines before the first section are passed over: a stray line at the top
// of a hand-edited file never hides the whole registry. Failed: the file is
// there but cannot be read.
IniLoad loadRegistryIniEx(const std::string& file);

// Reads `file` into `bytes` and passes its lines to visit as
// forEachIniLine does. Running out of memory is a failure. It touches no
// shared state, so that files can be read on several threads at once.
template <class Decode, class Visit>
IniLoad walkIniFile(const std::string& file, std::string& bytes, Decode decode, Visit visit,
                    KeysBeforeSections before = KeysBeforeSections::Fail) {
    try {
        const IniLoad result = readIniBytes(file, bytes);
        if (result != IniLoad::Loaded || forEachIniLine(bytes, decode, visit, before)) return result;
    } catch (const std::bad_alloc&) {
    }
    return IniLoad::Failed;
}

// What a reader does after a failed load: callers show the hourglass while
// a file loads, and a failure puts the arrow back. A reader that passes over
// absent files does not do it for a missing one.
void showIniLoadFailure();
