#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/resultRecords.h"
#include "core/resultTexts.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Label.h"

// Cell texts that several game reports print the same way, and the column
// headers and rules that they lay out at run time.

// A new element of a rule array from (x1, y1) to (x2, y2), black and visible.
forms::Line& loadRule(forms::ControlArray<forms::Line>& rules, double x1, double y1, double x2, double y2);
// A new element of a label array at the given place, black, visible.
forms::Label& loadLabel(forms::ControlArray<forms::Label>& labels, double left, double top, double width,
                        const std::string& caption);


// "(67,M)": the player's age at `date` (the game date when not given) and
// the Latin gender mark; "(-,M)" without a birth date, "(,)" for an ID no
// player has.
std::string ageGenderText(int32_t id, const std::string& date);
std::string ageGenderText(int32_t id);


// The width of one of n columns sharing a band, rounded to a whole twip with
// a half to the even neighbour; n of 0 raises the division error.
int32_t columnWidth(int32_t band, int32_t n);

// A hole cell: "①" for a hole in one, the stored count without the blanks
// around it, "-" for a hole without a count.
std::string reportHoleText(std::string_view stored);

// A ranking row's handicap cell: "" when the game has none, "-" without
// strokes; under a per-game handicap the share for the courses played.
std::string rankHandicapText(const typRankRow& row);

