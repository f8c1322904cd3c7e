#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The texts and choices of the game header dialog, apart from any window.

// The holes per course it offers, 9 to 12 in order. A change of a stored
// game keeps the game's own count (1 to 18) among them in its place, so that
// an untouched OK never rewrites the holes.
std::vector<int16_t> holeChoices(int16_t storedHoles, bool keepStored);

// A holes item, the number right-aligned in three places: "  9 ﾎｰﾙ".
std::string holeItemText(int16_t holes);
// A courses item likewise: "  4", " 10".
std::string roundItemText(int16_t courses);
// The holes of the whole game: "36H".
std::string totalHolesText(int16_t holes, int16_t courses);

// The four presets of the course names: their captions, and the name each
// gives course box i (0 to 9): "A".."J", "1".."10", "C1".."C10", "R1".."R10".
std::string coursePresetCaption(int preset);
std::string presetCourseName(int preset, int i);
