// Player and affiliation look-ups by ID, and the counts of the current game.
#include <gtest/gtest.h>

#include "core/globals.h"
#include "core/gameRecords.h"
#include "core/helpers.h"
#include "core/players.h"

namespace {

typPlayerInfo player(int32_t id, std::string name, int16_t gender, std::string birthday, int32_t belong,
                     std::string location, int16_t state = 0) {
    typPlayerInfo p;
    p.ID = id;
    p.Name = std::move(name);
    p.Gender = gender;
    p.Birthday = std::move(birthday);
    p.BelongID = belong;
    p.Location = std::move(location);
    p.State = state;
    return p;
}

class PlayerLookupTest : public testing::Test {
protected:
    PlayerLookupTest() {
        gtypPlayers = {
            player(3, "山田太郎", 1, "1950/6/15", 1, "北海道札幌市中央区"),
            player(8, "Hanako", 2, "", 2, "Otaru"),
            player(9, "No One", 0, "abc", 0, ""),
            player(12, "Gone", 1, "1980/01/01", 7, "", 2),
            player(3, "Second Three", 2, "", 0, ""),
        };
        gtypBelongs = {typBelongInfo{1, "札幌中央スポーツ協会", "  ", 0, 0},
                       typBelongInfo{2, "Otaru Club", "OTC", 2, 0}};
    }
    ~PlayerLookupTest() override { resetSharedGlobals(); }
};

} // namespace

TEST_F(PlayerLookupTest, FindsTheFirstPlayerWithTheID) {
    EXPECT_EQ(gfGetPlayerName(3), "山田太郎");
    EXPECT_EQ(gfGetPlayerIndex(3), 0);
    EXPECT_EQ(gfGetPlayerIndex(12), 3); // deleted players are found too
    EXPECT_EQ(gfGetPlayerName(12), "Gone");
    EXPECT_EQ(gfGetPlayerIndex(99), -1);
}

TEST_F(PlayerLookupTest, AMissingIDGivesEmptyTexts) {
    EXPECT_EQ(gfGetPlayerName(99), "");
    EXPECT_EQ(gfGetPlayerGender(99, 0), "");
    EXPECT_EQ(gfGetPlayerBirthday(99), "");
    EXPECT_EQ(gfGetPlayerAge(99, "2009/10/12"), "");
    EXPECT_EQ(gfGetPlayerBelongName(99), "");
    EXPECT_EQ(gfGetPlayerBelongShort(99), "");
    EXPECT_EQ(gfGetPlayerLocation(99), "");
}

TEST_F(PlayerLookupTest, GenderMarks) {
    EXPECT_EQ(gfGetPlayerGender(3, 0), "男");
    EXPECT_EQ(gfGetPlayerGender(3, 1), "M");
    EXPECT_EQ(gfGetPlayerGender(8, 0), "女");
    EXPECT_EQ(gfGetPlayerGender(8, -1), "F");
    EXPECT_EQ(gfGetPlayerGender(9, 0), "-");
}

TEST_F(PlayerLookupTest, BirthdayAndAge) {
    EXPECT_EQ(gfGetPlayerBirthday(3), "1950/06/15");
    EXPECT_EQ(gfGetPlayerBirthday(8), "");
    EXPECT_EQ(gfGetPlayerBirthday(9), "");
    EXPECT_EQ(gfGetPlayerAge(3, "2009/06/14"), "58");
    EXPECT_EQ(gfGetPlayerAge(3, "2009/06/15"), "59");
    EXPECT_EQ(gfGetPlayerAge(9, "2009/06/15"), "-");
    EXPECT_EQ(gfGetPlayerAge(3, "someday"), "-");
}

TEST_F(PlayerLookupTest, AffiliationAndPlace) {
    EXPECT_EQ(gfGetPlayerBelongName(3), "札幌中央スポーツ協会");
    EXPECT_EQ(gfGetPlayerBelongShort(3), "札幌中央ス"); // a blank short name falls back to the name
    EXPECT_EQ(gfGetPlayerBelongName(8), "Otaru Club"); // deleted affiliations still answer
    EXPECT_EQ(gfGetPlayerBelongShort(8), "OTC");
    EXPECT_EQ(gfGetPlayerBelongName(9), "");  // no affiliation
    EXPECT_EQ(gfGetPlayerBelongName(12), ""); // an affiliation that is not registered
    EXPECT_EQ(gfGetPlayerBelongShort(12), "");
    EXPECT_EQ(gfGetPlayerLocation(3), "北海道札幌");
    EXPECT_EQ(gfGetPlayerLocation(8), "Otaru");
}

// The index a list makes once finds what the look-ups find, the first of two
// players with one ID included, and gives the same texts.
TEST_F(PlayerLookupTest, AnIndexFindsWhatTheLookUpsFind) {
    const auto gameDate = text::parseDate("2010/06/14");
    auto check = [&gameDate](std::initializer_list<int32_t> ids) {
        const PlayerIndex index;
        for (int32_t id : ids) {
            const typPlayerInfo* p = index.find(id);
            EXPECT_EQ(p, findPlayer(id)) << id;
            EXPECT_EQ(p ? p->Name : "", gfGetPlayerName(id)) << id;
            EXPECT_EQ(playerGenderText(p, 0), gfGetPlayerGender(id, 0)) << id;
            EXPECT_EQ(playerBirthdayText(p), gfGetPlayerBirthday(id)) << id;
            if (p) {
                EXPECT_EQ(wholeAgeText(playerBirthDate(p), gameDate), gfGetPlayerAge(id, "2010/06/14")) << id;
            }
        }
    };
    check({3, 8, 9, 12, 99, 0, -1, 13});
    // IDs far apart or below zero (a hand-edited registry) are found all the same.
    gtypPlayers.append(player(2000000000, "Far", 1, "", 0, ""));
    gtypPlayers.append(player(-4, "Below", 2, "1960/01/01", 0, ""));
    gtypPlayers.append(player(-4, "Below again", 1, "", 0, ""));
    check({3, 8, 12, 99, 2000000000, -4, -1, 1999999999});
    const PlayerIndex index;
    EXPECT_EQ(index.find(-4)->Name, "Below");
    EXPECT_EQ(index.find(3)->Name, "山田太郎");
    EXPECT_EQ(wholeAgeText(playerBirthDate(index.find(3)), gameDate), "59");
    EXPECT_EQ(wholeAgeText(playerBirthDate(index.find(3)), std::nullopt), "-");
}

TEST_F(PlayerLookupTest, CountsEntrantsAndTeams) {
    EXPECT_EQ(gfCountEntry(), 0);
    EXPECT_EQ(gfCountTeam(), 0);
    for (auto [id, team] : {std::pair{5, "A"}, {5, " A"}, {7, ""}, {5, "B"}, {7, "  "}, {8, "a"}}) {
        typScoreData row;
        row.IDNo = id;
        row.TeamID = team;
        gtypScores.append(row);
    }
    EXPECT_EQ(gfCountEntry(), 3);
    EXPECT_EQ(gfCountTeam(), 3); // "A", "B" and "a": case counts

    // A stored game: rising IDs, three rows each; a hundred teams taking
    // turns, each written with and without a trailing blank.
    gtypScores.clear();
    for (int32_t id = 1; id <= 300; ++id) {
        for (int16_t round = 1; round <= 3; ++round) {
            typScoreData row;
            row.IDNo = id;
            row.RoundNo = round;
            row.TeamID = "チーム" + std::to_string(id % 100) + (id > 150 ? " " : "");
            gtypScores.append(row);
        }
    }
    EXPECT_EQ(gfCountEntry(), 300);
    EXPECT_EQ(gfCountTeam(), 100);
    gtypScores[400].IDNo = 1; // no longer rising: the repeated ID counts once
    EXPECT_EQ(gfCountEntry(), 300);
}
