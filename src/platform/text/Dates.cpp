#include "platform/text/Dates.h"

#include "platform/text/Strings.h"

#include <array>
#include <charconv>

namespace text {

namespace {

struct Era {
    char letter;
    const char* name; // the first character is the one-kanji form
    Date start;
};

constexpr std::array<Era, 5> Eras{{
    {'M', "明治", {1868, 1, 1}},
    {'T', "大正", {1912, 7, 30}},
    {'S', "昭和", {1926, 12, 25}},
    {'H', "平成", {1989, 1, 8}},
    {'R', "令和", {2019, 5, 1}},
}};

constexpr std::array<const char*, 7> WeekdayNames{"日", "月", "火", "水", "木", "金", "土"};

// Days since 1970/01/01 in the proleptic Gregorian calendar.
long daysFromCivil(int y, int m, int d) {
    const long year = m <= 2 ? y - 1 : y;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yoe = year - era * 400;
    const long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date civilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), m, d};
}

long dayNumber(const Date& d) { return daysFromCivil(d.Year, d.Month, d.Day); }

const Era* eraByLetter(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const Era& e : Eras)
        if (e.letter == c) return &e;
    return nullptr;
}

// The latest era that has begun on d; nullptr before 明治.
const Era* eraOf(const Date& d) {
    const Era* found = nullptr;
    for (const Era& e : Eras)
        if (e.start <= d) found = &e;
    return found;
}

// Reads 1 to maxDigits ASCII digits at s[i]; nullopt when there are none or more.
std::optional<int> readNumber(std::string_view s, std::size_t& i, std::size_t maxDigits) {
    const std::size_t begin = i;
    int v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        v = v * 10 + (s[i] - '0');
        if (++i - begin > maxDigits) return std::nullopt;
    }
    if (i == begin) return std::nullopt;
    return v;
}

// "h:mm" or "h:mm:ss" with a valid time of day.
bool isTime(std::string_view s) {
    std::size_t i = 0;
    const auto h = readNumber(s, i, 2);
    if (!h || *h > 23 || i >= s.size() || s[i++] != ':') return false;
    const auto m = readNumber(s, i, 2);
    if (!m || *m > 59) return false;
    if (i == s.size()) return true;
    if (s[i++] != ':') return false;
    const auto sec = readNumber(s, i, 2);
    return sec && *sec <= 59 && i == s.size();
}

// Appends v with zeros in front up to `width` characters.
void appendPadded(std::string& out, int v, std::size_t width) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    if (length < width) out.append(width - length, '0');
    out.append(digits, length);
}

} // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> Days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : Days[static_cast<std::size_t>(month - 1)];
}

std::optional<Date> parseDate(std::string_view input) {
    std::string_view s = TrimmedView(input);
    if (const auto blank = s.find(' '); blank != std::string_view::npos) {
        const std::string time = LTrim(s.substr(blank));
        if (!isTime(time)) return std::nullopt;
        s = s.substr(0, blank);
    }
    std::size_t i = 0;
    const Era* era = nullptr;
    if (!s.empty() && !(s[0] >= '0' && s[0] <= '9')) {
        era = eraByLetter(s[0]);
        if (!era) return std::nullopt;
        i = 1;
    }
    const std::size_t yearBegin = i;
    // An era year may run to four digits: late dates are written so ("R100/1/1").
    const auto y = readNumber(s, i, 4);
    const std::size_t yearDigits = i - yearBegin;
    if (!y || i >= s.size() || s[i++] != '/') return std::nullopt;
    const auto m = readNumber(s, i, 2);
    if (!m || i >= s.size() || s[i++] != '/') return std::nullopt;
    const auto d = readNumber(s, i, 2);
    if (!d || i != s.size()) return std::nullopt;

    int year = *y;
    if (era) {
        if (year < 1) return std::nullopt;
        year += era->start.Year - 1; // past the era's end: counted on all the same
    } else if (yearDigits <= 2) {
        year += year < 30 ? 2000 : 1900;
    }
    if (year < 1 || year > 9999 || *m < 1 || *m > 12 || *d < 1 || *d > daysInMonth(year, *m)) return std::nullopt;
    return Date{year, *m, *d};
}

bool IsDate(std::string_view s) { return parseDate(s).has_value(); }

std::string FormatDate(const Date& d, std::string_view format) {
    const Era* era = eraOf(d);
    if (!era && format.find_first_of("ge") != std::string_view::npos) return FormatDate(d, "yyyy/mm/dd");
    const int eraYear = era ? d.Year - era->start.Year + 1 : 0;
    std::string out;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        std::size_t n = 1;
        while (i + n < format.size() && format[i + n] == c) ++n;
        switch (c) {
        case 'y': appendPadded(out, n >= 3 ? d.Year : d.Year % 100, n >= 3 ? 4 : 2); break;
        case 'm': appendPadded(out, d.Month, n >= 2 ? 2 : 1); break;
        case 'd': appendPadded(out, d.Day, n >= 2 ? 2 : 1); break;
        case 'e': appendPadded(out, eraYear, n >= 2 ? 2 : 1); break;
        case 'g':
            if (n == 1)
                out += era->letter;
            else if (n == 2)
                out += Left(era->name, 1);
            else
                out += era->name;
            break;
        case 'a': out += WeekdayNames[static_cast<std::size_t>(weekday(d))]; break;
        default: out.append(format.substr(i, n)); break;
        }
        i += n;
    }
    return out;
}

std::string FormatDateText(std::string_view s, std::string_view format) {
    const auto d = parseDate(s);
    return d ? FormatDate(*d, format) : std::string(s);
}

Date addYears(const Date& d, int years) {
    Date r{d.Year + years, d.Month, d.Day};
    if (r.Month == 2 && r.Day == 29 && !isLeapYear(r.Year)) r.Day = 28;
    return r;
}

Date addDays(const Date& d, long days) { return civilFromDays(dayNumber(d) + days); }

long daysBetween(const Date& a, const Date& b) { return dayNumber(b) - dayNumber(a); }

int weekday(const Date& d) {
    const long w = (dayNumber(d) + 4) % 7; // 1970/01/01 was a Thursday
    return static_cast<int>(w < 0 ? w + 7 : w);
}

} // namespace text
