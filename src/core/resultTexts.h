#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/gameRecords.h"
#include "platform/text/Dates.h"

// Cell texts that the tally's lists and the printed reports show the same
// way.

// The whole value of a hole text: the number it begins with, rounded half to
// even, as the core reads strokes. A text too large to convert reads 0 (not
// entered), so a hand-edited file never stops a window or a report. A hole
// counts as entered when its value is above 0.
int32_t wholeValue(std::string_view text);

// A hole's cell: "①" for a hole played in one stroke, the stored text for
// more strokes, "-" for a hole without a count.
std::string holeCellText(std::string_view stored, int32_t value);
inline std::string holeCellText(std::string_view stored) { return holeCellText(stored, wholeValue(stored)); }

// A whole number; "-" for 0.
std::string numberOrDash(long long value);

// Strokes per complete course, handicap included: total (in tenths) /
// (rounds x 10) under `mask`; "-" without a complete course.
std::string courseAverageText(long long total, long long rounds, const char* mask);

// The player's date of birth under the game's birthday rule as "S25/03/12"
// ("" when the registry has none); "-" on every row without the rule.
std::string birthdayText(const typGameInfo& game, int32_t id);
// The same for a date of birth read already (playerBirthDate).
std::string birthdayText(const typGameInfo& game, const std::optional<text::Date>& birthday);
