#include "platform/files/FileOps.h"
#include "platform/files/Profile.h"
#include "support/TempHome.h"

#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using files::getProfileString;
using files::writeProfileString;
using testsupport::readBytes;
using testsupport::TempHome;
using testsupport::writeBytes;
using std::nullopt;

namespace {

// "ー" is 0x81 0x5B in code page 932: its trail byte is "[".
const std::string kChoon932 = "\x81\x5B";
// "～" (U+FF5E) is 0x81 0x60.
const std::string kWave932 = "\x81\x60";

// Sets a file's time into the past, as for a file written in an earlier session.
void backdate(const std::string& path, long secondsAgo) {
    timespec times[2] = {{std::time(nullptr) - secondsAgo, 0}, {std::time(nullptr) - secondsAgo, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

timespec modifiedTime(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mtim;
}

void setModifiedTime(const std::string& path, timespec t) {
    timespec times[2] = {t, t};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

struct Profile : ::testing::Test {
    TempHome home;
    std::string ini = home.file("Lumora.ini");
    void TearDown() override { files::fault::clear(); }
};

} // namespace

TEST_F(Profile, ReadsNamesWithoutCaseAndValuesTrimmedWithQuotes) {
    writeBytes(ini,
               "Stray=before any section\r\n"
               "[Setup]\r\n"
               "Hole=8\r\n"
               "  Round  =  3  \r\n"
               "Quoted=\"a b\"\r\n"
               "Empty=\r\n"
               "Dup=1\r\n"
               "Dup=2\r\n"
               "Eq=a=b\r\n"
               "[ setup ]\r\n"
               "Hole=9\r\n"
               "Late=in the second one\r\n");
    struct Case {
        std::string section, key;
        std::optional<std::string> value;
    } cases[] = {
        {"Setup", "Hole", "8"},          {"SETUP", "hOLE", "8"},   {" Setup ", " Round ", "3"},
        {"Setup", "Quoted", "\"a b\""},  {"Setup", "Empty", ""},   {"Setup", "Dup", "1"},
        {"Setup", "Eq", "a=b"},          {"Setup", "Late", nullopt}, {"Setup", "Stray", nullopt},
        {"Setup", "Missing", nullopt},   {"Other", "Hole", nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(getProfileString(ini, c.section, c.key), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(getProfileString(home.file("missing.ini"), "Setup", "Hole"), nullopt);
}

TEST_F(Profile, DecodesCodePage932BeforeLookingForBracketsAndBreaks) {
    // Trail bytes "[" and "]" inside names and values; "～" maps to U+FF5E;
    // an undecodable byte becomes U+FFFD and the rest of the file still reads.
    writeBytes(ini, "[" + kChoon932 + "A]\r\n"
                    "Name=" + kChoon932 + kWave932 + "\r\n"
                    "[B]\n"
                    "Bad=\x81\n"
                    "Next=2\r"
                    "[C]\r"
                    "K=3");
    EXPECT_EQ(getProfileString(ini, "ーA", "Name"), "ー～");
    EXPECT_EQ(getProfileString(ini, "B", "Bad"), "\uFFFD");
    EXPECT_EQ(getProfileString(ini, "B", "Next"), "2");
    EXPECT_EQ(getProfileString(ini, "C", "K"), "3");
}

TEST_F(Profile, CutsLongValuesOnACharacterBoundary) {
    std::string kanji130;
    for (int k = 0; k < 130; ++k) kanji130 += "\x88\x9F"; // 亜
    writeBytes(ini, "[S]\r\nA=" + std::string(300, 'x') + "\r\nEven=x" + kanji130 + "\r\nOdd=" + kanji130 + "\r\n");
    std::string kanji127;
    for (int k = 0; k < 127; ++k) kanji127 += "亜";
    EXPECT_EQ(getProfileString(ini, "S", "A", 255), std::string(255, 'x'));
    EXPECT_EQ(getProfileString(ini, "S", "Even", 255), "x" + kanji127); // 255 bytes exactly
    EXPECT_EQ(getProfileString(ini, "S", "Odd", 255), kanji127);        // byte 255 is a lead byte
    EXPECT_EQ(getProfileString(ini, "S", "Odd", 1000)->size(), 130 * 3u);
}

TEST_F(Profile, CreatesFileSectionAndKey) {
    EXPECT_TRUE(writeProfileString(ini, "Setup", "Hole", "8"));
    EXPECT_EQ(readBytes(ini), "[Setup]\r\nHole=8\r\n");
    EXPECT_TRUE(writeProfileString(ini, "Setup", "Round", "3"));
    EXPECT_TRUE(writeProfileString(ini, "WindowSize", "Main_Top", "-1"));
    EXPECT_EQ(readBytes(ini), "[Setup]\r\nHole=8\r\nRound=3\r\n[WindowSize]\r\nMain_Top=-1\r\n");
    EXPECT_EQ(getProfileString(ini, "setup", "round"), "3");
    EXPECT_FALSE(writeProfileString(home.file("no/folder/x.ini"), "S", "K", "V"));
    // Something that is there but cannot be read as a file is left alone.
    EXPECT_FALSE(writeProfileString(home.path().string(), "S", "K", "V"));
    EXPECT_TRUE(files::folderExists(home.path().string()));
}

TEST_F(Profile, AReplacedValueKeepsItsLineAndEveryOtherByte) {
    // Mixed line ends, odd spacing, a comment, blank lines and a stray byte:
    // all of it must survive a write elsewhere.
    const std::string before = "; kept\n"
                               "[Score]\r\n"
                               "  Keep = me  \r\n"
                               "\xFF odd line\r"
                               "[Setup]\n"
                               " Round = 3 \r\n"
                               "Hole=8\r\n"
                               "\r\n"
                               "[Tail]\r\n"
                               "X=" + kChoon932;
    writeBytes(ini, before);
    EXPECT_TRUE(writeProfileString(ini, "SETUP", "round", "4"));
    std::string expected = before;
    expected.replace(expected.find(" Round = 3 "), 11, " Round =4");
    EXPECT_EQ(readBytes(ini), expected);

    // A new key goes after the section's last line, before its blank lines.
    EXPECT_TRUE(writeProfileString(ini, "Setup", "Keep", "1"));
    std::string withKey = expected;
    withKey.insert(withKey.find("Hole=8\r\n") + 8, "Keep=1\r\n");
    EXPECT_EQ(readBytes(ini), withKey);

    // A new key in a last section without a final line break, then a new section.
    EXPECT_TRUE(writeProfileString(ini, "Tail", "Y", "ー"));
    EXPECT_TRUE(writeProfileString(ini, "New", "Z", "1"));
    EXPECT_EQ(readBytes(ini), withKey + "\r\nY=" + kChoon932 + "\r\n[New]\r\nZ=1\r\n");
    EXPECT_EQ(getProfileString(ini, "Tail", "X"), "ー");
    EXPECT_EQ(getProfileString(ini, "Score", "Keep"), "me");
}

TEST_F(Profile, SeveralValuesGoInOneWriteWhereOneByOneWouldPutThem) {
    const std::string before = "\xEF\xBB\xBF[A]\r\nK=1\r\n\r\n[B]\r\nX=1";
    writeBytes(ini, before);
    EXPECT_EQ(getProfileString(ini, "a", "k"), "1"); // the byte-order mark hides no section
    const std::vector<files::ProfileValue> values = {
        {"A", "K", "2"}, {"B", "Y", "3"}, {"New", "Z", "4"}, {"a", "L", "5"}, {" new ", "W", "6"}, {"A", "k", "7"}};
    files::fault::arm(files::fault::Kind::Rename);
    EXPECT_FALSE(files::writeProfileValues(ini, values));
    EXPECT_EQ(readBytes(ini), before);
    EXPECT_TRUE(files::writeProfileValues(ini, values));
    EXPECT_EQ(readBytes(ini), "\xEF\xBB\xBF[A]\r\nK=7\r\nL=5\r\n\r\n[B]\r\nX=1\r\nY=3\r\n[New]\r\nZ=4\r\nW=6\r\n");
    EXPECT_EQ(getProfileString(ini, "new", "w"), "6");
    // Values that are there already change nothing.
    backdate(ini, 60);
    const auto old = modifiedTime(ini);
    EXPECT_TRUE(files::writeProfileValues(ini, {{"A", "K", "7"}, {"New", "Z", "4"}}));
    EXPECT_EQ(modifiedTime(ini).tv_sec, old.tv_sec);
}

TEST_F(Profile, AnEmptySectionGetsItsKeyRightAfterTheHeader) {
    writeBytes(ini, "[A]\r\n\r\n[B]\r\nK=1\r\n");
    EXPECT_TRUE(writeProfileString(ini, "A", "K", "2"));
    EXPECT_EQ(readBytes(ini), "[A]\r\nK=2\r\n\r\n[B]\r\nK=1\r\n");
}

TEST_F(Profile, WritesTheFirstOfDuplicateNames) {
    writeBytes(ini, "[A]\r\nK=1\r\nK=2\r\n[a]\r\nK=3\r\n");
    EXPECT_TRUE(writeProfileString(ini, "A", "k", "9"));
    EXPECT_EQ(readBytes(ini), "[A]\r\nK=9\r\nK=2\r\n[a]\r\nK=3\r\n");
}

TEST_F(Profile, ValuesAreStoredInCodePage932WithoutLineBreaks) {
    EXPECT_TRUE(writeProfileString(ini, "S", "T", std::string("a\r\nb\0c", 6)));
    EXPECT_TRUE(writeProfileString(ini, "S", "J", "ー～"));
    EXPECT_EQ(readBytes(ini), "[S]\r\nT=a  b c\r\nJ=" + kChoon932 + kWave932 + "\r\n");
    EXPECT_EQ(getProfileString(ini, "S", "J"), "ー～");
    EXPECT_TRUE(writeProfileString(ini, "S", "Q", "\"quoted\""));
    EXPECT_EQ(getProfileString(ini, "S", "Q"), "\"quoted\"");
}

TEST_F(Profile, NullKeyDeletesTheSectionAndNullValueTheKey) {
    writeBytes(ini, "[A]\r\nK=1\r\nL=2\r\n\r\n[B]\r\nK=3\r\n[a]\r\nK=4\r\n[C]\r\nK=5\r\n");
    EXPECT_TRUE(writeProfileString(ini, "A", "k", nullopt));
    EXPECT_EQ(readBytes(ini), "[A]\r\nL=2\r\n\r\n[B]\r\nK=3\r\n[a]\r\nK=4\r\n[C]\r\nK=5\r\n");
    // Every section of the name goes, so a section rewritten from scratch is the one read.
    EXPECT_TRUE(writeProfileString(ini, "a", nullopt, nullopt));
    EXPECT_EQ(readBytes(ini), "[B]\r\nK=3\r\n[C]\r\nK=5\r\n");
    EXPECT_EQ(getProfileString(ini, "A", "K"), nullopt);
    // Deleting what is not there changes nothing and creates no file.
    EXPECT_TRUE(writeProfileString(ini, "Z", nullopt, nullopt));
    EXPECT_TRUE(writeProfileString(ini, "B", "Z", nullopt));
    EXPECT_EQ(readBytes(ini), "[B]\r\nK=3\r\n[C]\r\nK=5\r\n");
    EXPECT_TRUE(writeProfileString(home.file("none.ini"), "A", nullopt, nullopt));
    EXPECT_FALSE(files::fileExists(home.file("none.ini")));
}

TEST_F(Profile, AFailedWriteLeavesTheOldFileAndItsValues) {
    const std::string before = "[Setup]\r\nHole=8\r\n";
    writeBytes(ini, before);
    ASSERT_EQ(getProfileString(ini, "Setup", "Hole"), "8");
    for (auto kind : {files::fault::Kind::WriteAfterBytes, files::fault::Kind::Flush, files::fault::Kind::Rename}) {
        files::fault::arm(kind, 5);
        EXPECT_FALSE(writeProfileString(ini, "Setup", "Hole", "9"));
        EXPECT_EQ(readBytes(ini), before);
        EXPECT_EQ(getProfileString(ini, "Setup", "Hole"), "8");
    }
}

TEST_F(Profile, ReadsSeeFilesChangedBehindTheirBack) {
    writeBytes(ini, "[S]\r\nK=1\r\n");
    ASSERT_EQ(getProfileString(ini, "S", "K"), "1");
    // Rewritten in place within the same clock tick: same size, inode and time.
    timespec written = modifiedTime(ini);
    writeBytes(ini, "[S]\r\nK=2\r\n");
    setModifiedTime(ini, written);
    EXPECT_EQ(getProfileString(ini, "S", "K"), "2");
    // Replaced by another file.
    files::writeFileAtomic(ini, "[S]\r\nK=3\r\n");
    EXPECT_EQ(getProfileString(ini, "S", "K"), "3");
    // Our own write, then an outside one.
    EXPECT_TRUE(writeProfileString(ini, "S", "K", "4"));
    EXPECT_EQ(getProfileString(ini, "S", "K"), "4");
    writeBytes(ini, "[S]\r\nK=5\r\n");
    EXPECT_EQ(getProfileString(ini, "S", "K"), "5");
    // An old file, read once and trusted by its identity, then changed.
    backdate(ini, 3600);
    EXPECT_EQ(getProfileString(ini, "S", "K"), "5");
    EXPECT_EQ(getProfileString(ini, "S", "K"), "5");
    writeBytes(ini, "[S]\r\nK=6\r\n");
    backdate(ini, 1800);
    EXPECT_EQ(getProfileString(ini, "S", "K"), "6");
    // Gone.
    std::remove(ini.c_str());
    EXPECT_EQ(getProfileString(ini, "S", "K"), nullopt);
}

TEST_F(Profile, AReadBatchChecksEachFileOnceAndStillSeesOurOwnWrites) {
    writeBytes(ini, "[S]\r\nK=1\r\n");
    ASSERT_EQ(getProfileString(ini, "S", "K"), "1");
    {
        files::ProfileReadBatch batch;
        // Changed before the batch's first read of it: seen.
        files::writeFileAtomic(ini, "[S]\r\nK=2\r\n");
        EXPECT_EQ(getProfileString(ini, "S", "K"), "2");
        // Later reads in the batch answer from that check without the disk.
        std::string other = home.file("other.ini");
        files::writeFileAtomic(other, "[S]\r\nK=x\r\n");
        std::remove(ini.c_str());
        EXPECT_EQ(getProfileString(ini, "S", "K"), "2");
        {
            files::ProfileReadBatch inner; // nested: the outer batch goes on
        }
        EXPECT_EQ(getProfileString(ini, "S", "K"), "2");
        EXPECT_EQ(getProfileString(other, "S", "K"), "x");
        // A write checks the disk (the file is gone, so it starts anew) and
        // the next read sees what it wrote.
        EXPECT_TRUE(writeProfileString(ini, "S", "New", "3"));
        EXPECT_EQ(readBytes(ini), "[S]\r\nNew=3\r\n");
        EXPECT_EQ(getProfileString(ini, "S", "K"), nullopt);
        EXPECT_EQ(getProfileString(ini, "S", "New"), "3");
        files::writeFileAtomic(other, "[S]\r\nK=y\r\n");
        EXPECT_EQ(getProfileString(other, "S", "K"), "x");
    }
    // After the batch every read checks again.
    EXPECT_EQ(getProfileString(home.file("other.ini"), "S", "K"), "y");
    std::remove(ini.c_str());
    EXPECT_EQ(getProfileString(ini, "S", "New"), nullopt);
}

TEST_F(Profile, TheFirstSectionOfANameWinsInFilesOfFewAndOfManySections) {
    // Small files are searched in order, large ones through an index: both
    // find the first section of a name, for reads and writes alike.
    for (int sections : {2, 8, 9, 40}) {
        std::string text = "[Dup]\r\nK=first\r\n";
        for (int n = 2; n < sections; ++n) {
            const std::string number = std::to_string(n);
            text.append("[S").append(number).append("]\r\nK=").append(number).append("\r\n");
        }
        text += "[ dup ]\r\nK=second\r\nOnly=later\r\n";
        writeBytes(ini, text);
        EXPECT_EQ(getProfileString(ini, "DUP", "K"), "first") << sections;
        EXPECT_EQ(getProfileString(ini, "dup", "Only"), nullopt) << sections;
        if (sections > 2) {
            const std::string last = std::to_string(sections - 1);
            EXPECT_EQ(getProfileString(ini, std::string("s").append(last), "k"), last) << sections;
        }
        EXPECT_TRUE(writeProfileString(ini, "dup", "K", "new"));
        std::string expected = text;
        expected.replace(expected.find("K=first"), 7, "K=new");
        EXPECT_EQ(readBytes(ini), expected) << sections;
    }
}

TEST_F(Profile, OneSectionReadAloneAnswersAsEveryReadOfTheFile) {
    // A section is read up to its end only; each of its values is what a
    // read of the whole file gives, whatever comes before or after it.
    const std::string longValue(300, 'x');
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"first of many", "[Management]\r\nA=1\r\n B = two \r\n[Score1]\r\nA=9\r\nC=9\r\n"},
        {"after others, in another case", "[Score1]\r\nA=9\r\n  [ management ] note\r\nA=1\r\nA=2\r\n"},
        {"twice: the first counts", "[management]\r\nA=1\r\n[Management]\r\nA=2\r\nC=3\r\n"},
        {"among more than eight", "[S1]\r\n[S2]\r\n[S3]\r\n[S4]\r\n[S5]\r\n[S6]\r\n[S7]\r\n[S8]\r\n[S9]\r\n"
                                  "[Management]\r\nA=1\r\n[S1]\r\nA=5\r\n"},
        {"a value past 255 bytes, and code page 932", "[Management]\r\nA=" + longValue + "\r\nB=" + kChoon932 + "]\r\n"},
        {"LF and CR line ends, no break at the end", "[Management]\nA=1\rB=2\n[X]\rC=3"},
        {"no such section", "[Setup]\r\nA=1\r\n"},
        {"nothing but keys", "A=1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(ini, c.text);
        const files::ProfileSection section(ini, "MANAGEMENT");
        for (const char* key : {"A", "b", "C", "D"})
            EXPECT_EQ(section.value(key), getProfileString(ini, "Management", key)) << key;
    }
    const files::ProfileSection missing(home.file("none.ini"), "Management");
    EXPECT_EQ(missing.value("A"), nullopt);
}
