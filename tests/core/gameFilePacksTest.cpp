// Score packs: reading them from a game file, unpacking them into score rows
// and packing the rows again; comparing headers; clearing results.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/iniFile.h"
#include "core/resultRecords.h"
#include "gameFileFixture.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

using testsupport::GameEntry;

namespace {

// The hole texts of every score row, course by course.
std::vector<std::vector<std::string>> rowHoles(int hole) {
    std::vector<std::vector<std::string>> rows;
    for (const typScoreData& row : gtypScores) rows.emplace_back(row.Holes.begin(), row.Holes.begin() + hole);
    return rows;
}

} // namespace

TEST_F(GameFileTest, UnpacksCellsCourseByCourse) {
    using Rows = std::vector<std::vector<std::string>>;
    struct Case {
        std::string holes;
        Rows rows;
    } cases[] = {
        // Texts at and past the length held in place; the next case reuses their rows.
        {"123456789012345,1234567890123456,,x23456789012345678901234567890,",
         {{"123456789012345", "1234567890123456"}, {"", "x23456789012345678901234567890"}}},
        {"4,3", {{"4", "3"}, {"", ""}}},
        {"4,3,5,4,6,2,", {{"4", "3"}, {"5", "4"}}}, // cells past Hole x Round dropped
        {" 4,,5,4, ", {{"4", ""}, {"5", "4"}}},
        {"", {{"", ""}, {"", ""}}},
    };
    gtypGame.Hole = 2;
    gtypGame.Round = 2;
    for (const Case& c : cases) {
        gtypScorePacks = {pack(9, c.holes, "T", -5)};
        gsUnpackScoreData();
        EXPECT_EQ(rowHoles(2), c.rows) << c.holes;
    }
    ASSERT_EQ(glngScoresMax(), 1);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(gtypScores[i].IDNo, 9);
        EXPECT_EQ(gtypScores[i].RoundNo, i + 1);
        EXPECT_EQ(gtypScores[i].TeamID, "T");
        EXPECT_EQ(gtypScores[i].Handicap, -5);
        EXPECT_EQ(gtypScores[i].Holes[2], ""); // holes past Hole stay empty
        EXPECT_EQ(gtypScores[i].Holes[17], "");
    }
}

TEST_F(GameFileTest, PacksRowsOfEachPlayer) {
    gtypGame.Hole = 2;
    gtypGame.Round = 2;
    gtypScorePacks = {pack(5, "4,3,,5,", "A", 10), pack(8, "1,2,3,4,")};
    gsUnpackScoreData();
    gtypScores[1].Holes[1] = "7";
    gsPackScoreData();
    ASSERT_EQ(glngScorePacksMax(), 1);
    EXPECT_EQ(gtypScorePacks[0].IDNo, 5);
    EXPECT_EQ(gtypScorePacks[0].Holes, "4,3,,7,");
    EXPECT_EQ(gtypScorePacks[0].TeamID, "A");
    EXPECT_EQ(gtypScorePacks[0].Handicap, 10);
    EXPECT_EQ(gtypScorePacks[1].Holes, "1,2,3,4,");

    // A player whose later rows are missing cannot be packed.
    gtypScores.pop_back();
    EXPECT_THROW(gsPackScoreData(), text::RuntimeError);
    // Nor can more holes than a row holds be unpacked.
    gtypGame.Hole = 19;
    EXPECT_THROW(gsUnpackScoreData(), text::RuntimeError);
}

TEST_F(GameFileTest, ReadsScorePacksFromTheGameFile) {
    GameEntry g;
    g.scores = {{7, " 4,3,5,4, ", " A ", -15}, {12, "3,,4,5,", "", 0}};
    data.writeGame(3, g);
    gtypGame.FileName = " game00003.lmg ";
    gtypGame.MaxScoreNo = 0; // the file's own count is used

    EXPECT_FALSE(gsReadScoreData());

    ASSERT_EQ(glngScorePacksMax(), 1);
    EXPECT_EQ(gtypScorePacks[0].IDNo, 7);
    EXPECT_EQ(gtypScorePacks[0].Holes, "4,3,5,4,");
    EXPECT_EQ(gtypScorePacks[0].TeamID, "A");
    EXPECT_EQ(gtypScorePacks[0].Handicap, -15);
    EXPECT_EQ(gtypScorePacks[1].IDNo, 12);
    EXPECT_EQ(gtypScorePacks[1].TeamID, "");
}

TEST_F(GameFileTest, DamagedGameFilesAreRefusedOrReadAsTheTablesReadThem) {
    GameEntry g;
    g.scores = {{7, "4,3,5,4,", "A", -15}, {12, "3,,4,5,", "", 0}};
    const std::string whole = testsupport::DataFolder::cp932Lines(testsupport::DataFolder::gameLines(g));
    const auto cutAfter = [&whole](const std::string& text) { return whole.substr(0, whole.find(text) + text.size()); };
    const auto replaced = [&whole](const std::string& from, const std::string& to) {
        std::string bytes = whole;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
        std::optional<std::vector<int32_t>> ids; // none: refused
        std::string lastHoles = {};
    } cases[] = {
        {"whole", whole, {{7, 12}}, "3,,4,5,"},
        {"cut in the header", cutAfter("Date=2010/1"), {{}}},
        {"cut in the header's name", cutAfter("[Manag"), {{}}},
        {"cut in a section the count names", cutAfter("[Score1]\r\nIDNo=7\r\nHol"), std::nullopt},
        {"cut mid-line in the last section", cutAfter("Holes=3,,"), {{7, 12}}, "3,,"},
        {"MaxScoreNo above the sections present", replaced("MaxScoreNo=2", "MaxScoreNo=5"), std::nullopt},
        {"MaxScoreNo below the sections present", replaced("MaxScoreNo=2", "MaxScoreNo=1"), std::nullopt},
        {"MaxScoreNo blank", replaced("MaxScoreNo=2", "MaxScoreNo="), std::nullopt},
        {"MaxScoreNo negative", replaced("MaxScoreNo=2", "MaxScoreNo=-1"), std::nullopt},
        {"a lower-case section name", replaced("[Score2]", "[score2]"), std::nullopt},
        {"blanks before a section's bracket", replaced("[Score2]", " [Score2]"), std::nullopt},
        {"blanks around keys", replaced("IDNo=12\r\nHoles=", " IDNo=12\r\nHoles ="), {{7, 0}}, ""},
        {"a byte-order mark", "\xEF\xBB\xBF" + whole, {{7, 12}}, "3,,4,5,"},
    };
    gtypGame.FileName = "game00001.lmg";
    for (const Case& c : cases) {
        testsupport::writeBytes(data.gamePath(1), c.bytes);
        const bool failed = gsReadScoreData();
        EXPECT_EQ(failed, !c.ids) << c.what;
        if (!c.ids) continue;
        std::vector<int32_t> ids;
        for (const typScorePack& p : gtypScorePacks) ids.push_back(p.IDNo);
        EXPECT_EQ(ids, *c.ids) << c.what;
        if (!ids.empty()) {
            EXPECT_EQ(gtypScorePacks.back().Holes, c.lastHoles) << c.what;
        }
    }
}

TEST_F(GameFileTest, EachPackComesFromTheFirstSectionOfItsExactName) {
    data.writeLines(data.gamePath(1), {"[Score3]", "IDNo=3", "[Score01]", "IDNo=99", "[score2]", "IDNo=98",
                                       "[Management]", "MaxScoreNo=4", "[Score1]", "IDNo=1", "[Score3]", "IDNo=97",
                                       "[Score 2]", "IDNo=96", "[Score4]", "[Score2]", "IDNo=2",
                                       "[Management]", "MaxScoreNo=9"});
    gtypGame.FileName = "game00001.lmg";

    EXPECT_FALSE(gsReadScoreData());

    std::vector<int32_t> ids;
    for (const typScorePack& p : gtypScorePacks) ids.push_back(p.IDNo);
    EXPECT_EQ(ids, (std::vector<int32_t>{1, 2, 3, 0}));
}

namespace {

// Each pack in one line: ID, cells, team and handicap.
std::vector<std::string> packLines(const std::vector<typScorePack>& packs) {
    std::vector<std::string> lines;
    for (const typScorePack& p : packs)
        lines.push_back(std::to_string(p.IDNo) + " <" + p.Holes + "> [" + p.TeamID + "] " + std::to_string(p.Handicap));
    return lines;
}

// The packs of a file as the in-memory tables answer for them: the count
// from "Management", then each "Score" & k section's keys; nullopt when a
// section the count names is not there, or one follows the last it names
// (the game is damaged).
std::optional<std::vector<typScorePack>> packsFromTables(const std::string& path) {
    std::vector<typScorePack> packs;
    if (gfLoadIniEx(path)) return packs;
    const int32_t count = text::readInt32(gfReadIniEx("Management", "MaxScoreNo"));
    for (int32_t k = 1; k <= count; ++k) {
        const std::string section = "Score" + std::to_string(k);
        if (findIniSectionEx(section) < 0) {
            gsClearIniEx();
            return std::nullopt;
        }
        packs.push_back({text::readInt32(gfReadIniEx(section, "IDNo")), text::Trim(gfReadIniEx(section, "Holes")),
                         text::Trim(gfReadIniEx(section, "TeamID")), text::readInt32(gfReadIniEx(section, "Handicap"))});
    }
    const bool sectionPastCount = findIniSectionEx("Score" + std::to_string(std::max(count, 0) + 1)) >= 0;
    gsClearIniEx();
    if (sectionPastCount) return std::nullopt;
    return packs;
}

} // namespace

TEST_F(GameFileTest, ScoreSectionsReadAsTheInMemoryTablesAnswer) {
    // Score sections as the save writes them are read without the general
    // line walk; every line that differs from that form in any way goes
    // through the walk from there on. Either way the packs are the tables',
    // and a score section the count names but the file lacks refuses the game.
    const std::string head = "[Management]\r\nTittle=\x8f\x74\x8b\x47\r\nMaxScoreNo=3\r\n"; // 春季
    const std::string written = "[Score1]\r\nIDNo=7\r\nHoles=4,3,5,4,\r\nTeamID=A\r\nHandicap=-15\r\n"
                                "[Score2]\r\nIDNo=12\r\nHoles=3,,4,5,\r\nHandicap=0\r\n"
                                "[Score3]\r\nIDNo=31\r\nHoles=1,1,1,1,\r\nTeamID=B\r\nHandicap=5\r\n";
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = written;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    std::string twoTeams = replaced("TeamID=A", "TeamID=\x82\xa0"); // あ
    twoTeams.replace(twoTeams.find("TeamID=B"), 8, "TeamID=\x82\xa2");  // い
    const auto headWith = [&](std::string_view from, std::string_view to) {
        std::string text = head;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    struct Case {
        const char* what;
        std::string scores;
        std::optional<std::string> header = std::nullopt;
    } cases[] = {
        {"as written", written},
        {"LF line ends", replaced("\r\nIDNo=12\r\n", "\nIDNo=12\n")},
        {"a lone CR ends a line", replaced("Holes=4,3,5,4,\r\n", "Holes=4,3,5,4,\rTeamID=Z\r\n")},
        {"a team in Japanese", replaced("TeamID=A", "TeamID=\x82\xa0 ")}, // あ
        {"two teams in Japanese", twoTeams},
        {"half a character before the line break", replaced("TeamID=A", "TeamID=\x82")},
        {"text after the bracket", replaced("[Score2]", "[Score2] old")},
        {"a number with a zero in front", replaced("[Score2]", "[Score02]")},
        {"a section of another case", replaced("[Score2]", "[score2]")},
        {"a blank before the equals sign", replaced("IDNo=12", "IDNo =12")},
        {"a blank before the key", replaced("IDNo=12", " IDNo=12")},
        {"a key written twice", replaced("Handicap=0", "Handicap=0\r\nHandicap=9")},
        {"a section written twice", written + "[Score1]\r\nIDNo=99\r\n"},
        {"the count in a score section", replaced("Handicap=0", "MaxScoreNo=1")},
        {"a key without a value", replaced("TeamID=B", "TeamID")},
        {"a blank line", replaced("[Score2]", "\r\n[Score2]")},
        {"blanks around the cells", replaced("Holes=3,,4,5,", "Holes= 3,,4,5, ")},
        {"no line break at the end", written.substr(0, written.size() - 2)},
        {"a CR at the very end", written.substr(0, written.size() - 1)},
        {"another Management section", written + "[Management]\r\nMaxScoreNo=1\r\n"},
        {"a section number past the count", replaced("[Score3]", "[Score4]")},
        {"an equals sign in a value", replaced("TeamID=A", "TeamID=A=B")},
        {"Japanese far into a long value", replaced("TeamID=A", "TeamID=ABCDEFGHIJKLMNOPQRSTUVWXYZ\x82\xa0")},
        {"a longer key of the same start", replaced("Handicap=0", "Handicaps=0\r\nHandicap=1")},
        {"a key cut short at the very end", written + "Handi"},
        {"a byte-order mark", written, "\xEF\xBB\xBF" + head},
        {"the count twice", written, headWith("MaxScoreNo=3", "MaxScoreNo=2\r\nMaxScoreNo=3")},
        {"the count in another section first", written, "[Other]\r\nMaxScoreNo=1\r\n" + head},
        {"a second Management section", written, head + "[Management]\r\nMaxScoreNo=1\r\n"},
        {"Japanese after the count", written, headWith("MaxScoreNo=3", "MaxScoreNo=2\x82\xa0")}, // あ
        {"a header line without an equals sign", written, headWith("Tittle=", "Tittle ")},
        {"text after the header's bracket", written, headWith("[Management]", "[Management] x")},
        // Numbers are read as the walk passes them only in the form the save
        // writes; line ends are first looked for where the same key's line
        // ended before.
        {"numbers of other forms", replaced("IDNo=12", "IDNo=0012\r\nHandicap=+5")},
        {"numbers of seven and eight digits", replaced("IDNo=12", "IDNo=9876543\r\nHandicap=-12345678")},
        {"a number of ten digits", replaced("IDNo=31", "IDNo=1234567890")},
        {"a number followed by a character above 0x7F", replaced("IDNo=31", "IDNo=31\x82\xa0")},
        {"a sign without digits", replaced("Handicap=5", "Handicap=-")},
        {"a number with a blank after it", replaced("Handicap=5", "Handicap=5 ")},
        {"a number with a fraction", replaced("Handicap=-15", "Handicap=-1.5")},
        {"a lone CR where the cells ended before", replaced("Holes=1,1,1,1,", "Holes=1,1\r1,1")},
        {"a lone LF where the cells ended before", replaced("Holes=1,1,1,1,", "Holes=1,1\n1,1")},
        {"a half-width kana as long as the team before", replaced("TeamID=B", "TeamID=\xb1")}, // ｱ
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = data.gamePath(1);
        testsupport::writeBytes(path, c.header.value_or(head) + c.scores);
        gtypGame.FileName = "game00001.lmg";
        const auto tables = packsFromTables(path);
        EXPECT_EQ(gsReadScoreData(), !tables.has_value());
        if (!tables) continue;
        const std::vector<typScorePack> read(gtypScorePacks.begin(), gtypScorePacks.end());
        EXPECT_EQ(packLines(read), packLines(*tables));
    }
}

TEST_F(GameFileTest, TellsWhenAStoredGameCannotBeRead) {
    // A game never saved has nothing to read, and that is no failure; a
    // file loaded into the in-memory tables stays there.
    data.writeLines(data.gamePath(1), {"[A]", "K=1"});
    ASSERT_FALSE(gfLoadIniEx(data.gamePath(1)));
    gtypScorePacks = {pack(1, "1,")};
    EXPECT_FALSE(gsReadScoreData());
    EXPECT_EQ(glngScorePacksMax(), -1);
    EXPECT_EQ(gfReadIniEx("A", "K"), "1");
    // Reading a stored game empties them, as loading its file did.
    gtypGame.FileName = "game00001.lmg";
    gsReadScoreData();
    EXPECT_EQ(mlngIniSectionsMax, -1);
    gtypGame.FileName.clear();

    // Only a file that fails to load puts the arrow back, as a failed load does.
    forms::doubles::TestDesktop desk;
    struct Case {
        const char* what;
        std::vector<std::string> lines; // empty: no file at all
        int packsKept;
        int16_t pointer;
    } cases[] = {
        {"missing file", {}, 0, forms::vbHourglass},
        {"a key before any section", {"IDNo=1", "[Management]", "MaxScoreNo=1"}, 0, forms::vbDefault},
        {"an ID too large",
         {"[Management]", "MaxScoreNo=2", "[Score1]", "IDNo=1", "[Score2]", "IDNo=99999999999"},
         1,
         forms::vbHourglass},
        {"a count no file can hold", {"[Management]", "MaxScoreNo=40000"}, 0, forms::vbHourglass},
        {"a count too large", {"[Management]", "MaxScoreNo=1e20"}, 0, forms::vbHourglass},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(data.gamePath(2));
        if (!c.lines.empty()) data.writeLines(data.gamePath(2), c.lines);
        gtypGame.FileName = "game00002.lmg";
        forms::Screen::setMousePointer(forms::vbHourglass);
        EXPECT_TRUE(gsReadScoreData()) << c.what;
        EXPECT_EQ(glngScorePacksMax(), c.packsKept - 1) << c.what;
        EXPECT_EQ(forms::Screen::MousePointer(), c.pointer) << c.what;
    }
}

TEST_F(GameFileTest, ComparesHeaders) {
    typGameInfo a;
    a.Date = "2010/10/10";
    a.Tittle = "Cup";
    a.RoundName[0] = "A";
    a.FileName = "game00001.lmg";
    typGameInfo b = a;
    EXPECT_EQ(gfIsGameInfoChanged(a, b), 0);
    b.Tittle = " Cup ";
    b.RoundName[0] = "A ";
    EXPECT_EQ(gfIsGameInfoChanged(a, b), 0); // blanks at both ends do not count

    auto changed = [&](auto change) {
        typGameInfo c = a;
        change(c);
        return gfIsGameInfoChanged(a, c);
    };
    EXPECT_EQ(changed([](typGameInfo& c) { c.Tittle = "cup"; }), 1);
    EXPECT_EQ(changed([](typGameInfo& c) { c.Date = "2010/10/11"; }), 1);
    EXPECT_EQ(changed([](typGameInfo& c) { c.MaxScoreNo = 1; }), 1);
    EXPECT_EQ(changed([](typGameInfo& c) { c.HandiCapKind = 2; }), 1);
    EXPECT_EQ(changed([](typGameInfo& c) { c.CategoryAgeHigh = -1; }), 1);
    EXPECT_EQ(changed([](typGameInfo& c) { c.RoundName[9] = "J"; }), 1);
    EXPECT_EQ(changed([](typGameInfo& c) { c.FileName = ""; }), 1);
}

TEST_F(GameFileTest, ClearResultsEmptiesRowsButKeepsPacks) {
    gtypScores.append();
    gtypRankRows.append();
    gtypBestCourseRows.append();
    gtypTeamRankRows.append();
    gtypSeasonScores.append();
    gtypSeasonTotalRows.append();
    gtypSeasonGameRows.append();
    gtypSeasonEntryRows.append();
    gtypSeasonTeamRows.append();
    gtypSeasonRoundRows.append();
    gtypScorePacks.append();

    gsClearResults();

    for (int32_t bound : {glngScoresMax(), glngRankRowsMax(), glngBestCourseRowsMax(), glngTeamRankRowsMax(),
                          glngSeasonScoresMax(), glngSeasonTotalRowsMax(), glngSeasonGameRowsMax(),
                          glngSeasonEntryRowsMax(), glngSeasonTeamRowsMax(), glngSeasonRoundRowsMax()})
        EXPECT_EQ(bound, -1);
    EXPECT_EQ(glngScorePacksMax(), 0);
}
