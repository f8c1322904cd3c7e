#include <gtest/gtest.h>

#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/frmPpAdjust.h"
#include "preview/modPpPreview.h"

#include <functional>

namespace sim = forms::sim;

namespace {

class Adjust : public testing::Test {
protected:
    ~Adjust() override { gintOffsetXmm = gintOffsetYmm = 0; }
    void show(int16_t xmm, int16_t ymm, const std::function<void(frmPpAdjust&)>& script) {
        gintOffsetXmm = xmm;
        gintOffsetYmm = ymm;
        gintAdjustRet = 5;
        frmPpAdjust d;
        desk.runModal(d, [&] { script(d); });
        if (d.Loaded()) d.Unload();
    }
    forms::doubles::TestDesktop desk;
};

TEST_F(Adjust, OpensWithTheOffsetsAndAcceptsThemUnchanged) {
    show(0, 10, [](frmPpAdjust& d) {
        EXPECT_EQ(d.lblYoko.Caption(), "0");
        EXPECT_EQ(d.lblTate.Caption(), "10");
        EXPECT_EQ(gintAdjustRet, -1);
        sim::click(d.btnReturn);
    });
    EXPECT_EQ(gintAdjustRet, 0);
    EXPECT_EQ(gintOffsetXmm, 0);
    EXPECT_EQ(gintOffsetYmm, 10);
}

TEST_F(Adjust, OffsetsBeyondThirtyOpenAtTheNearerBound) {
    show(45, -31, [](frmPpAdjust& d) {
        EXPECT_EQ(d.lblYoko.Caption(), "30");
        EXPECT_EQ(d.lblTate.Caption(), "-30");
        EXPECT_EQ(d.scrYoko.Max(), 30);
        EXPECT_EQ(d.scrTate.Min(), -30);
        sim::pressKey(d, forms::vbKeyF12);
    });
    EXPECT_EQ(gintAdjustRet, 0);
    EXPECT_EQ(gintOffsetXmm, 30);
    EXPECT_EQ(gintOffsetYmm, -30);
}

TEST_F(Adjust, CancellingAfterSpinningKeepsTheOffsets) {
    for (bool byEsc : {false, true}) {
        show(0, 10, [&](frmPpAdjust& d) {
            sim::scroll(d.scrYoko, -12);
            sim::scroll(d.scrTate, 25);
            EXPECT_EQ(d.lblYoko.Caption(), "-12");
            EXPECT_EQ(d.lblTate.Caption(), "25");
            if (byEsc) sim::pressKey(d, forms::vbKeyEscape);
            else sim::click(d.btnCancel);
        });
        EXPECT_EQ(gintAdjustRet, -1);
        EXPECT_EQ(gintOffsetXmm, 0);
        EXPECT_EQ(gintOffsetYmm, 10);
    }
}

TEST_F(Adjust, TheValueOfTheSpinButtonInUseTurnsWhite) {
    show(0, 0, [](frmPpAdjust& d) {
        const forms::Color grey = forms::RGB(224, 224, 224);
        sim::focus(d.scrYoko);
        EXPECT_EQ(d.lblYoko.BackColor(), forms::vbWhite);
        sim::focus(d.scrTate);
        EXPECT_EQ(d.lblYoko.BackColor(), grey);
        EXPECT_EQ(d.lblTate.BackColor(), forms::vbWhite);
        sim::click(d.btnCancel);
    });
}

} // namespace
