#pragma once
#include <optional>
#include <string>
#include <string_view>

// Dates: the input parser and the display formats, with the Japanese eras
// 明治 M 1868/01/01, 大正 T 1912/07/30, 昭和 S 1926/12/25, 平成 H 1989/01/08,
// 令和 R 2019/05/01.
namespace text {

struct Date {
    int Year = 0, Month = 0, Day = 0;
    auto operator<=>(const Date&) const = default;
};

// Accepts, after trimming: "yyyy/m/d"; "yy/m/d" (00-29 → 20xx, 30-99 → 19xx);
// an era letter M, T, S, H or R (either case) before "y/m/d"; month, day and
// leap years are checked; a trailing time after blanks ("2010/10/10 12:34:56",
// "h:mm" or "h:mm:ss") is ignored, anything else after the date refuses it.
// Era years past an era's end convert leniently ("h40/1/1" is 2028/01/01).
// Only "/" separates the parts.
std::optional<Date> parseDate(std::string_view s);
bool IsDate(std::string_view s);

// Formats: "yyyy/mm/dd", "gee/mm/dd", "ge/m/d", "gggee年m月d日生",
// "ggge年m月d日(aaa)", "ggge年mm月dd日(aaa)", "mm/dd" and their kin:
// yyyy yy mm m dd d; g era letter, gg first kanji, ggg era name; e / ee era
// year; aaa weekday (日月火水木金土). A date before 明治 prints "yyyy/mm/dd".
std::string FormatDate(const Date& d, std::string_view format);
// A text that parses as a date is formatted; any other text is kept as it is.
std::string FormatDateText(std::string_view s, std::string_view format);

// The same month and day n years later; 29 February becomes 28 February in a
// year without it.
Date addYears(const Date& d, int years);
Date addDays(const Date& d, long days);
// Days from a to b (negative when b is earlier).
long daysBetween(const Date& a, const Date& b);
// 0 = Sunday ... 6 = Saturday.
int weekday(const Date& d);
bool isLeapYear(int year);
int daysInMonth(int year, int month);

} // namespace text
