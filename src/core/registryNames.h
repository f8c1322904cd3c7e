#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Names in the series and course registries, read where they are shown.

// "Name" of section "Series" & n of the series file, and of "Cource" & n of
// the course file, as the value layer reads it ("" when missing).
std::string seriesName(int32_t n);
std::string courseName(int32_t n);

// True when entry n of a series or course registry is active: its "State"
// reads 0 (missing or empty counts as 0).
bool namedEntryActive(const std::string& file, const std::string& section);

// An active entry of the series or course registry.
struct RegistryEntry {
    int32_t number = 0;
    std::string name;
};

struct RegistryFile;

// The active entries of the series or course registry, in number order up to
// the highest number it uses.
std::vector<RegistryEntry> activeNamedEntries(const RegistryFile& registry);
