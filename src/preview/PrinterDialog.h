#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/TextBox.h"

// The preview's printer dialog: chooses where this program prints, one of
// the desktop's printers or a PDF file, for the rest of its run. Paper and
// orientation are not offered (always A4 in the report's orientation), and
// the desktop's default printer is never changed. OK sets gintDlgRet 0 and
// the print service's choice; cancelling leaves both (gintDlgRet -1).
class PrinterDialog : public DialogWindow {
public:
    PrinterDialog();

    forms::Label lblPrinter{*this, "lblPrinter"};
    forms::ListBox lstPrinter{*this, "lstPrinter"};
    forms::Label lblPdf{*this, "lblPdf"};
    forms::TextBox txtPdf{*this, "txtPdf"};
    forms::CommandButton btnOK{*this, "btnOK"};
    forms::CommandButton btnCancel{*this, "btnCancel"};

    // The last entry of the list: printing into a PDF file.
    static constexpr const char* PdfEntry = "PDF ファイル";

protected:
    void Form_Load() override;

private:
    bool pdfChosen() const { return lstPrinter.ListIndex() == lstPrinter.ListCount() - 1; }
    void lstPrinter_Click();
    void btnOK_Click();
};
