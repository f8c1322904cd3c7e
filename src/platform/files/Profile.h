#pragma once
#include <optional>
#include <string>

// Profile-string access to INI text files in code page 932: section and key
// names match without regard to ASCII case, blanks around names and values are
// trimmed, quotes are kept. Reads of an unchanged file reuse its parsed form.
namespace files {

// The value, cut to at most `maxBytes` bytes of code page 932 on a character
// boundary; nullopt when the file, section or key is missing.
std::optional<std::string> getProfileString(const std::string& file, const std::string& section,
                                            const std::string& key, std::size_t maxBytes = 255);

// Writes one value (creating file, section and key as needed and replacing in
// place, every other line kept byte for byte). A null key deletes the whole
// section; a null value deletes the key. Returns false when the file could
// not be written; the old file is then left whole.
bool writeProfileString(const std::string& file, const std::string& section,
                        const std::optional<std::string>& key, const std::optional<std::string>& value);

} // namespace files
