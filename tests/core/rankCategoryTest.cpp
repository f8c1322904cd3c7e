#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/rankOneGame.h"
#include "rankFixture.h"

namespace {

using Category = RankGame;

TEST_F(Category, Titles) {
    struct Case { int16_t gender, low, high; std::string title; } cases[] = {
        {0, -1, -1, "総合"},
        {2, 70, -1, "部門別（女子：70歳～）"},
        {1, 60, 69, "部門別（男子：60歳～69歳）"},
        {1, 60, 60, "部門別（男子：60歳）"},
        {2, -1, -1, "部門別（女子）"},
        {0, -1, 59, "部門別（～59歳）"},
        {0, 60, -1, "部門別（60歳～）"},
        {0, 0, 9, "部門別（0歳～9歳）"},
        {1, 70, 60, "部門別（男子：70歳）"},
        {3, -1, -1, "総合"},
    };
    for (const auto& c : cases) {
        gtypGame.CategoryGender = c.gender;
        gtypGame.CategoryAgeLow = c.low;
        gtypGame.CategoryAgeHigh = c.high;
        EXPECT_EQ(gfGetCategoryTitle(), c.title) << c.gender << " " << c.low << " " << c.high;
    }
}

// Rows of ids 1..n with the given ranks; the players in `dropped` are women,
// the others men, and the category keeps the men.
TEST_F(Category, KeptRowsAreRenumberedAndStillShareRanks) {
    struct Case { std::vector<int32_t> ranks; std::set<int32_t> dropped; std::vector<int32_t> renumbered; } cases[] = {
        {{1, 1, 3, 4}, {2}, {1, 2, 3}},
        {{1, 1, 3, 4}, {1}, {1, 2, 3}},
        {{1, 1, 3, 4}, {}, {1, 1, 3, 4}},
        {{1, 2, 2, 4, 5}, {1}, {1, 1, 3, 4}},
        {{1, 2, 2, 4, 5}, {2}, {1, 2, 3, 4}},
        {{1, 1, 1}, {1}, {1, 1}},
        {{1, 2}, {1, 2}, {}},
        {{}, {}, {}},
    };
    for (const auto& c : cases) {
        resetSharedGlobals();
        newGame(9, 1);
        gtypGame.CategoryGender = 1;
        for (std::size_t i = 0; i < c.ranks.size(); ++i) {
            const auto id = static_cast<int32_t>(i + 1);
            registerPlayer(id, "", c.dropped.count(id) ? 2 : 1);
            typRankRow& r = gtypRankRows.append();
            r.IDNo = id;
            r.Rank = c.ranks[i];
        }
        gsFilterCategory("2010/06/15");
        EXPECT_EQ(ranks(), c.renumbered);
        for (const typRankRow& r : gtypRankRows) EXPECT_EQ(c.dropped.count(r.IDNo), 0u);
    }
}

TEST_F(Category, AgeBoundsAreInclusiveAndNeedADateOfBirth) {
    newGame(9, 1);
    gtypGame.CategoryGender = 2;
    gtypGame.CategoryAgeLow = 60;
    gtypGame.CategoryAgeHigh = 69;
    registerPlayer(1, "1950/06/16", 2); // 59
    registerPlayer(2, "1950/06/15", 2); // 60
    registerPlayer(3, "1940/06/16", 2); // 69
    registerPlayer(4, "1940/06/15", 2); // 70
    registerPlayer(5, "", 2);
    registerPlayer(6, "1950/06/15", 1); // a man of 60
    registerPlayer(8, "1955/13/01", 2); // not a date
    for (int32_t id = 1; id <= 8; ++id) {       // 7 is not registered
        typRankRow& r = gtypRankRows.append();
        r.IDNo = id;
        r.Rank = id;
    }
    gsFilterCategory("2010/06/15");
    EXPECT_EQ(rankedIDs(), (std::vector<int32_t>{2, 3}));
    EXPECT_EQ(ranks(), (std::vector<int32_t>{1, 2}));

    gtypGame.CategoryGender = 0;
    gtypGame.CategoryAgeHigh = -1; // 60 and over, either gender
    gtypRankRows.clear();
    for (int32_t id = 1; id <= 8; ++id) gtypRankRows.append().IDNo = id;
    gsFilterCategory("2010/06/15");
    EXPECT_EQ(rankedIDs(), (std::vector<int32_t>{2, 3, 4, 6}));
}

TEST_F(Category, WithoutACategoryNothingChanges) {
    newGame(9, 1);
    for (int32_t id : {5, 6}) {
        typRankRow& r = gtypRankRows.append();
        r.IDNo = id; // unregistered players stay too
        r.Rank = 1;
    }
    gsFilterCategory("2010/06/15");
    EXPECT_EQ(rankedIDs(), (std::vector<int32_t>{5, 6}));
    EXPECT_EQ(ranks(), (std::vector<int32_t>{1, 1}));
}

} // namespace
