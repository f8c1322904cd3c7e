#include "tally/frmCategory.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace sim = forms::sim;

namespace {

struct Category {
    int gender, low, high;
    bool operator==(const Category&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Category& c) {
    return os << c.gender << "/" << c.low << "/" << c.high;
}

Category stored() { return {gtypGame.CategoryGender, gtypGame.CategoryAgeLow, gtypGame.CategoryAgeHigh}; }

void store(const Category& c) {
    gtypGame.CategoryGender = static_cast<int16_t>(c.gender);
    gtypGame.CategoryAgeLow = static_cast<int16_t>(c.low);
    gtypGame.CategoryAgeHigh = static_cast<int16_t>(c.high);
}

// List positions of an age (or -1 for " 指定なし") in the lower and upper lists.
int lowerPos(int age) { return age < 0 ? 0 : age + 1; }
int upperPos(int age) { return age < 0 ? 121 : age; }

class frmCategoryTest : public ::testing::Test {
protected:
    frmCategoryTest() {
        resetSharedGlobals();
        gtypGame.Tittle = "春季大会";
        gintDlgRet = 99;
    }

    // Opens the dialog over the stored category and runs `script` in it.
    void run(const Category& start, const std::function<void(frmCategory&)>& script) {
        store(start);
        frmCategory f;
        desk.runModal(f, [&] { script(f); });
        EXPECT_FALSE(f.Visible());
    }

    static Category shown(const frmCategory& f) {
        int gender = -1;
        for (int i = 0; i < 3; ++i)
            if (f.optGender[i].Value()) gender = i;
        auto bound = [](const forms::ComboBox& c) { return c.ListIndex() < 0 ? -99 : c.ItemData(c.ListIndex()); };
        return {gender, bound(f.cobAge[0]), bound(f.cobAge[1])};
    }

    forms::doubles::TestDesktop desk;
};

} // namespace

TEST_F(frmCategoryTest, OpensWithTheStoredCategoryAndBothAgeLists) {
    run({1, 60, 69}, [&](frmCategory& f) {
        EXPECT_EQ(f.Caption(), "部門別の設定");
        EXPECT_EQ(gintDlgRet, -1);
        EXPECT_EQ(shown(f), (Category{1, 60, 69}));
        const forms::ComboBox &low = f.cobAge[0], &high = f.cobAge[1];
        ASSERT_EQ(low.ListCount(), 122);
        ASSERT_EQ(high.ListCount(), 122);
        EXPECT_EQ(low.List(0), " 指定なし");
        EXPECT_EQ(low.ItemData(0), -1);
        EXPECT_EQ(low.List(1), "   0 歳");
        EXPECT_EQ(low.List(66), "  65 歳");
        EXPECT_EQ(low.List(121), " 120 歳");
        EXPECT_EQ(high.List(0), "   0 歳");
        EXPECT_EQ(high.List(120), " 120 歳");
        EXPECT_EQ(high.List(121), " 指定なし");
        EXPECT_EQ(high.ItemData(121), -1);
        for (int p = 0; p <= 120; ++p) ASSERT_EQ(high.ItemData(p), low.ItemData(p + 1)) << p;
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(stored(), (Category{1, 60, 69}));
    EXPECT_EQ(gtypGame.Tittle, "春季大会");
}

// A change that crosses the bounds pulls the other list to the age just
// chosen; an open bound never moves the other one.
TEST_F(frmCategoryTest, AChangedBoundKeepsTheLowerAtOrBelowTheUpper) {
    struct Case {
        Category start;
        int list, age; // the list changed (0 lower, 1 upper) and the age chosen (-1 open)
        int low, high;
    } cases[] = {
        {{0, 60, 69}, 0, 75, 75, 75},  {{0, 60, 69}, 1, 50, 50, 50},  {{0, 60, 69}, 0, 69, 69, 69},
        {{0, 60, 69}, 1, 60, 60, 60},  {{0, 65, 65}, 0, 64, 64, 65},  {{0, 60, 69}, 0, 120, 120, 120},
        {{0, 60, 69}, 1, 0, 0, 0},     {{0, -1, 40}, 1, 10, -1, 10},  {{0, -1, 40}, 0, 100, 100, 100},
        {{0, 30, -1}, 0, 100, 100, -1}, {{0, 60, 69}, 0, -1, -1, 69}, {{0, 60, 69}, 1, -1, 60, -1},
    };
    for (const Case& c : cases) {
        run(c.start, [&](frmCategory& f) {
            sim::chooseItem(f.cobAge[c.list], c.list == 0 ? lowerPos(c.age) : upperPos(c.age));
            sim::click(f.btnOK);
        });
        EXPECT_EQ(stored(), (Category{0, c.low, c.high}))
            << "from " << c.start << " list " << c.list << " to " << c.age;
    }
}

TEST_F(frmCategoryTest, CrossedStoredBoundsAreShownAndKeptUntilAListChanges) {
    run({2, 70, 60}, [&](frmCategory& f) {
        EXPECT_EQ(shown(f), (Category{2, 70, 60}));
        sim::click(f.btnOK);
    });
    EXPECT_EQ(stored(), (Category{2, 70, 60}));
    run({2, 70, 60}, [&](frmCategory& f) {
        sim::chooseItem(f.cobAge[1], upperPos(65));
        sim::click(f.btnOK);
    });
    EXPECT_EQ(stored(), (Category{2, 65, 65}));
}

TEST_F(frmCategoryTest, OverallResetsTheChoiceButWritesOnlyOnOk) {
    run({2, 60, 69}, [&](frmCategory& f) {
        sim::click(f.btnFullEntry);
        EXPECT_TRUE(f.Visible());
        EXPECT_EQ(shown(f), (Category{0, -1, -1}));
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(stored(), (Category{2, 60, 69}));
    run({2, 60, 69}, [&](frmCategory& f) {
        sim::click(f.btnFullEntry);
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(stored(), (Category{0, -1, -1}));
}

TEST_F(frmCategoryTest, AGenderWithoutAgesIsStoredWithOpenBounds) {
    run({0, -1, -1}, [&](frmCategory& f) {
        sim::click(f.optGender[2]);
        sim::click(f.btnOK);
    });
    EXPECT_EQ(stored(), (Category{2, -1, -1}));
}

TEST_F(frmCategoryTest, EscAndTheCloseBoxCancelWithoutWriting) {
    for (const bool esc : {true, false}) {
        run({1, 20, 30}, [&](frmCategory& f) {
            sim::click(f.optGender[2]);
            sim::chooseItem(f.cobAge[0], lowerPos(50));
            if (esc) sim::pressKey(f, forms::vbKeyEscape);
            else sim::closeBox(f);
        });
        EXPECT_EQ(gintDlgRet, -1) << esc;
        EXPECT_EQ(stored(), (Category{1, 20, 30})) << esc;
    }
}

// A hand-edited game file can hold values outside the dialog's choices: the
// gender falls back to "指定なし", an age outside the lists selects nothing
// and OK then stores the open bound.
TEST_F(frmCategoryTest, StoredValuesOutsideTheChoicesOpenAndStoreTheNeutralValues) {
    run({7, 150, 65}, [&](frmCategory& f) {
        EXPECT_EQ(shown(f), (Category{0, -99, 65}));
        sim::chooseItem(f.cobAge[1], upperPos(10)); // nothing to keep in order against
        sim::click(f.btnOK);
    });
    EXPECT_EQ(stored(), (Category{0, -1, 10}));
}
