#include "core/helpers.h"

#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <tuple>

namespace {

// A birthday not yet reached in the reference year takes one year off
// ("02/29" is after "02/28": born on 29 February, the year counts from 1 March).
int wholeYears(const text::Date& born, const text::Date& at) {
    int years = at.Year - born.Year;
    if (std::tie(born.Month, born.Day) > std::tie(at.Month, at.Day)) --years;
    return years;
}

} // namespace

std::string wholeAgeText(const std::optional<text::Date>& born, const std::optional<text::Date>& at) {
    return born && at ? text::Str(wholeYears(*born, *at)) : "-";
}

std::string gfCalAge(const std::string& birth, const std::string& reference, int16_t fraction) {
    const auto born = text::parseDate(birth);
    const auto at = text::parseDate(reference);
    if (fraction == 0) return wholeAgeText(born, at);
    if (!born || !at) return "-";
    const int years = wholeYears(*born, *at);

    // The part of the running year of age, from the last birthday to the next.
    text::Date start = text::addYears(*born, years);
    text::Date next = text::addYears(start, 1);
    long yearLength = text::daysBetween(start, next);
    long elapsed = text::daysBetween(start, *at);
    return text::FormatRatio(static_cast<long long>(years) * yearLength + elapsed, yearLength, "0.000");
}
