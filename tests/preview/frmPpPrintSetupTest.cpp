#include <gtest/gtest.h>

#include "core/globals.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/frmPpPrintSetup.h"

#include <functional>
#include <string>
#include <vector>

namespace sim = forms::sim;

namespace {

class PrintRange : public testing::Test {
protected:
    PrintRange() {
        resetSharedGlobals();
        frmPpPrintSetup::gintStartPage = frmPpPrintSetup::gintEndPage = 0;
    }
    // Shows the dialog for `pages` pages with `script`.
    void show(int16_t pages, const std::function<void(frmPpPrintSetup&)>& script) {
        frmPpPrintSetup::gintPageMax = pages;
        frmPpPrintSetup d;
        desk.runModal(d, [&] { script(d); });
        if (d.Loaded()) d.Unload();
    }
    static std::vector<std::string> items(const forms::ComboBox& list) {
        std::vector<std::string> out;
        for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
        return out;
    }

    forms::doubles::TestDesktop desk;
};

TEST_F(PrintRange, OffersEveryPageWithTheWholeReportAndOneCopyChosen) {
    show(12, [](frmPpPrintSetup& d) {
        EXPECT_EQ(d.cobStartPage.ListCount(), 12);
        EXPECT_EQ(d.cobStartPage.List(4), " 5 ﾍﾟｰｼﾞ");
        EXPECT_EQ(d.cobEndPage.List(11), " 12 ﾍﾟｰｼﾞ");
        EXPECT_EQ(d.cobEndPage.ItemData(11), 12);
        EXPECT_EQ(d.cobStartPage.ListIndex(), 0);
        EXPECT_EQ(d.cobEndPage.ListIndex(), 11);
        EXPECT_EQ(d.txtCopy.Text(), "1");
        EXPECT_EQ(gintDlgRet, -1);
        sim::click(d.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(frmPpPrintSetup::gintStartPage, 1);
    EXPECT_EQ(frmPpPrintSetup::gintEndPage, 12);
    EXPECT_EQ(frmPpPrintSetup::gintCopy, 1);
}

TEST_F(PrintRange, OnePageIsBothFirstAndLast) {
    show(1, [](frmPpPrintSetup& d) {
        EXPECT_EQ(items(d.cobStartPage), (std::vector<std::string>{" 1 ﾍﾟｰｼﾞ"}));
        EXPECT_EQ(items(d.cobEndPage), (std::vector<std::string>{" 1 ﾍﾟｰｼﾞ"}));
        sim::typeText(d.txtCopy, "3");
        sim::click(d.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(frmPpPrintSetup::gintStartPage, 1);
    EXPECT_EQ(frmPpPrintSetup::gintEndPage, 1);
    EXPECT_EQ(frmPpPrintSetup::gintCopy, 3);
}

TEST_F(PrintRange, AFirstPageAfterTheLastIsRefused) {
    show(3, [&](frmPpPrintSetup& d) {
        sim::chooseItem(d.cobStartPage, 2);
        sim::chooseItem(d.cobEndPage, 1);
        sim::click(d.btnOK);
        EXPECT_EQ(desk.lastMessage().prompt, "開始ﾍﾟｰｼﾞ > 最終ﾍﾟｰｼﾞになってます。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_TRUE(d.Loaded());
        sim::chooseItem(d.cobEndPage, 2); // the same page is fine
        sim::click(d.btnOK);
        EXPECT_FALSE(d.Loaded());
    });
    EXPECT_EQ(frmPpPrintSetup::gintStartPage, 3);
    EXPECT_EQ(frmPpPrintSetup::gintEndPage, 3);
}

TEST_F(PrintRange, CopiesAreOneToNineHundredNinetyNine) {
    for (const char* wrong : {"0", "00", "000", ""}) {
        show(2, [&](frmPpPrintSetup& d) {
            desk.boxes.clear();
            d.txtCopy.setText(wrong);
            sim::click(d.btnOK);
            EXPECT_EQ(desk.lastMessage().prompt, "部数は1～999を指定してください。") << wrong;
            EXPECT_EQ(d.ActiveControl(), &d.txtCopy) << wrong;
            EXPECT_EQ(d.txtCopy.Text(), wrong); // nothing is corrected
            sim::click(d.btnCancel);
        });
        EXPECT_EQ(gintDlgRet, -1);
    }
    show(2, [](frmPpPrintSetup& d) {
        sim::typeText(d.txtCopy, "007");
        sim::click(d.btnOK);
    });
    EXPECT_EQ(frmPpPrintSetup::gintCopy, 7);
}

TEST_F(PrintRange, TheCopiesBoxTakesThreeDigitsOnly) {
    show(2, [&](frmPpPrintSetup& d) {
        const long beeps = desk.beeps();
        sim::typeText(d.txtCopy, "1a-2345");
        EXPECT_EQ(d.txtCopy.Text(), "123");
        EXPECT_EQ(desk.beeps() - beeps, 2);
        sim::click(d.btnCancel);
    });
}

TEST_F(PrintRange, NoPagesLeaveOnlyCancel) {
    show(0, [&](frmPpPrintSetup& d) {
        EXPECT_FALSE(d.cobStartPage.Enabled());
        EXPECT_FALSE(d.cobEndPage.Enabled());
        EXPECT_FALSE(d.btnOK.Enabled());
        sim::pressKey(d, forms::vbKeyF8);
        EXPECT_TRUE(d.Loaded());
        EXPECT_TRUE(desk.messages().empty());
        sim::pressKey(d, forms::vbKeyEscape);
        EXPECT_FALSE(d.Loaded());
    });
    EXPECT_EQ(gintDlgRet, -1);
}

TEST_F(PrintRange, KeysAcceptAndCancel) {
    struct Case {
        int16_t key;
        bool inCopies;
        int16_t result;
    } cases[] = {{forms::vbKeyReturn, true, 0},  {forms::vbKeyF8, false, 0},  {forms::vbKeyEscape, true, -1},
                 {forms::vbKeyF9, false, -1},    {forms::vbKeyF12, true, -1}};
    for (const Case& c : cases) {
        show(2, [&](frmPpPrintSetup& d) {
            if (c.inCopies) sim::focus(d.txtCopy);
            else sim::focus(d.cobStartPage);
            sim::pressKey(d, c.key);
            EXPECT_FALSE(d.Loaded()) << c.key;
        });
        EXPECT_EQ(gintDlgRet, c.result) << c.key;
    }
}

} // namespace
