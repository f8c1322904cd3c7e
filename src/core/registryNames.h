#pragma once
#include <cstdint>
#include <string>

// Names in the series and course registries, read where they are shown.

// "Name" of section "Series" & n of the series file, and of "Cource" & n of
// the course file, as the value layer reads it ("" when missing).
std::string seriesName(int32_t n);
std::string courseName(int32_t n);

// True when entry n of a series or course registry is active: its "State"
// reads 0 (missing or empty counts as 0).
bool namedEntryActive(const std::string& file, const std::string& section);
