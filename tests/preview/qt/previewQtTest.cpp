// The preview as a real window over real page pictures: pictures for people
// to look at (LUMORA_SCREENSHOTS=<folder>), and printing a range from it
// into one PDF file read back with pdftotext.
#include "support/CommandOutput.h"
#include "../previewFixture.h"

#include "platform/forms/Services.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "preview/PrinterDialog.h"
#include "preview/frmPpAdjust.h"
#include "preview/frmPpPreview.h"
#include "preview/frmPpPrintSetup.h"
#include "reports/game/modPfPreparePrint.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using qtui::testing::QtDesktop;
namespace sim = forms::sim;

namespace {

using testsupport::run;
using testsupport::squeezed;

struct Installed {
    explicit Installed(forms::PrintService& s) { forms::setPrintService(&s); }
    ~Installed() { forms::setPrintService(nullptr); }
};

class PreviewQt : public ::testing::Test {
protected:
    PreviewQt() { qtui::testing::application(); }
    previewfixture::Folders folders;
    std::string pdf = folders.home.file("preview.pdf");
    qtui::QtPrintService service{pdf};
    Installed installed{service};
};

TEST_F(PreviewQt, Pictures) {
    QtDesktop desk;
    reportfixture::makeGame(previewfixture::playersFor(2));
    bool shown = false;
    setPreviewWindow([&](forms::Form*) {
        frmPpPreview f;
        ASSERT_TRUE(desk.show(f));
        shown = true;
        // The pictures are real bitmaps of the printable area at screen resolution.
        const QImage full(QString::fromStdString(pfBmpFileName(0, 1))), half(QString::fromStdString(pfBmpFileName(2, 1)));
        EXPECT_EQ(full.width(), 762);  // 11426 twips
        EXPECT_EQ(half.height(), 545); // 16358 twips at 50 %
        EXPECT_TRUE(f.VScroll1.Visible());
        qtui::saveScreenshotIfAsked(f, "frmPpPreview-100");
        sim::click(f.mnu75Per);
        qtui::saveScreenshotIfAsked(f, "frmPpPreview-075");
        // Real keys page: F9 to the next page.
        QtDesktop::key(Qt::Key_F9);
        EXPECT_EQ(gintPrintPageNo, 2);
        EXPECT_EQ(f.mnuPageNo.Caption(), "(2/2)");
        sim::click(f.mnu50Per);
        EXPECT_FALSE(f.VScroll1.Visible());
        qtui::saveScreenshotIfAsked(f, "frmPpPreview-050");
        f.Unload();
    });
    EXPECT_FALSE(gfPrintEntryList(0, nullptr));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(folders.pictures().empty());

    frmPpPrintSetup::gintPageMax = 5;
    frmPpPrintSetup range;
    ASSERT_TRUE(desk.show(range));
    qtui::saveScreenshotIfAsked(range, "frmPpPrintSetup");
    range.Unload();
    gintOffsetXmm = 0;
    gintOffsetYmm = 10;
    frmPpAdjust adjust;
    ASSERT_TRUE(desk.show(adjust));
    qtui::saveScreenshotIfAsked(adjust, "frmPpAdjust");
    adjust.Unload();
    PrinterDialog printers;
    ASSERT_TRUE(desk.show(printers));
    qtui::saveScreenshotIfAsked(printers, "PrinterDialog");
    printers.Unload();
}

// With no saved geometry on a screen smaller than the design size, the
// window opens as large as the screen, so its bars and edges stay on it.
TEST_F(PreviewQt, WithNothingSavedTheWindowFitsASmallScreen) {
    QtDesktop desk;
    reportfixture::makeGame(previewfixture::playersFor(1));
    const double screenWidth = forms::Screen::Width(), screenHeight = forms::Screen::Height();
    bool shown = false;
    setPreviewWindow([&](forms::Form*) {
        frmPpPreview f;
        ASSERT_GT(f.Width(), screenWidth) << "the test screen is narrower than the design";
        f.Load();
        EXPECT_EQ(f.Width(), screenWidth);
        EXPECT_LE(f.Height(), screenHeight);
        EXPECT_GE(f.Left(), 0);
        EXPECT_GE(f.Top(), 0);
        EXPECT_LE(f.Left() + f.Width(), screenWidth);
        EXPECT_LE(f.Top() + f.Height(), screenHeight);
        ASSERT_TRUE(desk.show(f));
        shown = true;
        qtui::saveScreenshotIfAsked(f, "frmPpPreview-small-screen");
        f.Unload();
    });
    EXPECT_FALSE(gfPrintEntryList(0, nullptr));
    EXPECT_TRUE(shown);
}

// The adjustment's captions read whole in their labels, units and signs
// included.
TEST_F(PreviewQt, TheAdjustmentsCaptionsFitTheirLabels) {
    QtDesktop desk;
    frmPpAdjust adjust;
    ASSERT_TRUE(desk.show(adjust));
    for (int i = 0; i < 4; ++i) {
        const forms::Label& label = adjust.Label1[i];
        EXPECT_LE(forms::TextWidth(label.font(), label.Caption()), label.Width()) << label.Caption();
    }
    adjust.Unload();
}

TEST_F(PreviewQt, PagesTwoToThreeTwiceGoIntoOneFile) {
    forms::doubles::TestDesktop desk;
    reportfixture::makeGame(previewfixture::playersFor(3));
    desk.modal.add<frmPpPreview>([&](frmPpPreview& f) {
        desk.modal.add<frmPpPrintSetup>([](frmPpPrintSetup& d) {
            sim::chooseItem(d.cobStartPage, 1);
            sim::typeText(d.txtCopy, "2");
            sim::pressKey(d, forms::vbKeyF8);
        });
        sim::click(f.mnuPrint_Print);
        sim::click(f.mnuEnd);
    });
    EXPECT_FALSE(gfPrintEntryList(0, nullptr));
    EXPECT_NE(run("pdfinfo '" + pdf + "'").find("Pages:           4"), std::string::npos);
    const char* titles[] = {"参加一覧（2/3）", "参加一覧（3/3）", "参加一覧（2/3）", "参加一覧（3/3）"};
    for (int n = 1; n <= 4; ++n) {
        const std::string page =
            squeezed(run("pdftotext -f " + std::to_string(n) + " -l " + std::to_string(n) + " '" + pdf + "' -"));
        EXPECT_NE(page.find(titles[n - 1]), std::string::npos) << n << "\n" << page;
    }
}

} // namespace
