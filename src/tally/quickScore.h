#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "tally/scoreRules.h"

// Quick score strings: one course of `hole` holes as one string of digits,
// hole 1 first. A digit 1 to 9 is one hole of that many strokes; "0" and
// the next two characters are one hole of 10 to 99 ("012" is 12); any other
// character is a hole not entered. Characters count as characters, and only
// "0" to "9" are digits (full-width digits are not).

// Writes holes 1..hole: 1 to 9 as the digit, 10 to 99 as "0" and two
// digits, a hole not entered as a blank; blanks at the end are removed.
// A stored value of 100 or more, which the format cannot carry, is written
// as "0" and all its digits.
std::string pfMakeEasyScore(const HoleList& holes, int16_t hole);

// Reads a quick string (blanks at its end already removed) into holes
// 1..hole, which the caller empties beforehand, and returns the surplus
// after the last hole ("" when there is none). A "0" as the last character
// is dropped; holes the text does not reach keep their texts.
std::string pfParseEasyScore(HoleList& holes, std::string_view text, int16_t hole);

// A quick box tidied when it is left: its text as read and written again,
// and the surplus beyond its holes with the blanks at its end removed.
struct TidiedEasyScore {
    std::string text;
    std::string surplus;
};
TidiedEasyScore tidyEasyScore(std::string_view text, int16_t hole);
