// Saving a game: the exact file, its numbering and what a failed save leaves.
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/globals.h"
#include "core/iniFile.h"
#include "gameFileFixture.h"
#include "platform/forms/Types.h"
#include "platform/forms/testing/TestDesktop.h"

using testsupport::DataFolder;
using testsupport::readBytes;
using namespace std::string_literals;

namespace {

// Two players (the second without a team), two holes, two courses, with a
// stale MaxScoreNo in memory.
void setUpTwoPlayerGame() {
    gtypGame.Date = "2010/10/10";
    gtypGame.Tittle = "\xE7\xA7\x8B\xE5\xAD\xA3\xE5\xA4\xA7\xE4\xBC\x9A"; // 秋季大会
    gtypGame.MaxScoreNo = 7;
    gtypGame.SeriesID = 3;
    gtypGame.CourceID = 1;
    gtypGame.Hole = 2;
    gtypGame.Round = 2;
    gtypGame.TeamHowtoRank = 1;
    gtypGame.CategoryGender = 0;
    gtypGame.CategoryAgeLow = -1;
    gtypGame.CategoryAgeHigh = -1;
    gtypGame.JudgeBirthday = 1;
    gtypGame.HandiCapKind = 2;
    gtypGame.RoundName[0] = "\xE6\x9D\xB1\xE3\x82\xB3\xE3\x83\xBC\xE3\x82\xB9"; // 東コース
    gtypGame.RoundName[1] = "B";
    gtypScorePacks = {typScorePack{7, "4,3,5,4,", "A", -15}, typScorePack{12, "3,,4,5,", "  ", 0}};
}

// The file as it must be, byte for byte: code page 932, CR LF.
const std::string kGoldenFile =
    "[Management]\r\n"
    "Date=2010/10/10\r\n"
    "Tittle=\x8F\x48\x8B\x47\x91\xE5\x89\xEF\r\n"
    "MaxScoreNo=2\r\n"
    "SeriesID=3\r\n"
    "CourceID=1\r\n"
    "Hole=2\r\n"
    "Round=2\r\n"
    "TeamHowtoRank=1\r\n"
    "CategoryGender=0\r\n"
    "CategoryAgeLow=-1\r\n"
    "CategoryAgeHigh=-1\r\n"
    "JudgeDaSu=0\r\n"
    "JudgeBirthday=1\r\n"
    "HandiCapKind=2\r\n"
    "RoundName1=\x93\x8C\x83\x52\x81\x5B\x83\x58\r\n"
    "RoundName2=B\r\n"
    "RoundName3=\r\n"
    "RoundName4=\r\n"
    "RoundName5=\r\n"
    "RoundName6=\r\n"
    "RoundName7=\r\n"
    "RoundName8=\r\n"
    "RoundName9=\r\n"
    "RoundName10=\r\n"
    "[Score1]\r\n"
    "IDNo=7\r\n"
    "Holes=4,3,5,4,\r\n"
    "TeamID=A\r\n"
    "Handicap=-15\r\n"
    "[Score2]\r\n"
    "IDNo=12\r\n"
    "Holes=3,,4,5,\r\n"
    "Handicap=0\r\n";

} // namespace

TEST_F(GameFileTest, SavesTheExactFileAndReadsItBackUnchanged) {
    data.writeManager("11");
    setUpTwoPlayerGame();

    const std::string path = gfSaveScoreData();

    EXPECT_EQ(path, data.gamePath(12));
    EXPECT_EQ(gtypGame.FileName, "game00012.lmg");
    EXPECT_EQ(gtypGame.MaxScoreNo, 7); // the save leaves the header in memory alone
    EXPECT_EQ(readBytes(path), kGoldenFile);
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"), "12");
    EXPECT_FALSE(files::fileExists(data.gamesFolder() + "/TempGame.tmp"));
    EXPECT_FALSE(files::fileExists(data.gamesFolder() + "/TempGame2.tmp"));

    // Listed, read, unpacked and packed again: the same packs and the same file.
    gsReadGameList();
    ASSERT_EQ(glngGamesMax(), 0);
    gtypGame = gtypGames[0];
    EXPECT_EQ(gtypGame.MaxScoreNo, 2);
    EXPECT_EQ(gtypGame.Tittle, "\xE7\xA7\x8B\xE5\xAD\xA3\xE5\xA4\xA7\xE4\xBC\x9A");
    ASSERT_FALSE(gsReadScoreData());
    gsUnpackScoreData();
    ASSERT_EQ(glngScoresMax(), 3);
    EXPECT_EQ(gtypScores[3].IDNo, 12);
    EXPECT_EQ(gtypScores[3].RoundNo, 2);
    EXPECT_EQ(gtypScores[3].Holes[0], "4");
    EXPECT_EQ(gtypScores[3].TeamID, ""); // no team line, no team
    gsPackScoreData();
    ASSERT_EQ(glngScorePacksMax(), 1);
    EXPECT_EQ(gtypScorePacks[0].Holes, "4,3,5,4,");
    EXPECT_EQ(gtypScorePacks[0].TeamID, "A");
    EXPECT_EQ(gtypScorePacks[0].Handicap, -15);
    EXPECT_EQ(gtypScorePacks[1].Holes, "3,,4,5,");
    EXPECT_EQ(gfSaveScoreData(), path);
    EXPECT_EQ(readBytes(path), kGoldenFile);
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"), "12");
}

TEST_F(GameFileTest, WritesTidyValues) {
    gtypGame.Date = " 2009/6/7 ";
    gtypGame.Tittle = "  Spring\r\nCup\0! "s;
    gtypGame.RoundName[2] = " C ";
    gtypScorePacks = {typScorePack{5, " 4,\n3, ", "Team\rX", 0}};
    const std::string path = gfSaveScoreData();
    const std::string text = DataFolder::readText(path);
    EXPECT_NE(text.find("\r\nDate=2009/06/07\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nTittle=Spring  Cup !\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nRoundName3=C\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nHoles=4, 3,\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nTeamID=Team X\r\n"), std::string::npos);

    // A date that does not parse is kept as typed.
    gtypGame.Date = "sometime";
    gfSaveScoreData();
    EXPECT_NE(DataFolder::readText(path).find("\r\nDate=sometime\r\n"), std::string::npos);
}

TEST_F(GameFileTest, LongHoleAndTeamTextsAreWrittenBackAsRead) {
    data.writeManager("0");
    setUpTwoPlayerGame();
    gtypScorePacks = {typScorePack{7, "4,1234567890123456,5,long hand-edited text,", "A team of many letters", -15},
                      typScorePack{12, "3,,123456789012345,5,", "", 0}};
    const std::string path = gfSaveScoreData();
    const std::string saved = readBytes(path);
    ASSERT_NE(saved.find("\r\nHoles=4,1234567890123456,5,long hand-edited text,\r\nTeamID=A team of many letters\r\n"),
              std::string::npos);

    ASSERT_FALSE(gsReadScoreData());
    gsUnpackScoreData();
    ASSERT_EQ(glngScoresMax(), 3);
    EXPECT_EQ(gtypScores[0].Holes[1], "1234567890123456");
    EXPECT_EQ(gtypScores[1].Holes[1], "long hand-edited text");
    EXPECT_EQ(gtypScores[1].TeamID, "A team of many letters");
    gsPackScoreData();
    EXPECT_EQ(gfSaveScoreData(), path);
    EXPECT_EQ(readBytes(path), saved);
}

TEST_F(GameFileTest, AGameWithoutPlayersHasNoScoreSection) {
    gtypGame.MaxScoreNo = 3;
    const std::string path = gfSaveScoreData();
    EXPECT_EQ(path, data.gamePath(1)); // no counter yet: it counts as 0
    const std::string text = DataFolder::readText(path);
    EXPECT_NE(text.find("\r\nMaxScoreNo=0\r\n"), std::string::npos);
    EXPECT_EQ(text.find("[Score"), std::string::npos);
    EXPECT_TRUE(text.ends_with("RoundName10=\r\n"));
}

TEST_F(GameFileTest, NumbersNeverLandOnAnExistingGame) {
    // A game whose file was deleted takes a new number at its next save.
    data.writeManager("4");
    gtypGame.FileName = "game00003.lmg";
    EXPECT_EQ(gfSaveScoreData(), data.gamePath(5));
    EXPECT_EQ(gtypGame.FileName, "game00005.lmg");
    EXPECT_FALSE(files::fileExists(data.gamePath(3)));

    // A saved game keeps its file.
    EXPECT_EQ(gfSaveScoreData(), data.gamePath(5));
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"), "5");

    // A counter behind the files skips every number that is taken.
    testsupport::GameEntry other;
    other.title = "keep me";
    data.writeGame(12, other);
    data.writeGame(13, other);
    const std::string before = readBytes(data.gamePath(12));
    data.writeManager("11");
    gtypGame.FileName.clear();
    EXPECT_EQ(gfSaveScoreData(), data.gamePath(14));
    EXPECT_EQ(readBytes(data.gamePath(12)), before);
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"), "14");

    // A negative counter counts as 0, and the number still goes above every game.
    data.writeManager("-5");
    gtypGame.FileName.clear();
    EXPECT_EQ(gfSaveScoreData(), data.gamePath(15));

    // Whatever holds a game's name is passed over, a link or a folder too.
    data.writeManager("15");
    std::filesystem::create_directory(data.gamePath(16));
    ASSERT_EQ(::symlink("nowhere", data.gamePath(17).c_str()), 0);
    gtypGame.FileName.clear();
    EXPECT_EQ(gfSaveScoreData(), data.gamePath(18));
}

TEST_F(GameFileTest, ADamagedCounterWithNoRoomAboveItStillLetsNewGamesBeSaved) {
    forms::doubles::TestDesktop desk;
    testsupport::GameEntry other;
    data.writeGame(3, other);
    for (const char* counter : {"99999999999", "1e10", "2147483647"}) {
        SCOPED_TRACE(counter);
        std::filesystem::remove(data.gamePath(4));
        data.writeManager(counter);
        gtypGame.FileName.clear();
        // Counted as lost: the next number is one past the highest game.
        EXPECT_EQ(gfSaveScoreData(), data.gamePath(4));
        EXPECT_EQ(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"), "4");
    }
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(GameFileTest, NumbersPastFiveDigitsGetMoreDigits) {
    data.writeManager("99999");
    EXPECT_EQ(gfSaveScoreData(), data.gamesFolder() + "/game100000.lmg");
    EXPECT_EQ(gameFileName(7), "game00007.lmg");
}

TEST_F(GameFileTest, ALeftoverWorkFileIsReplaced) {
    testsupport::writeBytes(data.gamesFolder() + "/TempGame.tmp", "half a game");
    const std::string path = gfSaveScoreData();
    EXPECT_NE(readBytes(path).find("[Management]\r\n"), std::string::npos);
    EXPECT_FALSE(files::fileExists(data.gamesFolder() + "/TempGame.tmp"));
}

TEST_F(GameFileTest, LinksNamedLikeTheWorkFilesAreNeverWrittenThrough) {
    setUpTwoPlayerGame();
    const std::string target = home.file("precious.txt");
    for (const char* work : {"TempGame.tmp", "TempGame2.tmp"}) {
        for (bool dangling : {false, true}) {
            testsupport::writeBytes(target, "not a game");
            const std::string link = data.gamesFolder() + "/" + work;
            const std::string pointsAt = dangling ? home.file("nothing-here") : target;
            ASSERT_EQ(::symlink(pointsAt.c_str(), link.c_str()), 0);
            gtypGame.FileName.clear();
            const std::string path = gfSaveScoreData();
            ASSERT_NE(path, "") << work;
            EXPECT_EQ(readBytes(path), kGoldenFile) << work;
            EXPECT_EQ(readBytes(target), "not a game") << work;
            EXPECT_FALSE(std::filesystem::exists(home.file("nothing-here"))) << work;
            EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link))) << work;
        }
    }
}

TEST_F(GameFileTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
    forms::doubles::TestDesktop desk;
    setUpTwoPlayerGame();
    const std::string path = gfSaveScoreData();
    ASSERT_EQ(readBytes(path), kGoldenFile);
    gtypScorePacks.clear(); // what a failed save must not reach the file

    struct Case {
        const char* what;
        files::fault::Kind kind;
        const char* pathPart;
    } cases[] = {
        {"the work file cannot be written", files::fault::Kind::WriteAfterBytes, "TempGame.tmp"},
        {"the work file cannot be flushed", files::fault::Kind::Flush, "TempGame.tmp"},
        {"the test copy fails", files::fault::Kind::Copy, "TempGame2.tmp"},
        {"the test copy cannot be deleted", files::fault::Kind::Remove, "TempGame2.tmp"},
        {"the game file cannot be replaced", files::fault::Kind::Rename, "game00001.lmg"},
    };
    for (const Case& c : cases) {
        desk.boxes.clear();
        files::fault::arm(c.kind, 10, 1, c.pathPart);
        EXPECT_EQ(gfSaveScoreData(), "") << c.what;
        files::fault::clear();
        EXPECT_EQ(readBytes(path), kGoldenFile) << c.what;
        ASSERT_EQ(desk.messages().size(), 1u) << c.what;
        EXPECT_EQ(desk.lastMessage().prompt, "スコア・データの保存に失敗しました。");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
        EXPECT_EQ(desk.lastMessage().title, "System error");
        EXPECT_EQ(gtypGame.FileName, "game00001.lmg");
    }

    // The next save goes through, whatever a failed one left behind.
    EXPECT_EQ(gfSaveScoreData(), path);
    EXPECT_NE(readBytes(path), kGoldenFile);
    EXPECT_FALSE(files::fileExists(data.gamesFolder() + "/TempGame.tmp"));
    EXPECT_FALSE(files::fileExists(data.gamesFolder() + "/TempGame2.tmp"));
}

TEST_F(GameFileTest, AReadOnlyGameFileIsKeptAndTheSaveFails) {
    forms::doubles::TestDesktop desk;
    setUpTwoPlayerGame();
    const std::string path = gfSaveScoreData();
    ASSERT_EQ(readBytes(path), kGoldenFile);
    ::chmod(path.c_str(), 0444);
    gtypScorePacks.clear();

    EXPECT_EQ(gfSaveScoreData(), "");
    EXPECT_EQ(readBytes(path), kGoldenFile);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "スコア・データの保存に失敗しました。");
    ::chmod(path.c_str(), 0644);
}

TEST_F(GameFileTest, AFailedNewGameUsesUpItsNumber) {
    forms::doubles::TestDesktop desk;
    data.writeManager("11");

    // The counter cannot be raised: nothing is taken, nothing written.
    files::fault::arm(files::fault::Kind::WriteAfterBytes, 0, 1, "manager.dat");
    EXPECT_EQ(gfSaveScoreData(), "");
    EXPECT_EQ(gtypGame.FileName, "");
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"), "11");

    // The counter was raised, then the game file failed: the number stays used.
    files::fault::arm(files::fault::Kind::WriteAfterBytes, 0, 1, "TempGame.tmp");
    EXPECT_EQ(gfSaveScoreData(), "");
    EXPECT_EQ(gtypGame.FileName, "game00012.lmg");
    EXPECT_EQ(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"), "12");
    EXPECT_FALSE(files::fileExists(data.gamePath(12)));
    EXPECT_EQ(desk.messages().size(), 2u);

    EXPECT_EQ(gfSaveScoreData(), data.gamePath(13));
}
