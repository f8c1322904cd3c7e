#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

namespace {

using namespace text;

int errorOf(auto&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.Number;
    }
    return 0;
}

TEST(Numbers, ValReadsTheNumberAtTheStart) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1 2", 1},     {" -3.5e1x", -35}, {"", 0},       {"abc", 0},     {"  42", 42},
        {"+7", 7},      {".5", 0.5},       {"5.", 5},     {"-", 0},       {".", 0},
        {"1e", 1},      {"1e+", 1},        {"2E2", 200},  {"12abc", 12},  {"1,5", 1},
        {"&H10", 0},    {"１２", 0},       {"- 1", 0},    {"1e-999", 0},  {"0.1", 0.1},
        {"\t8", 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Val(c.text), c.value);
    }
    EXPECT_EQ(errorOf([] { Val("1e999"); }), err::Overflow);
}

TEST(Numbers, WholeNumbersRoundHalvesToEven) {
    const struct {
        double v;
        int expected;
    } cases[] = {{2.5, 2},   {3.5, 4},   {-2.5, -2}, {-3.5, -4}, {0.5, 0},
                 {1.5, 2},   {2.4999, 2}, {2.5001, 3}, {-0.4, 0}, {32767.4, 32767},
                 {-32768.5, -32768}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(CInt(c.v), c.expected);
        EXPECT_EQ(CLng(c.v), c.expected);
    }
    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_EQ(CLng(-2147483648.5), -2147483647 - 1);
}

TEST(Numbers, OutOfRangeRaisesOverflow) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {32767.5, -32768.6, 40000.0, nan, inf, -inf})
        EXPECT_EQ(errorOf([v] { CInt(v); }), err::Overflow) << v;
    for (double v : {2147483647.5, -2147483648.6, 1e10, nan, inf})
        EXPECT_EQ(errorOf([v] { CLng(v); }), err::Overflow) << v;
    for (double v : {3e9, -2147483649.0, nan, -inf})
        EXPECT_EQ(errorOf([v] { Fix(v); }), err::Overflow) << v;
}

TEST(Numbers, FixCutsTowardZero) {
    EXPECT_EQ(Fix(2.9), 2);
    EXPECT_EQ(Fix(-2.9), -2);
    EXPECT_EQ(Fix(-0.5), 0);
    EXPECT_EQ(Fix(2147483647.9), 2147483647);
    EXPECT_EQ(Fix(-2147483648.9), -2147483647 - 1);
}

TEST(Numbers, StoredNumbersReadAndWriteAsPlainDigits) {
    EXPECT_EQ(readInt16(""), 0);
    EXPECT_EQ(readInt16("-1"), -1);
    EXPECT_EQ(readInt16("32767"), 32767);
    EXPECT_EQ(readInt16("12.5"), 12);
    EXPECT_EQ(errorOf([] { readInt16("32768"); }), err::Overflow);
    // Plain digits and what only looks plain read as the general reader does.
    const std::pair<std::string_view, int32_t> int32Cases[] = {
        {"70000 ", 70000}, {"-15", -15}, {"007", 7}, {"-0", 0}, {"999999999", 999999999},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"-", 0}, {"", 0}, {" 5", 5}, {"5-", 5}, {"1,5", 1}};
    for (const auto& [textIn, expected] : int32Cases) EXPECT_EQ(readInt32(textIn), expected) << textIn;
    EXPECT_EQ(errorOf([] { readInt32("9999999999"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { readInt32("2147483648"); }), err::Overflow);
    EXPECT_EQ(Str(-1), "-1");
    EXPECT_EQ(Str(0), "0");
    EXPECT_EQ(Str(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

} // namespace
