// The compact text of result rows reads back exactly what it was given.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rowText.h"

namespace {

using namespace std::string_literals;

TEST(RowText, EveryTextReadsBackExactlyAtEveryLength) {
    // Kept in place up to 15 bytes, kept aside from 16 on.
    const std::vector<std::string> texts = {
        "", "A", "2010/04/10", std::string(15, 'x'), std::string(16, 'y'), "a\0b"s, "赤組", "北海道パークゴルフ協会連合",
        std::string(5000, 'z'),
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.size());
        RowText row = text;
        EXPECT_EQ(std::string(row), text);
        EXPECT_EQ(row.empty(), text.empty());
        // A copy is the same text; giving the original another leaves the copy as it was.
        const RowText copy = row;
        row = text.size() > RowText::kInlineSize ? "B" : std::string(40, 'q');
        EXPECT_EQ(copy.view(), text);
        row = copy;
        EXPECT_TRUE(row == text);
    }
}

TEST(RowText, LongTextsThatDifferOnlyLateStayApart) {
    const std::string base(30, 'k');
    const RowText a = base + "1", b = base + "2", again = base + "1";
    EXPECT_EQ(a.view(), base + "1");
    EXPECT_EQ(b.view(), base + "2");
    EXPECT_TRUE(a == again);
    EXPECT_FALSE(a == b);
}

} // namespace
