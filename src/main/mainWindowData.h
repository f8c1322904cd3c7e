#pragma once
#include <cstdint>
#include <string>

// Small look-ups the main window's parts share: registry names, remembered
// choices and the game files.

// "Name" of section "Series" & n of the series file, and of "Cource" & n of
// the course file, as the value layer reads it ("" when missing).
std::string gfSeriesName(int32_t n);
std::string gfCourceName(int32_t n);

// True when entry n of a series or course registry is active: its "State"
// reads 0 (missing or empty counts as 0).
bool gfNamedEntryActive(const std::string& file, const std::string& section);

// A remembered choice of [Setup]: -1 when blank, else the number at the start
// of the text, rounded and held within 32 bits (a hand-edited value never
// stops the window).
int32_t gfRememberedChoice(const std::string& key);
// Writes a remembered value of [Setup].
void gsRemember(const std::string& key, const std::string& value);

// The path of a stored game: the games folder and its file name, trimmed.
std::string gfGamePath(const std::string& fileName);
