// The tally window's size and place: kept in the settings between openings,
// and the layout of its bands and lists at any size.
#include "tally/tallyFixture.h"

#include "platform/forms/Services.h"

#include <string>
#include <vector>

namespace {

// Headless: a 1920 x 1080 screen, a frame of 8 x 38 pixels.
constexpr double kScreenWidth = 1920 * 15, kScreenHeight = 1080 * 15;
constexpr double kDesignWidth = 13890 + 120, kDesignHeight = 9105 + 570;

struct Bounds {
    double left, top, width, height;
    bool operator==(const Bounds&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Bounds& b) {
    return os << "(" << b.left << ", " << b.top << ", " << b.width << " x " << b.height << ")";
}
Bounds boundsOf(const forms::Control& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

class TallyLayoutTest : public TallyTest {
protected:
    TallyLayoutTest() { storeGame(); }

    void stored(const std::string& width, const std::string& height, const std::string& top, const std::string& left,
                const std::string& state) {
        setGeometry("Score_Width", width);
        setGeometry("Score_Height", height);
        setGeometry("Score_Top", top);
        setGeometry("Score_Left", left);
        setGeometry("Score_WindowState", state);
    }
    // The five keys the window wrote, in the order `stored` takes them.
    std::vector<std::string> written() {
        return {geometry("Score_Width"), geometry("Score_Height"), geometry("Score_Top"), geometry("Score_Left"),
                geometry("Score_WindowState")};
    }
};

} // namespace

TEST_F(TallyLayoutTest, StoredGeometryAtOpening) {
    struct Case {
        const char* width;
        const char* height;
        const char* top;
        const char* left;
        const char* state;
        Bounds expected; // top and left of -1: the design's place, centred
        int16_t windowState;
    };
    const double centredLeft = (kScreenWidth - kDesignWidth) / 2, centredTop = (kScreenHeight - kDesignHeight) / 2;
    const Case cases[] = {
        {"15000", "10000", "300", "450", "0", {450, 300, 15000, 10000}, forms::vbNormal},
        // Maximised over the stored normal bounds.
        {"15000", "10000", "300", "450", "2", {450, 300, 15000, 10000}, forms::vbMaximized},
        // A window closed minimised opens normal.
        {"15000", "10000", "300", "450", "1", {450, 300, 15000, 10000}, forms::vbNormal},
        // A blank or 0 width restores nothing at all, not even the state.
        {"", "10000", "300", "450", "2", {centredLeft, centredTop, kDesignWidth, kDesignHeight}, forms::vbNormal},
        {"0", "10000", "300", "450", "2", {centredLeft, centredTop, kDesignWidth, kDesignHeight}, forms::vbNormal},
        {"abc", "10000", "300", "450", "2", {centredLeft, centredTop, kDesignWidth, kDesignHeight}, forms::vbNormal},
        // A stored 0 keeps the design value.
        {"15000", "0", "0", "0", "", {0, 0, 15000, kDesignHeight}, forms::vbNormal},
        // Larger than the screen is cut; the window stays on the screen.
        {"40000", "20000", "-300", "-450", "0", {0, 0, kScreenWidth, kScreenHeight}, forms::vbNormal},
        {"15000", "10000", "16000", "28000", "0", {kScreenWidth - 15000, kScreenHeight - 10000, 15000, 10000},
         forms::vbNormal},
        // Sizes below the minimum and states that never were are ignored.
        {"3000", "-5", "300", "450", "7", {450, 300, kDesignWidth, kDesignHeight}, forms::vbNormal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "/" << c.height << "/" << c.top << "/" << c.left << "/" << c.state);
        stored(c.width, c.height, c.top, c.left, c.state);
        gtypGame = gtypGames[0];
        frmBrenmoor& f = open();
        EXPECT_EQ((Bounds{f.Left(), f.Top(), f.Width(), f.Height()}), c.expected);
        EXPECT_EQ(f.WindowState(), c.windowState);
        tally.reset();
    }
}

TEST_F(TallyLayoutTest, ClosingStoresTheNormalBoundsAndTheState) {
    stored("15000", "10000", "300", "450", "0");
    frmBrenmoor& f = open();
    f.dispatchMoved(600, 750);
    f.dispatchResize(16000 - 120, 11000 - 570);
    f.dispatchWindowState(forms::vbMaximized);
    f.dispatchResize(kScreenWidth - 120, kScreenHeight - 570);
    forms::sim::click(f.btnExit);
    EXPECT_EQ(written(), (std::vector<std::string>{"16000", "11000", "750", "600", "2"}));

    gtypGame = gtypGames[0];
    frmBrenmoor& again = open();
    EXPECT_EQ(again.WindowState(), forms::vbMaximized);
    again.dispatchWindowState(forms::vbMinimized);
    forms::sim::click(again.btnExit);
    EXPECT_EQ(geometry("Score_WindowState"), "1");
}

// Opened maximised and closed so, the window keeps the normal bounds it was
// opened over.
TEST_F(TallyLayoutTest, AWindowNeverShownNormalKeepsItsStoredBounds) {
    stored("15000", "10000", "300", "450", "2");
    for (int i = 0; i < 2; ++i) {
        gtypGame = gtypGames[0];
        frmBrenmoor& f = open();
        ASSERT_EQ(f.WindowState(), forms::vbMaximized);
        forms::sim::click(f.btnExit);
        EXPECT_EQ(written(), (std::vector<std::string>{"15000", "10000", "300", "450", "2"}));
        tally.reset();
    }
}

TEST_F(TallyLayoutTest, TheListsFillTheSpaceBetweenTheBands) {
    frmBrenmoor& f = open();
    for (const auto& [w, h] : std::vector<std::pair<double, double>>{{13890, 9105}, {20000, 12000}, {5880, 5430}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        f.dispatchResize(w, h);
        EXPECT_EQ(boundsOf(f.picTop), (Bounds{0, 0, 10275, 615}));
        EXPECT_EQ(boundsOf(f.picTopR), (Bounds{w - 4335, 0, 4335, 615}));
        EXPECT_EQ(boundsOf(f.picBody), (Bounds{60, 615, w - 120, h - 1230}));
        EXPECT_EQ(boundsOf(f.tabBody), (Bounds{0, 0, w - 120, h - 1230}));
        const Bounds list{f.tabBody.ClientLeft(), f.tabBody.ClientTop(), f.tabBody.ClientWidth(),
                          f.tabBody.ClientHeight()};
        for (uctMyGrid* g : {&f.uctGridList0, &f.uctGridList, &f.uctGridList2, &f.uctGridList4, &f.uctGridList6,
                             &f.uctGridList7})
            EXPECT_EQ(boundsOf(*g), list) << g->Name();
        EXPECT_GE(list.top + list.height, 0);
        EXPECT_LE(list.top + list.height, f.picBody.Height());
        for (forms::PictureBox* p : {&f.picBottomL0, &f.picBottomL1, &f.picBottomL3})
            EXPECT_EQ(boundsOf(*p), (Bounds{0, h - 615, 7035, 615})) << p->Name();
        EXPECT_EQ(boundsOf(f.picBottomR), (Bounds{w - 4095, h - 615, 4095, 615}));
        // The buttons keep their places inside their panels.
        EXPECT_EQ(boundsOf(f.btnExit), (Bounds{2880, 120, 975, 375}));
    }
}

TEST_F(TallyLayoutTest, NeverSmallerThanTheMinimumAndNoLayoutWhileMinimised) {
    frmBrenmoor& f = open();
    f.dispatchResize(3000, 2000);
    EXPECT_EQ(f.Width(), 6000);
    EXPECT_EQ(f.Height(), 6000);
    EXPECT_EQ(f.picBody.Width(), f.ScaleWidth() - 120);

    const Bounds body = boundsOf(f.picBody);
    f.dispatchWindowState(forms::vbMinimized);
    f.dispatchResize(2000, 0);
    EXPECT_EQ(boundsOf(f.picBody), body);
    EXPECT_EQ(f.Width(), 2000 + 120);
    f.dispatchWindowState(forms::vbNormal);
    EXPECT_EQ(f.Width(), 6000);
}
