// The list of stored games read from their headers.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/iniFile.h"
#include "gameFileFixture.h"

using testsupport::GameEntry;

namespace {

std::vector<std::string> listedFiles() {
    std::vector<std::string> names;
    for (const typGameInfo& g : gtypGames) names.push_back(g.FileName);
    return names;
}

} // namespace

TEST_F(GameFileTest, ListsExistingGamesInNumberOrder) {
    for (int n = 1; n <= 5; ++n) {
        GameEntry g;
        g.title = "Game " + std::to_string(n);
        data.writeGame(n, g);
    }
    std::filesystem::remove(data.gamePath(2));
    std::filesystem::remove(data.gamePath(4));
    data.writeGame(6, GameEntry{}); // beyond the counter: not listed
    testsupport::writeBytes(data.gamesFolder() + "/game0003.lmg", "[Management]\r\n");
    testsupport::writeBytes(data.gamesFolder() + "/game00003.lmg.bak", "[Management]\r\n");
    data.writeManager("5");

    gsReadGameList();

    EXPECT_EQ(listedFiles(), (std::vector<std::string>{"game00001.lmg", "game00003.lmg", "game00005.lmg"}));
    EXPECT_EQ(gtypGames[1].Tittle, "Game 3");
}

TEST_F(GameFileTest, ReadsEveryHeaderField) {
    GameEntry g;
    g.date = " 2009/6/7 ";
    g.title = "  \xE5\xA4\xA7\xE4\xBC\x9A  "; // 大会 between blanks
    g.maxScoreNo = 4;
    g.seriesId = 3;
    g.courceId = 9;
    g.hole = 9;
    g.round = 4;
    g.teamHowtoRank = 1;
    g.categoryGender = 2;
    g.categoryAgeLow = 60;
    g.categoryAgeHigh = -1;
    g.judgeDaSu = 1;
    g.judgeBirthday = 1;
    g.handiCapKind = 2;
    g.roundNames = {"A", " B ", "", "D"};
    data.writeGame(1, g);
    data.writeManager("1");

    gsReadGameList();

    ASSERT_EQ(glngGamesMax(), 0);
    const typGameInfo& r = gtypGames[0];
    EXPECT_EQ(r.Date, "2009/6/7"); // trimmed, not reformatted until saved
    EXPECT_EQ(r.Tittle, "\xE5\xA4\xA7\xE4\xBC\x9A");
    EXPECT_EQ(r.MaxScoreNo, 4);
    EXPECT_EQ(r.SeriesID, 3);
    EXPECT_EQ(r.CourceID, 9);
    EXPECT_EQ(r.Hole, 9);
    EXPECT_EQ(r.Round, 4);
    EXPECT_EQ(r.TeamHowtoRank, 1);
    EXPECT_EQ(r.CategoryGender, 2);
    EXPECT_EQ(r.CategoryAgeLow, 60);
    EXPECT_EQ(r.CategoryAgeHigh, -1);
    EXPECT_EQ(r.JudgeDaSu, 1);
    EXPECT_EQ(r.JudgeBirthday, 1);
    EXPECT_EQ(r.HandiCapKind, 2);
    EXPECT_EQ(r.RoundName[1], "B");
    EXPECT_EQ(r.RoundName[3], "D");
    EXPECT_EQ(r.RoundName[9], "");
    EXPECT_EQ(r.FileName, "game00001.lmg");
}

TEST_F(GameFileTest, MissingOrOddHeaderValues) {
    // Missing keys read 0 (an open age bound included); numbers are read from
    // the start of the text and rounded halves to even; values that do not
    // fit are clamped, and the list goes on to the next game.
    data.writeLines(data.gamePath(1), {"[Management]", "Date=2010/10/10", "Round=2.5", "SeriesID=7 units"});
    data.writeLines(data.gamePath(2), {"[Management]", "Hole=99999", "Round=-40000", "CourceID=1e12",
                                       "CategoryAgeLow=3.5", "MaxScoreNo=-9999999999", "SeriesID=1e1000",
                                       "CategoryAgeHigh=-1e999"});
    data.writeGame(3, GameEntry{});
    data.writeManager("3");

    gsReadGameList();

    ASSERT_EQ(glngGamesMax(), 2);
    EXPECT_EQ(gtypGames[0].Hole, 0);
    EXPECT_EQ(gtypGames[0].CategoryAgeLow, 0);
    EXPECT_EQ(gtypGames[0].Round, 2);
    EXPECT_EQ(gtypGames[0].SeriesID, 7);
    EXPECT_EQ(gtypGames[1].Hole, 32767);
    EXPECT_EQ(gtypGames[1].Round, -32768);
    EXPECT_EQ(gtypGames[1].CourceID, 2147483647);
    EXPECT_EQ(gtypGames[1].CategoryAgeLow, 4);
    EXPECT_EQ(gtypGames[1].MaxScoreNo, -2147483647 - 1);
    EXPECT_EQ(gtypGames[1].SeriesID, 2147483647); // beyond even a double
    EXPECT_EQ(gtypGames[1].CategoryAgeHigh, -32768);
    EXPECT_EQ(gtypGames[2].FileName, "game00003.lmg");
}

TEST_F(GameFileTest, ListCounterEdgeCases) {
    data.writeGame(1, GameEntry{});

    data.writeManager("99999999999999"); // far too large: clamped, and no number-by-number walk
    gsReadGameList();
    EXPECT_EQ(listedFiles(), std::vector<std::string>{"game00001.lmg"});

    std::filesystem::remove_all(data.gamesFolder());
    gsReadGameList(); // no games folder at all
    EXPECT_EQ(glngGamesMax(), -1);
}

TEST_F(GameFileTest, ALostCounterHidesNoGameAndTheNextGameGoesAboveThem) {
    for (int n : {1, 2, 5}) data.writeGame(n, GameEntry{});
    const std::vector<std::string> all{"game00001.lmg", "game00002.lmg", "game00005.lmg"};
    struct Case {
        const char* what;
        std::optional<std::string> counter; // none: no manager.dat
        bool unreadable = false;
    } cases[] = {
        {"no manager.dat", std::nullopt},
        {"no key", ""},
        {"not a number", "NaN"},
        {"zero", "-0"},
        {"negative", "-3"},
        {"unreadable", "5", true},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(gstrManagerFile);
        if (c.counter && !c.counter->empty()) data.writeManager(*c.counter);
        if (c.counter && c.counter->empty()) data.writeLines(gstrManagerFile, {"[Management]"});
        if (c.unreadable) files::fault::arm(files::fault::Kind::Open, 0, -1, "manager.dat");
        gsReadGameList();
        EXPECT_EQ(listedFiles(), all) << c.what;
        files::fault::clear();
    }

    // A new game takes the number above them, and the counter follows.
    std::filesystem::remove(gstrManagerFile);
    EXPECT_EQ(gfSaveScoreData(), data.gamePath(6));
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"), "6");
    gsReadGameList();
    EXPECT_EQ(glngGamesMax(), 3);
}

TEST_F(GameFileTest, LongHeaderValuesAreCutTo255Bytes) {
    const std::string title(300, 'x');
    data.writeLines(data.gamePath(1), {"[Management]", "Tittle=" + title});
    data.writeManager("1");
    gsReadGameList();
    ASSERT_EQ(glngGamesMax(), 0);
    EXPECT_EQ(gtypGames[0].Tittle, title.substr(0, 255));
}
