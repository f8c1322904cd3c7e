#include "core/helpers.h"

#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

#include <tuple>

std::string gfCalAge(const std::string& birth, const std::string& reference, int16_t fraction) {
    auto born = text::parseDate(birth);
    auto at = text::parseDate(reference);
    if (!born || !at) return "-";

    // A birthday not yet reached in the reference year takes one year off
    // ("02/29" is after "02/28": born on 29 February, the year counts from 1 March).
    int years = at->Year - born->Year;
    if (std::tie(born->Month, born->Day) > std::tie(at->Month, at->Day)) --years;
    if (fraction == 0) return text::Str(years);

    // The part of the running year of age, from the last birthday to the next.
    text::Date start = text::addYears(*born, years);
    text::Date next = text::addYears(start, 1);
    long yearLength = text::daysBetween(start, next);
    long elapsed = text::daysBetween(start, *at);
    return text::FormatRatio(static_cast<long long>(years) * yearLength + elapsed, yearLength, "0.000");
}
