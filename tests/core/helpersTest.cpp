#include "core/helpers.h"
#include "platform/files/Opener.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/text/Format.h"
#include "platform/text/RuntimeError.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <pthread.h>
#include <numeric>
#include <random>
#include <stdexcept>

TEST(gfCalAge, WholeAndFractionalAges) {
    struct Case {
        std::string birth, reference;
        int16_t fraction;
        std::string age;
    } cases[] = {
        {"1950/06/15", "2009/06/14", 0, "58"},
        {"1950/06/15", "2009/06/15", 0, "59"},
        {"1950/06/15", "2009/12/15", 1, "59.501"}, // 183 of 365 days
        {"1950/06/15", "2009/06/15", 1, "59.000"},
        {" S25/6/15 ", "2009/06/15 10:30:00", 0, "59"},
        {"2000/02/29", "2001/02/28", 0, "0"}, // the new year of age counts from 1 March...
        {"2000/02/29", "2001/02/28", 1, "1.000"}, // ...but 365 days have passed
        {"2000/02/29", "2001/03/01", 0, "1"},
        {"2010/06/15", "2009/06/14", 0, "-2"},
        {"", "2009/06/15", 0, "-"},
        {"", "2009/06/15", 1, "-"},
        {"1950/06/15", "abc", 0, "-"},
        {"1950/06/15", "abc", 1, "-"},
        {"1950/02/30", "2009/06/15", 0, "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gfCalAge(c.birth, c.reference, c.fraction), c.age) << c.birth << " " << c.reference << " " << c.fraction;
}

namespace {

std::vector<int32_t> sorted(const std::vector<std::string>& keys) {
    std::vector<int32_t> idx(keys.size());
    std::iota(idx.begin(), idx.end(), 0);
    csQuickSort_Asc(0, static_cast<int32_t>(keys.size()) - 1, idx, keys);
    return idx;
}

} // namespace

TEST(csQuickSort_Asc, TiesComeOutInTheOrderOfThisExactProcedure) {
    EXPECT_EQ(sorted({"b", "a", "b", "a"}), (std::vector<int32_t>{3, 1, 0, 2}));
    EXPECT_EQ(sorted({"x", "x", "x"}), (std::vector<int32_t>{2, 1, 0}));
    EXPECT_EQ(sorted({"only"}), (std::vector<int32_t>{0}));
    EXPECT_EQ(sorted({}), (std::vector<int32_t>{}));
    // Code unit order, a prefix before the longer text: "a" < "ab" < "b" < "亜" (U+4E9C) < "ｱ" (U+FF71).
    EXPECT_EQ(sorted({"ｱ", "b", "亜", "ab", "a"}), (std::vector<int32_t>{4, 3, 1, 2, 0}));
}

TEST(csQuickSort_Asc, SortsOnlyTheGivenRangeAndLeavesTheKeys) {
    std::vector<std::string> keys = {"d", "c", "b", "a"};
    std::vector<int32_t> idx = {0, 1, 2, 3};
    csQuickSort_Asc(1, 2, idx, keys);
    EXPECT_EQ(idx, (std::vector<int32_t>{0, 2, 1, 3}));
    EXPECT_EQ(keys, (std::vector<std::string>{"d", "c", "b", "a"}));
}

TEST(csQuickSort_Asc, RandomKeysComeOutAscendingAsAPermutation) {
    std::mt19937 gen(20240611);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> keys(std::uniform_int_distribution<int>(1, 60)(gen));
        for (auto& k : keys) k = std::string(std::uniform_int_distribution<int>(0, 3)(gen), 'a' + gen() % 3);
        auto idx = sorted(keys);
        auto seen = idx;
        std::sort(seen.begin(), seen.end());
        std::vector<int32_t> all(keys.size());
        std::iota(all.begin(), all.end(), 0);
        ASSERT_EQ(seen, all);
        for (std::size_t k = 1; k < idx.size(); ++k) ASSERT_LE(keys[idx[k - 1]], keys[idx[k]]) << round;
    }
}

namespace {

// The sort as it reads, one recursive call per part: what every tie order of
// the program is measured against.
void referenceSort(int32_t first, int32_t last, std::vector<int32_t>& idx, const std::vector<std::string>& keys) {
    if (first >= last) return;
    int32_t i = first, j = last;
    const std::string pivot = keys[idx[(first + last) / 2]];
    while (j >= i) {
        while (keys[idx[i]] < pivot && i < last) ++i;
        while (keys[idx[j]] > pivot && j > first) --j;
        if (i <= j) std::swap(idx[i++], idx[j--]);
    }
    if (first < j) referenceSort(first, j, idx, keys);
    if (i < last) referenceSort(i, last, idx, keys);
}

// Keys that rise to the middle and fall again, each twice: "00000", "00000",
// "00001", "00001", ... up and down, the middle pivot's worst case.
std::vector<std::string> organPipe(int n) {
    std::vector<std::string> keys;
    for (int k = 0; k < n; ++k) {
        const int height = k < n / 2 ? k / 2 : (n - 1 - k) / 2;
        keys.push_back(text::Format(height, "00000"));
    }
    return keys;
}

} // namespace

TEST(csQuickSort_Asc, TiesComeOutAsTheSortAsItReadsLeavesThem) {
    std::mt19937 gen(7);
    std::vector<std::vector<std::string>> cases{organPipe(2000), organPipe(2001)};
    for (int round = 0; round < 50; ++round) {
        std::vector<std::string> keys(std::uniform_int_distribution<int>(2, 300)(gen));
        for (auto& k : keys) k = std::to_string(gen() % 20);
        cases.push_back(keys);
    }
    for (const auto& keys : cases) {
        std::vector<int32_t> expected(keys.size());
        std::iota(expected.begin(), expected.end(), 0);
        referenceSort(0, static_cast<int32_t>(keys.size()) - 1, expected, keys);
        ASSERT_EQ(sorted(keys), expected);
    }
}

TEST(csQuickSort_Asc, TwentyThousandOrganPipeKeysSortOnASmallStack) {
    // Depth about n, as a recursion into both parts has on these keys,
    // needs far more than 256 KiB of stack; depth log2(n) needs little.
    EXPECT_EXIT(
        {
            static const std::vector<std::string> keys = organPipe(20000);
            static std::vector<int32_t> idx;
            pthread_attr_t attr;
            pthread_attr_init(&attr);
            pthread_attr_setstacksize(&attr, 256 * 1024);
            pthread_t thread;
            pthread_create(
                &thread, &attr,
                [](void*) -> void* {
                    idx = sorted(keys);
                    return nullptr;
                },
                nullptr);
            pthread_join(thread, nullptr);
            for (std::size_t k = 1; k < idx.size(); ++k)
                if (keys[idx[k - 1]] > keys[idx[k]]) std::exit(1);
            std::exit(idx.size() == keys.size() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(csQuickSort_Asc, AnIndexOutsideTheKeysIsTrappedWithAMessage) {
    forms::doubles::TestDesktop desk;
    // The last entry points outside the keys: the call stops at its first look at it.
    std::vector<std::string> keys = {"b", "a", "c"};
    std::vector<int32_t> idx = {1, 0, 7};
    EXPECT_NO_THROW(csQuickSort_Asc(0, 2, idx, keys));
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "csQuickSort_Asc(): インデックスが有効範囲にありません。");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbCritical);
    EXPECT_EQ(desk.lastMessage().title, "エラー");
    EXPECT_EQ(idx, (std::vector<int32_t>{1, 0, 7}));
}

TEST(gfFormatTenths, WholeValuesWithoutDecimals) {
    struct Case {
        int32_t tenths;
        std::string shown;
    } cases[] = {{0, "0"}, {7, "0.7"}, {-7, "-0.7"}, {-10, "-1"}, {40, "4"}, {45, "4.5"}, {-15, "-1.5"},
                 {2147483647, "214748364.7"}, {-2147483647 - 1, "-214748364.8"}};
    for (const auto& c : cases) EXPECT_EQ(gfFormatTenths(c.tenths), c.shown) << c.tenths;
}

TEST(gfFix, CutsTowardZeroAndRaisesOutsideThirtyTwoBits) {
    EXPECT_EQ(gfFix(2.9), 2);
    EXPECT_EQ(gfFix(-2.9), -2);
    EXPECT_EQ(gfFix(-0.5), 0);
    try {
        gfFix(3e9);
        ADD_FAILURE() << "no overflow";
    } catch (const text::RuntimeError& e) {
        EXPECT_EQ(e.Number, text::err::Overflow);
    }
}

namespace {

struct ScriptedOpener : files::Opener {
    enum { Opens, Fails, Throws } mode = Opens;
    std::string target;
    bool open(const std::string& t) override {
        target = t;
        if (mode == Throws) throw std::runtime_error("no desktop");
        return mode == Opens;
    }
};

} // namespace

TEST(gfOpenURL, TrueOnlyWhenOpeningFailed) {
    ScriptedOpener o;
    files::setOpener(&o);
    EXPECT_FALSE(gfOpenURL("https://example.invalid/lumora"));
    EXPECT_EQ(o.target, "https://example.invalid/lumora");
    o.mode = ScriptedOpener::Fails;
    EXPECT_TRUE(gfOpenURL("https://example.invalid/lumora"));
    o.mode = ScriptedOpener::Throws;
    EXPECT_TRUE(gfOpenURL("https://example.invalid/lumora"));
    files::setOpener(nullptr);
}
