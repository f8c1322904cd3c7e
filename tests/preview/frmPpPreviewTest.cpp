#include <gtest/gtest.h>

#include "previewFixture.h"

#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/PrinterDialog.h"
#include "preview/frmPpAdjust.h"
#include "preview/frmPpPreview.h"
#include "preview/frmPpPrintSetup.h"
#include "preview/modPpFormBmp.h"
#include "preview/modPpPreview.h"
#include "reports/game/modPfPreparePrint.h"
#include "support/TempHome.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sim = forms::sim;
namespace fs = std::filesystem;

namespace {

// The recording printer's printable area: A4 less 240 twips all round.
constexpr double AreaWidth = 11906 - 480;

class Preview : public testing::Test {
protected:
    // Opens the preview of an entry list of `pages` pages and runs `script` in it.
    void preview(int pages, const std::function<void(frmPpPreview&)>& script) {
        reportfixture::makeGame(previewfixture::playersFor(pages));
        bool ran = false;
        desk.modal.add<frmPpPreview>([&](frmPpPreview& f) {
            ran = true;
            script(f);
            if (f.Loaded()) sim::click(f.mnuEnd);
        });
        EXPECT_FALSE(gfPrintEntryList(0, nullptr));
        EXPECT_TRUE(ran);
    }
    static std::vector<std::string> pageFiles(int page) {
        const std::string n = std::to_string(page);
        return {"tmpPreview050-" + n + ".bmp", "tmpPreview075-" + n + ".bmp", "tmpPreview100-" + n + ".bmp"};
    }
    static bool endsWith(const std::string& s, const std::string& tail) { return s.ends_with(tail); }

    previewfixture::Folders folders;
    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
};

TEST_F(Preview, PagesAreDrawnOnceIntoThreePicturesAndDeletedAtClosing) {
    // Leftovers of an earlier run go at opening; other files stay.
    testsupport::writeBytes(gstrTempFolder + "/tmpPreview100-9.bmp", "old");
    testsupport::writeBytes(gstrTempFolder + "/keep.txt", "mine");
    preview(3, [&](frmPpPreview& f) {
        EXPECT_EQ(folders.pictures(), pageFiles(1));
        EXPECT_EQ(rec.pictures, 3);
        EXPECT_EQ(f.mnuPageNo.Caption(), "(1/3)");
        EXPECT_TRUE(endsWith(f.imgForm.Picture(), "/tmpPreview100-1.bmp"));

        sim::click(f.mnuNPage);
        EXPECT_EQ(gintPrintPageNo, 2);
        EXPECT_EQ(f.mnuPageNo.Caption(), "(2/3)");
        EXPECT_EQ(rec.pictures, 6);
        EXPECT_TRUE(endsWith(f.imgForm.Picture(), "/tmpPreview100-2.bmp"));

        sim::click(f.mnuBPage); // page 1 again: its pictures are still there
        sim::click(f.mnu75Per);
        EXPECT_EQ(rec.pictures, 6);
        EXPECT_EQ(gintPrintPageNo, 1);
        EXPECT_TRUE(endsWith(f.imgForm.Picture(), "/tmpPreview075-1.bmp"));
    });
    EXPECT_TRUE(folders.pictures().empty());
    EXPECT_TRUE(fs::exists(gstrTempFolder + "/keep.txt"));
    // The report window is never left loaded.
    EXPECT_TRUE(forms::Form::loadedForms().empty());
}

TEST_F(Preview, ClosingSavesTheNormalGeometry) {
    preview(1, [](frmPpPreview& f) {
        f.Move(300, 450, 9000, 6000);
        // Maximised by the user: the window grows, its normal bounds stay.
        f.dispatchWindowState(forms::vbMaximized);
        f.dispatchResize(28000, 15000);
        f.dispatchMoved(0, 0);
    });
    EXPECT_EQ(folders.setting("Preview_WindowState"), "2");
    EXPECT_EQ(folders.setting("Preview_Width"), "9000");
    EXPECT_EQ(folders.setting("Preview_Height"), "6000");
    EXPECT_EQ(folders.setting("Preview_Top"), "450");
    EXPECT_EQ(folders.setting("Preview_Left"), "300");
}

TEST_F(Preview, SavedGeometryAppliesOnlyWithAWidthAndIsCappedToTheScreen) {
    const double screenW = forms::Screen::Width(), screenH = forms::Screen::Height();
    struct Case {
        const char *width, *height, *state;
        double expectWidth, expectHeight;
        int16_t expectState;
    } cases[] = {
        {"", "5000", "2", -1, -1, forms::vbNormal},   // no width: nothing applies
        {"0", "5000", "2", -1, -1, forms::vbNormal},  // a width of 0 neither
        {"8000", "5000", "1", 8000, 5000, forms::vbNormal}, // minimised opens normal
        {"8000", "0", "2", 8000, -1, forms::vbMaximized},
        {"999999", "999999", "", screenW, screenH, forms::vbNormal},
        {"-3000", "-3000", "", -1, -1, forms::vbNormal}, // no inner area: the design size
        {"15", "8000", "", -1, 8000, forms::vbNormal},
    };
    double designWidth = 0, designHeight = 0;
    {
        frmPpPreview design;
        designWidth = design.Width();
        designHeight = design.Height();
    }
    for (const Case& c : cases) {
        gfWriteIniFile(gstrIniFile, "WindowSize", "Preview_Width", c.width);
        gfWriteIniFile(gstrIniFile, "WindowSize", "Preview_Height", c.height);
        gfWriteIniFile(gstrIniFile, "WindowSize", "Preview_WindowState", c.state);
        preview(1, [&](frmPpPreview& f) {
            EXPECT_EQ(f.Width(), c.expectWidth < 0 ? designWidth : c.expectWidth) << c.width;
            EXPECT_EQ(f.Height(), c.expectHeight < 0 ? designHeight : c.expectHeight) << c.width;
            EXPECT_EQ(f.WindowState(), c.expectState) << c.width;
            EXPECT_GE(f.Left(), 0);
            EXPECT_LE(f.Left() + f.Width(), screenW);
        });
    }
}

TEST_F(Preview, AOnePageReportHasNoPagingAndIgnoresF8AndF9) {
    for (int16_t closeKey : {forms::vbKeyEscape, forms::vbKeyF12}) {
        preview(1, [&](frmPpPreview& f) {
            for (forms::Menu* m : {&f.mnuSpace1, &f.mnuBPage, &f.mnuNPage, &f.mnuSpace2, &f.mnuPageNo})
                EXPECT_FALSE(m->Visible()) << m->Name();
            EXPECT_FALSE(f.mnuPrintAdjust.Visible() || f.mnuPrintAdjust.Enabled());
            EXPECT_FALSE(f.mnuPrinterSetup.Visible() || f.mnuPrinterSetup.Enabled());
            sim::pressKey(f, forms::vbKeyF8);
            sim::pressKey(f, forms::vbKeyF9);
            EXPECT_TRUE(desk.messages().empty());
            EXPECT_TRUE(f.Loaded());
            sim::pressKey(f, closeKey);
            EXPECT_FALSE(f.Loaded());
        });
    }
}

TEST_F(Preview, PagingStopsAtBothEndsWithAMessage) {
    preview(3, [&](frmPpPreview& f) {
        EXPECT_TRUE(f.mnuBPage.Visible() && f.mnuPageNo.Visible());
        sim::pressKey(f, forms::vbKeyF8);
        EXPECT_EQ(desk.lastMessage().prompt, "前ページはありません。");
        EXPECT_EQ(desk.lastMessage().title, "ﾌﾟﾚﾋﾞｭｰ");
        EXPECT_EQ(gintPrintPageNo, 1);
        sim::pressKey(f, forms::vbKeyF9);
        sim::pressKey(f, forms::vbKeyF9);
        EXPECT_EQ(desk.messages().size(), 1u);
        sim::click(f.mnuNPage);
        EXPECT_EQ(desk.lastMessage().prompt, "次ページはありません。");
        EXPECT_EQ(gintPrintPageNo, 3);
        EXPECT_EQ(f.mnuPageNo.Caption(), "(3/3)");
    });
}

TEST_F(Preview, ThePageIsCentredAcrossThePrintableWidthAndMovedTenMillimetresDown) {
    preview(2, [&](frmPpPreview& f) {
        EXPECT_EQ(glngOffsetY, 567);
        EXPECT_EQ(glngOffsetX, 58); // (11426 - 11310) / 2
        EXPECT_EQ(f.imgForm.Left(), 58);
        EXPECT_EQ(f.imgForm.Top(), 567);
        EXPECT_EQ(f.picPrintArea.Left(), 240);
        EXPECT_EQ(f.picPrintArea.Width(), AreaWidth);
        // Red strokes run outward from the corners, halfway to the edge.
        EXPECT_EQ(f.linMark[1].X2(), 120);
        EXPECT_EQ(f.linMark[1].Y2(), 240);
        EXPECT_EQ(f.linMark[1].BorderColor(), forms::RGB(255, 0, 0));
        sim::click(f.mnu50Per);
        sim::click(f.mnuNPage); // the offsets hold on every page
        EXPECT_EQ(f.imgForm.Left(), 29);
        EXPECT_EQ(f.imgForm.Top(), 283.5);
        EXPECT_EQ(f.picPaper.Width(), 11906 / 2.0);
    });
}

TEST_F(Preview, ScrollBarsShowOnlyWhenThePaperDoesNotFit) {
    preview(1, [&](frmPpPreview& f) {
        // The design window at 50 %: the paper fits, centred, without bars.
        sim::click(f.mnu50Per);
        EXPECT_FALSE(f.VScroll1.Visible());
        EXPECT_FALSE(f.HScroll1.Visible());
        EXPECT_FALSE(f.picCorner.Visible());
        EXPECT_EQ(f.picPaper.Left(), (12390 - 11906 / 2.0) / 2);
        EXPECT_EQ(f.picPaper.Top(), 0);

        // At 100 % in a small window both bars and the corner show.
        sim::click(f.mnu100Per);
        f.dispatchResize(6000, 4000);
        ASSERT_TRUE(f.VScroll1.Visible() && f.HScroll1.Visible());
        EXPECT_TRUE(f.picCorner.Visible());
        EXPECT_EQ(f.picCorner.Left(), 6000 - 255);
        EXPECT_EQ(f.picCorner.Top(), 4000 - 255);
        EXPECT_EQ(f.picPaper.Left(), 0);
        EXPECT_EQ(f.VScroll1.Max(), 16838 - (4000 - 255));
        EXPECT_EQ(f.HScroll1.Max(), 11906 - (6000 - 255));
        EXPECT_EQ(f.VScroll1.LargeChange(), 1333);
        sim::scroll(f.VScroll1, 700);
        sim::scroll(f.HScroll1, 300);
        EXPECT_EQ(f.picPaper.Top(), -700);
        EXPECT_EQ(f.picPaper.Left(), -300);

        // Grown again, the paper fits in width: centred, the bar goes.
        f.dispatchResize(13000, 4000);
        EXPECT_FALSE(f.HScroll1.Visible());
        EXPECT_FALSE(f.picCorner.Visible());
        EXPECT_EQ(f.picPaper.Left(), (13000 - 255 - 11906) / 2.0);
        EXPECT_EQ(f.picPaper.Top(), -700);
        // A window with no client area changes nothing.
        f.dispatchResize(0, 0);
        EXPECT_TRUE(f.VScroll1.Visible());
    });
}

TEST_F(Preview, AnotherPrinterRedrawsTheShownPageForItsArea) {
    rec.printers = {"Office", "recording"};
    preview(3, [&](frmPpPreview& f) {
        sim::click(f.mnuNPage);
        ASSERT_EQ(rec.pictures, 6);
        // The same printer changes nothing.
        desk.modal.add<PrinterDialog>([](PrinterDialog& d) {
            EXPECT_EQ(d.lstPrinter.ListIndex(), 1);
            sim::click(d.btnOK);
        });
        sim::click(f.mnuPrint_Setup);
        EXPECT_EQ(rec.pictures, 6);
        EXPECT_EQ(folders.pictures().size(), 6u);

        desk.modal.add<PrinterDialog>([&](PrinterDialog& d) {
            sim::chooseItem(d.lstPrinter, 0);
            rec.printableWidth = 11000; // the new printer's area
            sim::click(d.btnOK);
        });
        sim::click(f.mnuPrint_Setup);
        EXPECT_EQ(rec.name, "Office");
        EXPECT_EQ(folders.pictures(), pageFiles(2));
        EXPECT_EQ(rec.pictures, 9);
        EXPECT_EQ(gintPrintPageNo, 2);
        EXPECT_EQ(f.mnuPageNo.Caption(), "(2/3)");
        EXPECT_EQ(f.areaWidth(), 11000);
        EXPECT_EQ(f.picPrintArea.Width(), 11000);
        EXPECT_EQ(glngOffsetX, 0); // a narrower area scales the page to its width
    });
}

TEST_F(Preview, PrintingARangeGoesThroughTheRangeDialogAndKeepsThePage) {
    preview(3, [&](frmPpPreview& f) {
        sim::click(f.mnuNPage);
        desk.modal.add<frmPpPrintSetup>([](frmPpPrintSetup& d) {
            EXPECT_EQ(d.cobEndPage.ListCount(), 3);
            sim::click(d.btnCancel);
        });
        sim::click(f.mnuPrint_Print);
        EXPECT_EQ(rec.documents, 0);

        desk.modal.add<frmPpPrintSetup>([](frmPpPrintSetup& d) {
            sim::chooseItem(d.cobStartPage, 1);
            sim::typeText(d.txtCopy, "2\r");
        });
        const size_t drawnBefore = rec.drawings.size();
        sim::click(f.mnuPrint_Print);
        EXPECT_EQ(rec.documents, 2);
        std::vector<std::string> titles;
        for (size_t i = drawnBefore; i < rec.drawings.size(); ++i)
            if (rec.drawings[i].text.starts_with("参加一覧")) titles.push_back(rec.drawings[i].text);
        EXPECT_EQ(titles, (std::vector<std::string>{"参加一覧（2/3）", "参加一覧（3/3）", "参加一覧（2/3）",
                                                    "参加一覧（3/3）"}));
        EXPECT_EQ(gintPrintPageNo, 2);
        EXPECT_EQ(gintPrinting, 0);
        EXPECT_TRUE(endsWith(f.imgForm.Picture(), "/tmpPreview100-2.bmp"));
    });
}

TEST_F(Preview, APrintWhoseOutputCannotBeWrittenWholeSaysSo) {
    rec.jobFails = true;
    preview(2, [&](frmPpPreview& f) {
        desk.modal.add<frmPpPrintSetup>([](frmPpPrintSetup& d) { sim::typeText(d.txtCopy, "1\r"); });
        sim::click(f.mnuPrint_Print);
        EXPECT_EQ(rec.documents, 1);
        ASSERT_EQ(desk.messages().size(), 1u);
        EXPECT_NE(desk.lastMessage().prompt.find("mnuPrint_Print_Click(): プリンタ エラーです。"), std::string::npos)
            << desk.lastMessage().prompt;
        EXPECT_EQ(gintPrinting, 0);
        EXPECT_TRUE(f.Loaded());
    });
}

TEST_F(Preview, PicturesThatCannotBeWrittenAreToldOnceAndRedrawnWhenMissing) {
    rec.savesFail = true;
    preview(2, [&](frmPpPreview& f) {
        ASSERT_EQ(desk.messages().size(), 1u);
        EXPECT_TRUE(desk.lastMessage().prompt.starts_with("プレビュー準備に失敗しました。\r\n書き込みできません。"));
        EXPECT_EQ(f.imgForm.Picture(), "");
        sim::click(f.mnuNPage);
        sim::click(f.mnu50Per);
        EXPECT_EQ(desk.messages().size(), 1u);
        EXPECT_EQ(gintPrintPageNo, 2);
        EXPECT_TRUE(f.Loaded());

        // Once pictures can be written again, a missing one is drawn anew.
        rec.savesFail = false;
        sim::click(f.mnu100Per);
        EXPECT_EQ(folders.pictures(), pageFiles(2));
        fs::remove(gstrTempFolder + "/tmpPreview075-2.bmp");
        sim::click(f.mnu75Per);
        EXPECT_EQ(folders.pictures(), pageFiles(2));
        EXPECT_TRUE(endsWith(f.imgForm.Picture(), "/tmpPreview075-2.bmp"));
    });
}

TEST_F(Preview, TheHiddenAdjustmentMovesThePageForLaterPrints) {
    preview(1, [&](frmPpPreview& f) {
        f.mnuPrintAdjust.setVisible(true);
        f.mnuPrintAdjust.setEnabled(true);
        desk.modal.add<frmPpAdjust>([](frmPpAdjust& d) { sim::click(d.btnCancel); });
        sim::click(f.mnuPrintAdjust);
        EXPECT_EQ(glngOffsetX, 58);

        desk.modal.add<frmPpAdjust>([](frmPpAdjust& d) {
            sim::scroll(d.scrYoko, 5);
            sim::scroll(d.scrTate, -10);
            sim::pressKey(d, forms::vbKeyF12);
        });
        sim::click(f.mnu50Per);
        sim::click(f.mnuPrintAdjust);
        EXPECT_EQ(glngOffsetX, 283);
        EXPECT_EQ(glngOffsetY, -567);
        EXPECT_EQ(f.imgForm.Left(), 141.5);
        EXPECT_EQ(f.imgForm.Top(), -283.5);
    });
}

} // namespace
