#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/resultTexts.h"

// What the score entry window works out from its boxes: hole values, the
// handicap and its range, the live results and the texts it saves. Plain
// functions of texts, so the window only shows what they give.

// The texts of holes 1..18 of one course ("" = not entered).
using HoleList = std::array<std::string, 18>;
// One hole list per course, courses 1..10.
using CourseLists = std::array<HoleList, 10>;


// The handicap range in tenths, 4 strokes per hole either way: Hole x 40 for
// handicaps per course (kind 1), Round x Hole x 40 per game (kind 2), 0 for
// any other kind. The range is -bound..bound.
int32_t handicapBound(int16_t kind, int16_t hole, int16_t round);

// The handicap a text stands for, in tenths, held in its range: the number
// it begins with x 10 cut toward zero (1.25 gives 12, no number 0), then
// clamped to the kind's range. Any text, however long its number, gives a
// value in range.
int32_t handicapValue(std::string_view text, int16_t kind, int16_t hole, int16_t round);

// One course's results.
struct CourseResult {
    long long strokes = 0; // every hole's whole value added up; 0 = nothing to show
    bool complete = false; // every hole 1..Hole entered
};

// The results of one player's courses 1..round. A course counts only when it
// is complete: 10 x its strokes, plus the handicap with kind 1; with kind 2
// the game's handicap is spread over the courses in proportion to those
// complete, rounded half to even. `total` is in tenths and means nothing
// while `complete` is 0.
struct ScoreResults {
    std::array<CourseResult, 10> courses{};
    int16_t complete = 0;
    long long total = 0;
};
ScoreResults scoreResults(const CourseLists& courses, int16_t hole, int16_t round, int16_t kind,
                          int32_t handicap);

// The text a hole box is saved as: its whole value in plain digits when
// above 0 ("07" gives "7"), else "" ("0", "00", blank, letters).
std::string savedHole(std::string_view box);
