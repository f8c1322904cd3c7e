// Score packs: reading them from a game file, unpacking them into score rows
// and packing the rows again; comparing headers; clearing results.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/iniFile.h"
#include "core/resultRecords.h"
#include "gameFileFixture.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/text/RuntimeError.h"

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
                                       "[Score 2]", "IDNo=96", "[Score5]", "IDNo=5", "[Score4]", "[Score2]", "IDNo=2",
                                       "[Management]", "MaxScoreNo=9"});
    gtypGame.FileName = "game00001.lmg";

    EXPECT_FALSE(gsReadScoreData());

    std::vector<int32_t> ids;
    for (const typScorePack& p : gtypScorePacks) ids.push_back(p.IDNo);
    EXPECT_EQ(ids, (std::vector<int32_t>{1, 2, 3, 0}));
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
