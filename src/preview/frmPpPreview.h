#pragma once
#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ScrollBar.h"

#include <cstdint>
#include <string>

// The print preview: the pages of the report in gfrmPrintForm as pictures on
// an image of the paper, one page at a time, at 100 %, 75 % or 50 %, and the
// printing of a page range. Each page visited is drawn once into three work
// pictures in gstrTempFolder (tmpPreview100-<page>.bmp, tmpPreview075-...,
// tmpPreview050-...); zooming and going back only show another picture.
//
// Reads gfrmPrintForm, gintPrintPageCount, gintOffsetXmm/Ymm, gstrPreviewBmp,
// gdblZoom and the chosen printer; writes gintPrintPageNo (the page shown),
// glngOffsetX/Y (twips, used when printing), gintPrinting, and the
// [WindowSize] "Preview_*" keys of gstrIniFile when it closes.
class frmPpPreview : public forms::Form {
public:
    frmPpPreview();

    forms::PictureBox picPaper{*this, "picPaper"};
    forms::PictureBox picPrintArea{picPaper, "picPrintArea"};
    forms::Image imgForm{picPrintArea, "imgForm"};
    // The red strokes at the corners of the printable area.
    forms::ControlArray<forms::Line> linMark{picPaper, "linMark", {0, 1, 2, 3, 4, 5, 6, 7}};
    forms::VScrollBar VScroll1{*this, "VScroll1"};
    forms::HScrollBar HScroll1{*this, "HScroll1"};
    forms::PictureBox picCorner{*this, "picCorner"};
    forms::PictureBox picBmp{*this, "picBmp"};

    forms::Menu mnuEnd{*this, "mnuEnd"};
    forms::Menu mnuSize{*this, "mnuSize"};
    forms::Menu mnu100Per{mnuSize, "mnu100Per"};
    forms::Menu mnu75Per{mnuSize, "mnu75Per"};
    forms::Menu mnu50Per{mnuSize, "mnu50Per"};
    forms::Menu mnuPrint{*this, "mnuPrint"};
    forms::Menu mnuPrint_Setup{mnuPrint, "mnuPrint_Setup"};
    forms::Menu mnuPrint_Print{mnuPrint, "mnuPrint_Print"};
    forms::Menu mnuPrintAdjust{*this, "mnuPrintAdjust"};
    forms::Menu mnuPrinterSetup{*this, "mnuPrinterSetup"};
    forms::Menu mnuSpace1{*this, "mnuSpace1"};
    forms::Menu mnuBPage{*this, "mnuBPage"};
    forms::Menu mnuNPage{*this, "mnuNPage"};
    forms::Menu mnuSpace2{*this, "mnuSpace2"};
    forms::Menu mnuPageNo{*this, "mnuPageNo"};

    // The zoom index shown: 0 (100 %), 1 (75 %), 2 (50 %).
    int16_t zoomIndex() const { return mintZoom; }
    // The printer metrics in use, twips.
    int32_t paperWidth() const { return mlngPaperWidth; }
    int32_t areaWidth() const { return mlngAreaWidth; }

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_KeyDown(int16_t& KeyCode, int16_t Shift) override;
    void Form_Unload(int16_t& Cancel) override;

private:
    // Opening and closing (frmPpPreview.cpp).
    void psLoadGeometry();
    void psSaveGeometry();
    void keepNormalBounds();
    void mnuEnd_Click();
    // Pictures and the page shown (frmPpPreviewPages.cpp).
    void psGetPrinterInfo();
    void psMakePageBmp();
    bool psEnsurePageBmp();
    void psDspPage();
    void psDspPageNo();
    void psDrawMarks();
    void psSetScrollBar();
    void psSetScrollValue();
    void psSetCorner();
    void psPlacePaper();
    void psKillBmpFiles();
    void psRefreshPages();
    void psGoToPage(int16_t page);
    void psZoom(int16_t zoom);
    void mnuBPage_Click();
    void mnuNPage_Click();
    void VScroll1_Change();
    void HScroll1_Change();
    // Printer and printing (frmPpPreviewPrint.cpp).
    void mnuPrint_Setup_Click();
    void mnuPrint_Print_Click();
    void mnuPrintAdjust_Click();
    void mnuPrinterSetup_Click();

    int16_t mintZoom = 0;
    int16_t mintPlaced = 0;
    int32_t mlngPaperWidth = 0, mlngPaperHeight = 0;
    int32_t mlngAreaWidth = 0, mlngAreaHeight = 0, mlngAreaLeft = 0, mlngAreaTop = 0;
    // A failure to make the pictures is told once per opening.
    bool failureShown_ = false;
    // The paper has been laid out once: resizing may place it.
    bool displayed_ = false;
    // The window's last bounds while it was normal, saved at closing.
    double normalLeft_ = 0, normalTop_ = 0, normalWidth_ = 0, normalHeight_ = 0;
};

// The name of a page's work picture at a zoom index.
std::string pfBmpFileName(int zoom, int page);
