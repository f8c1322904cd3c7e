#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/Dates.h"

// Age at a reference date: whole years ("0") or with a fraction ("0.000");
// "-" when either text is not a date.
std::string gfCalAge(const std::string& birth, const std::string& reference, int16_t fraction);
// The whole years between dates read already ("-" when either is none): a
// list reads the game's date once for all its rows.
std::string wholeAgeText(const std::optional<text::Date>& born, const std::optional<text::Date>& at);

// Ascending quicksort of idx[first..last] by the keys they point to, compared
// code unit by code unit. Not stable: every ranking's tie order is the order
// this exact procedure produces.
void csQuickSort_Asc(int32_t first, int32_t last, std::vector<int32_t>& idx,
                     const std::vector<std::string>& keys);

// A value kept in tenths: "4" when whole, else "4.5". Any 64-bit value, so
// that sums of hand-edited strokes show rather than overflow.
std::string gfFormatTenths(long long tenths);

// A stored number field: the number at the start of the text, rounded with
// halves to even and held within the field's range, so a hand-edited value
// never stops a read ("" and non-numbers read as 0).
int16_t fieldValue16(std::string_view s);
int32_t fieldValue32(std::string_view s);

// k of a section named prefix & k, k as the program writes it (plain digits,
// no sign, no leading zero), for k from 1 to highest; 0 for any other name.
inline int32_t sectionNumber(std::string_view name, std::string_view prefix, int32_t highest) {
    constexpr std::size_t kMostDigits = 10;
    if (name.size() <= prefix.size() || name.size() > prefix.size() + kMostDigits || !name.starts_with(prefix) ||
        name[prefix.size()] == '0')
        return 0;
    int64_t k = 0;
    for (char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9') return 0;
        k = k * 10 + (c - '0');
    }
    return k <= highest ? static_cast<int32_t>(k) : 0;
}

// The whole part, cut toward zero; overflow error outside 32 bits.
int32_t gfFix(double v);

// Opens a web address through the installed opener; true only when that failed.
bool gfOpenURL(const std::string& address);
