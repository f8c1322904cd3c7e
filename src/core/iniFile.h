#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The value layer: one value of one INI file per call. Values are at most
// 255 bytes of code page 932; "" when the file, section or key is missing.
std::string gfReadIniFile(const std::string& file, const std::string& section, const std::string& key);
// Creates file, section and key as needed. With no key and no value at all
// (std::nullopt, not ""), deletes the whole section. Nonzero = written.
int32_t gfWriteIniFile(const std::string& file, const std::string& section,
                       const std::optional<std::string>& key, const std::optional<std::string>& value);

// The in-memory reader: one whole file at a time, exact (case-sensitive,
// untrimmed) look-ups. gfLoadIniEx returns true when loading failed.
bool gfLoadIniEx(const std::string& file);
std::string gfReadIniEx(const std::string& section, const std::string& key);
void gsClearIniEx();
