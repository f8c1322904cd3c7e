#include "core/iniFile.h"
#include "platform/text/Cp932.h"
#include "platform/files/FileOps.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using testsupport::readBytes;
using testsupport::TempHome;
using testsupport::writeBytes;

namespace {

struct ValueLayer : ::testing::Test {
    TempHome home;
    std::string ini = home.file("Lumora.ini");
    void TearDown() override { files::fault::clear(); }
};

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int k = 0; k < n; ++k) out += s;
    return out;
}

} // namespace

TEST_F(ValueLayer, ReadsEmptyForWhatIsMissingAndCutsAt255Bytes) {
    EXPECT_EQ(gfReadIniFile(ini, "Setup", "Hole"), "");
    ASSERT_NE(gfWriteIniFile(ini, "Setup", "Hole", "8"), 0);
    ASSERT_NE(gfWriteIniFile(ini, "Setup", "Blank", ""), 0);
    ASSERT_NE(gfWriteIniFile(ini, "Setup", "Long", std::string(300, 'a')), 0);
    // "亜" takes two bytes: 127 of them are 254 bytes, so the 255th byte
    // would be the first half of the 128th.
    ASSERT_NE(gfWriteIniFile(ini, "Setup", "Kanji", repeat("亜", 200)), 0);
    ASSERT_NE(gfWriteIniFile(ini, "Setup", "Mixed", "x" + repeat("亜", 200)), 0);
    struct Case {
        std::string section, key, value;
    } cases[] = {
        {"Setup", "Hole", "8"},       {"setup", "HOLE", "8"},         {"Setup", "Missing", ""},
        {"Nothing", "Hole", ""},      {"Setup", "Blank", ""},         {"Setup", "Long", std::string(255, 'a')},
        {"Setup", "Kanji", repeat("亜", 127)}, {"Setup", "Mixed", "x" + repeat("亜", 127)},
    };
    for (const auto& c : cases) EXPECT_EQ(gfReadIniFile(ini, c.section, c.key), c.value) << c.key;
}

TEST_F(ValueLayer, StopsAtANulInTheFile) {
    writeBytes(ini, std::string("[S]\r\nK=ab\0cd\r\n", 14));
    EXPECT_EQ(gfReadIniFile(ini, "S", "K"), "ab");
}

TEST_F(ValueLayer, NoKeyAndNoValueDeletesTheSection) {
    writeBytes(ini, "[Score]\r\nA=1\r\n[Setup]\r\nHole=8\r\n");
    EXPECT_NE(gfWriteIniFile(ini, "Score", std::nullopt, std::nullopt), 0);
    EXPECT_EQ(readBytes(ini), "[Setup]\r\nHole=8\r\n");
    EXPECT_EQ(gfReadIniFile(ini, "Score", "A"), "");
}

TEST_F(ValueLayer, AWriteThatFailsPartWayReturnsZeroAndKeepsTheOldFile) {
    const std::string before = "[Setup]\r\nHole=8\r\nRound=3\r\n";
    writeBytes(ini, before);
    files::fault::arm(files::fault::Kind::WriteAfterBytes, 12);
    EXPECT_EQ(gfWriteIniFile(ini, "Setup", "Hole", "9"), 0);
    EXPECT_EQ(readBytes(ini), before);
    EXPECT_EQ(gfReadIniFile(ini, "Setup", "Hole"), "8");
}

TEST_F(ValueLayer, ManyReadsOfAnUnchangedFileAndAnOutsideRewrite) {
    ASSERT_NE(gfWriteIniFile(ini, "Setup", "Hole", "8"), 0);
    for (int k = 0; k < 100; ++k) ASSERT_EQ(gfReadIniFile(ini, "Setup", "Hole"), "8");
    files::writeFileAtomic(ini, "[Setup]\r\nHole=12\r\n");
    EXPECT_EQ(gfReadIniFile(ini, "Setup", "Hole"), "12");
}

// The in-memory reader.
namespace {

struct Loader : ::testing::Test {
    TempHome home;
    std::string path = home.file("game.lmg");
    bool load(const std::string& bytes) {
        writeBytes(path, bytes);
        return gfLoadIniEx(path);
    }
    void TearDown() override { gsClearIniEx(); }
};

} // namespace

TEST_F(Loader, LooksUpExactlyAndTheFirstNameWins) {
    ASSERT_FALSE(load("[Score1]\r\n"
                      "IDNo=7\r\n"
                      "Holes=3,4,\r\n"
                      "  [Score1]\r\n"
                      "Dup=1\r\n"
                      "Dup=2\r\n"
                      " IDNo=5\r\n"
                      "Pad=5 \r\n"
                      "Eq=b=c\r\n"
                      "[score1]\r\n"
                      "Lower=1\r\n"
                      "[Score1]\r\n"
                      "IDNo=9\r\n"
                      "Late=x\r\n"
                      "[]\r\n"
                      "Empty=1\r\n"
                      "[abc\r\n"
                      "Open=2\r\n"
                      "[Name]ignored=text\r\n"
                      "N=3\r\n"));
    struct Case {
        std::string section, key, value;
    } cases[] = {
        {"Score1", "IDNo", "7"},  {"Score1", "Holes", "3,4,"}, {"Score1", "Dup", "1"},
        {"Score1", " IDNo", "5"}, {"Score1", "Pad", "5 "},      {"Score1", "Pad ", ""},
        {"Score1", "Eq", "b=c"},  {"score1", "Lower", "1"},     {"Score1", "Lower", ""},
        {"Score1", "Late", ""},   {"", "Empty", "1"},           {"", "Open", ""},
        {"Name", "N", "3"},       {"Score1", "idno", ""},       {"Nothing", "IDNo", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(gfReadIniEx(c.section, c.key), c.value) << c.section << "/" << c.key;
    // Sections in file order, each key counted in the section above it.
    ASSERT_EQ(mlngIniSectionsMax, 5);
    ASSERT_EQ(mlngIniKeysMax, 12);
    const int32_t firstKeys[] = {0, 7, 8, 10, 11, 12};
    const int32_t keyCounts[] = {7, 1, 2, 1, 1, 1};
    for (int s = 0; s <= mlngIniSectionsMax; ++s) {
        EXPECT_EQ(mtypIniSections[s].FirstKey, firstKeys[s]) << s;
        EXPECT_EQ(mtypIniSections[s].KeyCount, keyCounts[s]) << s;
    }
    EXPECT_EQ(mtypIniSections[4].Name, "");
    EXPECT_EQ(mtypIniKeys[2].Key, "Dup");
    EXPECT_EQ(mtypIniKeys[2].Value, "1");
}

TEST_F(Loader, EmptyAndBlankFilesLoadWithEmptyTables) {
    for (const std::string bytes : {"", "  \r\n\r\n   \n"}) {
        EXPECT_FALSE(load(bytes));
        EXPECT_EQ(mlngIniSectionsMax, -1);
        EXPECT_EQ(mlngIniKeysMax, -1);
        EXPECT_EQ(gfReadIniEx("", ""), "");
    }
}

TEST_F(Loader, FailsOnAMissingFileOrAKeyBeforeAnySection) {
    forms::doubles::TestDesktop desk;
    forms::Screen::setMousePointer(forms::vbHourglass);
    ASSERT_FALSE(load("[A]\r\nK=1\r\n"));
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbHourglass); // the caller puts it back
    forms::Screen::setMousePointer(forms::vbHourglass);
    EXPECT_TRUE(gfLoadIniEx(home.file("missing.lmg")));
    EXPECT_EQ(mlngIniSectionsMax, -1); // the earlier load is gone
    EXPECT_EQ(gfReadIniEx("A", "K"), "");
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
    EXPECT_TRUE(desk.messages().empty());

    EXPECT_TRUE(load("\r\n  \r\nnot a key\r\nX=1\r\n[A]\r\nK=1\r\n"));
    EXPECT_EQ(mlngIniSectionsMax, -1);
    EXPECT_EQ(mlngIniKeysMax, -1);
}

TEST_F(Loader, AWalkPassesSectionAndKeyLinesAndTouchesNothingShared) {
    forms::doubles::TestDesktop desk;
    forms::Screen::setMousePointer(forms::vbHourglass);
    std::string bytes;
    std::vector<std::string> seen, decoded;
    const auto decode = [&decoded](std::string_view line) {
        return std::string_view(decoded.emplace_back(text::decode932(line)));
    };
    const auto visit = [&seen](const IniLine& line) {
        seen.push_back((line.section ? "[" : "") + std::string(line.name) + (line.section ? "]" : "=") +
                       std::string(line.value));
    };
    const auto walk = [&](const std::string& file) {
        seen.clear();
        decoded.clear();
        return walkIniFile(file, bytes, decode, visit);
    };

    EXPECT_EQ(walk(home.file("missing.lmg")), IniLoad::Missing);
    EXPECT_EQ(walk(home.file("")), IniLoad::Missing); // the folder
    // Only what the tables would hold is passed; only lines with bytes above
    // 0x7F are decoded, each on its own.
    writeBytes(path, "\r\n[A] x\r\nnot a key\r\nK= 1 \r\n[\x8C\x8E]\r\n\x93\xFA=\x8C\x8E\r\n[Open\r\nE=\r\n");
    EXPECT_EQ(walk(path), IniLoad::Loaded);
    EXPECT_EQ(seen, (std::vector<std::string>{"[A]", "K= 1 ", "[月]", "日=月", "[]", "E="}));
    EXPECT_EQ(decoded.size(), 2U);
    // A key before any section makes it a failure.
    writeBytes(path, "\r\nnot a key\r\nX=1\r\n[A]\r\n");
    EXPECT_EQ(walk(path), IniLoad::Failed);
    EXPECT_TRUE(seen.empty());

    // The walk neither shows anything nor fills the tables.
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbHourglass);
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_EQ(mlngIniSectionsMax, -1);
}

TEST_F(Loader, ReadsCodePage932AndEveryKindOfLineEnd) {
    // "ー" (0x81 0x5B) has "[" as its trail byte, "‐" (0x81 0x5D) "]";
    // "～" is 0x81 0x60; 0x81 before a line break does not decode.
    const std::string choon = "\x81\x5B", wave = "\x81\x60", hyphen = "\x81\x5D";
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        ASSERT_FALSE(load("[" + choon + "1]" + eol + "V=" + choon + wave + "]" + eol + "Bad=a\x81" + eol +
                          "[B]" + eol + "K=2" + eol + "[" + hyphen + "]" + eol + hyphen + "=" + hyphen))
            << eol.size();
        EXPECT_EQ(gfReadIniEx("ー1", "V"), "ー～]");
        EXPECT_EQ(gfReadIniEx("ー1", "Bad"), "a\uFFFD");
        EXPECT_EQ(gfReadIniEx("B", "K"), "2");
        EXPECT_EQ(gfReadIniEx("‐", "‐"), "‐");
        EXPECT_EQ(mlngIniKeysMax, 3);
    }
}

TEST_F(Loader, HasNoLengthLimitAndClearsOnRequest) {
    const std::string holes = repeat("4,", 180);
    ASSERT_FALSE(load("[Score1]\r\nHoles=" + holes + "\r\n"));
    EXPECT_EQ(gfReadIniEx("Score1", "Holes"), holes);
    gsClearIniEx();
    EXPECT_EQ(mlngIniSectionsMax, -1);
    EXPECT_EQ(mlngIniKeysMax, -1);
    EXPECT_EQ(gfReadIniEx("Score1", "Holes"), "");
    // A new load replaces the old one, look-ups included.
    ASSERT_FALSE(load("[Other]\r\nHoles=1\r\n"));
    EXPECT_EQ(gfReadIniEx("Score1", "Holes"), "");
    EXPECT_EQ(gfReadIniEx("Other", "Holes"), "1");
}

TEST_F(Loader, ManySectionsAnswerInAnyOrderWithTheFirstNameWinning) {
    // Enough sections to be indexed; the last one repeats an earlier name
    // and is read right after the section before it, as readers go in file order.
    auto name = [](int s) { return std::string(1, 'S') += std::to_string(s); };
    std::string bytes;
    for (int s = 0; s < 20; ++s) bytes.append("[").append(name(s)).append("]\r\nV=").append(std::to_string(s)).append("\r\n");
    for (const bool repeated : {false, true}) {
        ASSERT_FALSE(load(bytes + (repeated ? "[S5]\r\nV=late\r\n" : "")));
        for (int s = 0; s < 20; ++s) EXPECT_EQ(gfReadIniEx(name(s), "V"), std::to_string(s)) << s;
        EXPECT_EQ(findIniSectionEx("S5"), 5) << repeated;
        EXPECT_EQ(gfReadIniEx("S5", "V"), "5");
        EXPECT_EQ(findIniSectionEx("S20"), -1);
        EXPECT_EQ(gfReadIniEx("S12", "V"), "12");
        const IniText* value = findIniValueEx(findIniSectionEx("S13"), "V");
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(*value, "13");
        EXPECT_EQ(findIniValueEx(findIniSectionEx("S13"), "W"), nullptr);
    }
}
