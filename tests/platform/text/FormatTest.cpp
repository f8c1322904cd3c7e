#include "platform/text/Format.h"
#include "platform/text/RuntimeError.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using text::Format;
using text::FormatRatio;

TEST(Format, MasksRoundTheDecimalValueHalfAwayFromZero) {
    const struct {
        double v;
        const char* mask;
        const char* expected;
    } cases[] = {
        {0.145, "0.00", "0.15"},          // the binary value is a little below .145
        {112.625, "0.00", "112.63"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.5, "0", "1"},
        {-5, "000", "-005"},
        {12345, "000", "12345"},
        {59.5013698, "0.000", "59.501"},
        {1e-9, "0.0", "0.0"},
        {-0.001, "0.00", "0.00"},         // rounds to zero: no "-"
        {-0.0, "0", "0"},
        {9.995, "0.00", "10.00"},         // carry into the whole part
        {99.96, "00.0", "100.0"},
        {1.05, "0.0", "1.1"},
        {4.35, "0.0", "4.4"},
        {7, "0000000", "0000007"},
        {123.4567, "00000.000", "00123.457"},
        {3.14159, "000000.00000000", "000003.14159000"},
        {1234.5, "0000000.00", "0001234.50"},
        {5, "##0", "5"},
        {0, "##0", "0"},
        {1234, "##0", "1234"},
        {1e20, "0", "100000000000000000000"},
        {1.5e-7, "0.000000", "0.000000"},
        {2.5e-7, "0.000000", "0.000000"},
        {5e-7, "0.000000", "0.000001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.v << " " << c.mask);
        EXPECT_EQ(Format(c.v, c.mask), c.expected);
    }
}

TEST(Format, WholeNumbers) {
    EXPECT_EQ(Format(-5, "000"), "-005");
    EXPECT_EQ(Format(int16_t{42}, "00000"), "00042");
    EXPECT_EQ(Format(7LL, "0.0"), "7.0");
    EXPECT_EQ(Format(0L, "0000000000"), "0000000000");
    EXPECT_EQ(Format(std::numeric_limits<long long>::min(), "0"), "-9223372036854775808");
}

TEST(Format, RatiosAreRoundedExactly) {
    const struct {
        long long n, d;
        const char* mask;
        const char* expected;
    } cases[] = {
        {145, 1000, "0.00", "0.15"},
        {-1, 8, "0.00", "-0.13"},
        {1, -8, "0.00", "-0.13"},
        {-1, -8, "0.00", "0.13"},
        {1, 3, "0.000", "0.333"},
        {2, 3, "0.000", "0.667"},
        {-1, 1000, "0.00", "0.00"},
        {45, 10, "0.0", "4.5"},
        {-15, 10, "0.0", "-1.5"},
        {999, 1000, "0.00", "1.00"},
        {7, 2, "0", "4"},
        {-7, 2, "000", "-004"},
        {std::numeric_limits<long long>::max(), 3, "0.0", "3074457345618258602.3"},
        {std::numeric_limits<long long>::min(), -1, "0", "9223372036854775808"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << "/" << c.d << " " << c.mask);
        EXPECT_EQ(FormatRatio(c.n, c.d, c.mask), c.expected);
    }
    try {
        FormatRatio(1, 0, "0.0");
        FAIL() << "no error";
    } catch (const text::RuntimeError& e) {
        EXPECT_EQ(e.Number, text::err::DivisionByZero);
    }
}

TEST(Format, NonFiniteValuesRaiseOverflow) {
    EXPECT_THROW(Format(std::numeric_limits<double>::infinity(), "0"), text::RuntimeError);
    EXPECT_THROW(Format(std::numeric_limits<double>::quiet_NaN(), "0.0"), text::RuntimeError);
}

TEST(Format, TextMaskRightAlignsInCharacters) {
    EXPECT_EQ(text::FormatText("A", "@@"), " A");
    EXPECT_EQ(text::FormatText("ABC", "@@"), "ABC");
    EXPECT_EQ(text::FormatText("あ", "@@"), " あ");
    EXPECT_EQ(text::FormatText("あい", "@@"), "あい");
    EXPECT_EQ(text::FormatText("", "@@"), "  ");
}

} // namespace
