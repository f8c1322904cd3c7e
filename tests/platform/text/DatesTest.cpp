#include "platform/text/Dates.h"

#include <gtest/gtest.h>

namespace {

using text::Date;
using text::FormatDate;
using text::parseDate;

TEST(Dates, ParserAcceptsWesternShortAndEraForms) {
    const struct {
        const char* text;
        Date date;
    } cases[] = {
        {"2010/10/10", {2010, 10, 10}},
        {"2010/1/5", {2010, 1, 5}},
        {"  2008/02/29  ", {2008, 2, 29}},
        {"40/1/20", {1940, 1, 20}},
        {"29/1/1", {2029, 1, 1}},
        {"30/1/1", {1930, 1, 1}},
        {"00/12/31", {2000, 12, 31}},
        {"s15/12/3", {1940, 12, 3}},
        {"S64/01/07", {1989, 1, 7}},
        {"H1/1/8", {1989, 1, 8}},
        {"h40/1/1", {2028, 1, 1}},       // past the era's end: counted on
        {"R7/6/1", {2025, 6, 1}},
        {"m45/7/29", {1912, 7, 29}},
        {"T1/7/30", {1912, 7, 30}},
        {"2010/10/10 12:34:56", {2010, 10, 10}},
        {"2010/10/10  9:05", {2010, 10, 10}},
        {"1/1/1", {2001, 1, 1}},
        {"0001/01/01", {1, 1, 1}},
        {"9999/12/31", {9999, 12, 31}},
        {"R100/1/1", {2118, 1, 1}},      // the era form the formatter writes for late dates
        {"r7981/12/31", {9999, 12, 31}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto d = parseDate(c.text);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(*d, c.date);
    }
}

TEST(Dates, ParserRefusesWhatIsNotADate) {
    for (const char* s : {"", "abc", "2009/02/29", "1900/02/29", "2010/13/01", "2010/04/31", "2010/0/1",
                          "2010/1/0", "2010/10", "2010-10-10", "2010/10/10/1", "X1/1/1", "H0/1/1",
                          "0000/1/1", "20100/1/1", "2010/10/10 abc", "2010/10/10 25:00", "2010/10/10 1:60",
                          "2010/10/10x", "/1/1", "2010//1", "H/1/1", "　2010/1/1", "２０１０/1/1",
                          "R7982/1/1", "R10000/1/1"}) {
        SCOPED_TRACE(s);
        EXPECT_FALSE(parseDate(s).has_value());
        EXPECT_FALSE(text::IsDate(s));
    }
    EXPECT_TRUE(text::IsDate("2000/02/29"));
}

TEST(Dates, EraFormatsChangeOnTheFirstDayOfTheEra) {
    const struct {
        Date date;
        const char* format;
        const char* expected;
    } cases[] = {
        {{1989, 1, 7}, "gee/mm/dd", "S64/01/07"},
        {{1989, 1, 8}, "gee/mm/dd", "H01/01/08"},
        {{1989, 1, 8}, "ge/m/d", "H1/1/8"},
        {{2019, 4, 30}, "gee/mm/dd", "H31/04/30"},
        {{2019, 5, 1}, "ge/m/d", "R1/5/1"},
        {{2025, 6, 1}, "gee/mm/dd", "R07/06/01"},
        {{1940, 12, 3}, "ge/m/d", "S15/12/3"},
        {{1926, 12, 24}, "ge/m/d", "T15/12/24"},
        {{1926, 12, 25}, "ge/m/d", "S1/12/25"},
        {{1912, 7, 29}, "gge年", "明45年"},
        {{1868, 1, 1}, "gee/mm/dd", "M01/01/01"},
        {{1867, 12, 31}, "gee/mm/dd", "1867/12/31"},
        {{1850, 1, 1}, "ggge年m月d日(aaa)", "1850/01/01"},
        {{2010, 10, 10}, "ggge年m月d日(aaa)", "平成22年10月10日(日)"},
        {{2010, 10, 5}, "ggge年mm月dd日(aaa)", "平成22年10月05日(火)"},
        {{1989, 1, 8}, "gggee年m月d日生", "平成01年1月8日生"},
        {{2019, 5, 1}, "ggge年m月d日", "令和1年5月1日"},
        {{2010, 1, 5}, "yyyy/mm/dd", "2010/01/05"},
        {{2010, 1, 5}, "mm/dd", "01/05"},
        {{2010, 1, 5}, "yyyy年m月d日", "2010年1月5日"},
        {{2009, 12, 5}, "yy/m/d", "09/12/5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FormatDate(c.date, c.format), c.expected);
    }
}

TEST(Dates, FormatDateTextKeepsTextThatIsNotADate) {
    EXPECT_EQ(text::FormatDateText("h22/10/10", "yyyy/mm/dd"), "2010/10/10");
    EXPECT_EQ(text::FormatDateText(" 2010/10/10 ", "ggge年m月d日(aaa)"), "平成22年10月10日(日)");
    EXPECT_EQ(text::FormatDateText("未定", "yyyy/mm/dd"), "未定");
    EXPECT_EQ(text::FormatDateText("2010/02/30", "yyyy/mm/dd"), "2010/02/30");
    EXPECT_EQ(text::FormatDateText("", "yyyy/mm/dd"), "");
}

TEST(Dates, Arithmetic) {
    EXPECT_EQ(text::addYears({2000, 2, 29}, 1), (Date{2001, 2, 28}));
    EXPECT_EQ(text::addYears({2000, 2, 29}, 4), (Date{2004, 2, 29}));
    EXPECT_EQ(text::addYears({2009, 6, 15}, -59), (Date{1950, 6, 15}));
    EXPECT_EQ(text::daysBetween({2009, 6, 15}, {2009, 12, 15}), 183);
    EXPECT_EQ(text::daysBetween({2009, 6, 15}, {2010, 6, 15}), 365);
    EXPECT_EQ(text::daysBetween({2008, 2, 1}, {2008, 3, 1}), 29);
    EXPECT_EQ(text::daysBetween({2007, 6, 15}, {2008, 6, 15}), 366);
    EXPECT_EQ(text::daysBetween({2010, 1, 1}, {2009, 12, 31}), -1);
    EXPECT_EQ(text::daysBetween({1, 1, 1}, {9999, 12, 31}), 3652058);
    EXPECT_EQ(text::addDays({2008, 2, 28}, 1), (Date{2008, 2, 29}));
    EXPECT_EQ(text::addDays({2100, 2, 28}, 1), (Date{2100, 3, 1}));
    EXPECT_EQ(text::addDays({2000, 1, 1}, -1), (Date{1999, 12, 31}));
    EXPECT_EQ(text::addDays({1, 1, 1}, 3652058), (Date{9999, 12, 31}));
    EXPECT_EQ(text::weekday({2010, 10, 10}), 0);
    EXPECT_EQ(text::weekday({1, 1, 1}), 1);
    EXPECT_EQ(text::weekday({1989, 1, 8}), 0);
    EXPECT_EQ(text::weekday({2019, 5, 1}), 3);
    EXPECT_TRUE(text::isLeapYear(2000));
    EXPECT_FALSE(text::isLeapYear(1900));
    EXPECT_TRUE(text::isLeapYear(2024));
    EXPECT_EQ(text::daysInMonth(2023, 2), 28);
    EXPECT_EQ(text::daysInMonth(2024, 2), 29);
    EXPECT_EQ(text::daysInMonth(2024, 4), 30);
    EXPECT_EQ(text::daysInMonth(2024, 13), 0);
}

} // namespace
