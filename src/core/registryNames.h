#pragma once
#include <cstdint>
#include <string>

// Names in the series and course registries, read where they are shown.

// "Name" of section "Series" & n of the series file, and of "Cource" & n of
// the course file, as the value layer reads it ("" when missing).
std::string gfSeriesName(int32_t n);
std::string gfCourceName(int32_t n);

// True when entry n of a series or course registry is active: its "State"
// reads 0 (missing or empty counts as 0).
bool gfNamedEntryActive(const std::string& file, const std::string& section);
