#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The value layer: one value of one INI file per call. Values are at most
// 255 bytes of code page 932; "" when the file, section or key is missing.
std::string gfReadIniFile(const std::string& file, const std::string& section, const std::string& key);
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
// gfLoadIniEx for readers that pass over a file that is not there: Missing
// (no regular file at that path) leaves the tables empty and the pointer as
// it is, without a separate look at the disk first.
enum class IniLoad { Loaded, Missing, Failed };
IniLoad gfLoadIniExWhenPresent(const std::string& file);
std::string gfReadIniEx(const std::string& section, const std::string& key);
void gsClearIniEx();

// gfReadIniEx in two steps, for callers that read several keys of a section:
// the index of the first section of that name (-1 when none), then the value
// of the first key of that name in it (nullptr when none; valid until the
// tables change).
int32_t gfFindIniSectionEx(std::string_view section);
const IniText* gfFindIniValueEx(int32_t section, std::string_view key);
// gfFindIniValueEx of several keys in one walk over the section's keys:
// values[i] for keys[i] (the spans are of one size, the names distinct).
void gfFindIniValuesEx(int32_t section, std::span<const std::string_view> keys, std::span<const IniText*> values);
