#include <gtest/gtest.h>

#include "core/globals.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/Printing.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/text/RuntimeError.h"
#include "preview/modPpFormBmp.h"
#include "preview/modPpPreview.h"

#include <string>
#include <vector>

using forms::doubles::Drawing;
using Kind = forms::doubles::Drawing::Kind;

namespace {

// A report stand-in: each load lays out "page/count" at the page's top left.
class Paged : public forms::Form {
public:
    Paged(double width = 11310, double height = 14985) : Form("frmPaged") {
        setBorderStyle(forms::vbBSNone);
        setClientSize(width, height);
        lblPage.Move(0, 0, 3000, 255);
    }
    forms::Label lblPage{*this, "lblPage"};
    int loads = 0;

private:
    void Form_Load() override {
        ++loads;
        lblPage.setCaption(std::to_string(gintPrintPageNo) + "/" + std::to_string(gintPrintPageCount));
    }
};

class Engine : public testing::Test {
protected:
    ~Engine() override {
        setPreviewWindow(nullptr);
        gintPrinting = 0;
    }
    std::vector<std::string> texts() const { return rec.texts(); }

    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
};

TEST_F(Engine, DirectPrintIsOneDocumentWithPaperAndOrientationOnEveryPage) {
    Paged frm;
    gsPrintDirect(frm, nullptr, 3, 10, 0);
    EXPECT_EQ(texts(), (std::vector<std::string>{"1/3", "2/3", "3/3"}));
    const auto pages = rec.of(Kind::StartPage);
    ASSERT_EQ(pages.size(), 3u);
    for (const Drawing& p : pages) EXPECT_EQ(p.setup, (forms::PageSetup{1, 9}));
    EXPECT_EQ(rec.of(Kind::NewPage).size(), 2u);
    EXPECT_EQ(rec.of(Kind::EndDoc).size(), 1u);
    EXPECT_EQ(rec.drawings.back().kind, Kind::EndDoc);
    EXPECT_EQ(rec.documents, 1);
    EXPECT_EQ(frm.loads, 3);
    EXPECT_FALSE(frm.Loaded()); // every page is one load and one unload
    EXPECT_EQ(gintPrinting, 1);
    EXPECT_EQ(gintPrintPageNo, 4);
}

TEST_F(Engine, NoPagesPrintsOnePageAndASquareWindowPrintsLandscape) {
    Paged square(5000, 5000);
    gsPrintDirect(square, nullptr, 0, 10, 0);
    EXPECT_EQ(texts(), (std::vector<std::string>{"1/1"}));
    EXPECT_EQ(rec.of(Kind::StartPage).at(0).setup.Orientation, 2);
    EXPECT_EQ(rec.of(Kind::EndDoc).size(), 1u);
}

TEST_F(Engine, OffsetsInMillimetresMoveThePrint) {
    struct Case {
        int32_t mm;
        int32_t twips;
    };
    for (const Case c : {Case{10, 567}, Case{5, 283}, Case{0, 0}, Case{-3, -170}}) {
        rec.drawings.clear();
        Paged frm;
        gsPrintDirect(frm, nullptr, 1, c.mm, c.mm);
        EXPECT_EQ(glngOffsetY, c.twips);
        EXPECT_EQ(glngOffsetX, c.twips);
        const Drawing t = rec.of(Kind::Text).at(0);
        EXPECT_EQ(t.x, c.twips);
        EXPECT_EQ(t.y, c.twips);
    }
    Paged frm;
    EXPECT_THROW(gsPrintDirect(frm, nullptr, 1, 40000, 0), text::RuntimeError); // past 16 bits
}

TEST_F(Engine, PreviewStartsOnPageOneWithTheWindowAndThePaperSet) {
    Paged landscape(14985, 11310);
    forms::Form owner("frmOwner");
    bool shown = false;
    setPreviewWindow([&](forms::Form* o) {
        shown = true;
        EXPECT_EQ(o, &owner);
        EXPECT_EQ(gfrmPrintForm, &landscape);
        EXPECT_EQ(gintPrintPageNo, 1);
        EXPECT_EQ(gintPrintPageCount, 1);
        EXPECT_EQ(gintPrinting, 0);
        EXPECT_EQ(gintOffsetYmm, 10);
        EXPECT_EQ(gintOffsetXmm, 0);
        EXPECT_EQ(glngOffsetY, 0); // the preview converts the millimetres itself
        EXPECT_EQ(forms::printer().Orientation(), 2);
        EXPECT_EQ(forms::printer().PaperSize(), 9);
        EXPECT_EQ(gdblZoom, (std::array<double, 3>{1.0, 0.75, 0.5}));
        EXPECT_EQ(gstrPreviewBmp[1], gstrTempFolder + "/tmpPreview075");
    });
    gsPrintPreview(landscape, &owner, 0, 10, 0);
    EXPECT_TRUE(shown);
    EXPECT_EQ(gfrmPrintForm, nullptr);
    EXPECT_TRUE(rec.drawings.empty());
}

TEST_F(Engine, CopiesOfAPageRangeAreDocumentsOfOneJobShowingTheFullCount) {
    Paged frm;
    setPreviewWindow([](forms::Form*) {
        gPrinter(*gfrmPrintForm, 2, 3, 2);
        EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
        EXPECT_EQ(gintPrinting, 0);
    });
    gsPrintPreview(frm, nullptr, 5, 10, 0);
    EXPECT_EQ(texts(), (std::vector<std::string>{"2/5", "3/5", "2/5", "3/5"}));
    EXPECT_EQ(rec.of(Kind::EndDoc).size(), 2u);
    EXPECT_EQ(rec.of(Kind::NewPage).size(), 2u);
    EXPECT_EQ(rec.documents, 2);
    EXPECT_EQ(rec.jobs, 1);
    for (const Drawing& p : rec.of(Kind::StartPage)) EXPECT_EQ(p.setup.PaperSize, 9);
}

TEST_F(Engine, AStartAfterTheEndPrintsNothingAndResetsTheState) {
    Paged frm;
    gintPrinting = 1;
    gPrinter(frm, 3, 2, 1);
    EXPECT_TRUE(rec.drawings.empty());
    EXPECT_EQ(frm.loads, 0);
    EXPECT_EQ(gintPrinting, 0);
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
}

} // namespace
