#include "tally/scoreRules.h"

#include <algorithm>
#include <cmath>

#include "core/courseRules.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

int32_t handicapBound(int16_t kind, int16_t hole, int16_t round) {
    switch (kind) {
    case 1: return hole * 40;
    case 2: return round * hole * 40;
    default: return 0;
    }
}

namespace {

// The number a text begins with, x 10, cut toward zero; a number beyond any
// double is as far out as a double goes, on its own side.
double tenthsOf(std::string_view text) {
    try {
        return std::trunc(text::Val(text) * 10);
    } catch (const text::RuntimeError&) {
        const auto first = text.find_first_not_of(" \t");
        return first != std::string_view::npos && text[first] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
}

} // namespace

int32_t handicapValue(std::string_view text, int16_t kind, int16_t hole, int16_t round) {
    const double upper = handicapBound(kind, hole, round);
    double tenths = tenthsOf(text);
    if (tenths > upper) tenths = upper;
    if (tenths < -upper) tenths = -upper;
    return static_cast<int32_t>(tenths);
}

ScoreResults scoreResults(const CourseLists& courses, int16_t hole, int16_t round, int16_t kind,
                          int32_t handicap) {
    ScoreResults results;
    const int holes = std::clamp<int>(hole, 0, 18), rounds = std::clamp<int>(round, 0, 10);
    for (int r = 0; r < rounds; ++r) {
        CourseResult& course = results.courses[static_cast<std::size_t>(r)];
        int filled = 0;
        for (int h = 0; h < holes; ++h) {
            const int32_t v = wholeValue(courses[static_cast<std::size_t>(r)][static_cast<std::size_t>(h)]);
            course.strokes += v;
            if (v > 0) ++filled;
        }
        course.complete = course.strokes != 0 && filled == holes;
        if (!course.complete) continue;
        results.total += course.strokes * 10 + (kind == 1 ? handicap : 0);
        ++results.complete;
    }
    if (kind == 2 && results.complete > 0) results.total += gameHandicapShare(handicap, results.complete, round);
    return results;
}

std::string savedHole(std::string_view box) {
    const int32_t v = wholeValue(box);
    return v > 0 ? text::Str(v) : std::string();
}
