#include "preview/PrinterDialog.h"

#include "core/globals.h"
#include "platform/forms/Printing.h"
#include "platform/forms/Services.h"
#include "platform/text/Strings.h"

PrinterDialog::PrinterDialog() : DialogWindow("PrinterDialog", "ﾌﾟﾘﾝﾀ設定", 6000, 3600) {
    lblPrinter.Move(240, 240, 5520, 255);
    lblPrinter.setCaption("プリンタ：");
    lstPrinter.Move(240, 540, 5520, 1620);
    lblPdf.Move(240, 2280, 5520, 255);
    lblPdf.setCaption("PDF ファイル：");
    txtPdf.Move(240, 2580, 5520, 345);
    txtPdf.setIMEMode(forms::vbIMEDisable);
    btnOK.Move(3000, 3060, 1275, 375);
    btnOK.setCaption("OK");
    btnOK.setDefault(true);
    btnCancel.Move(4485, 3060, 1275, 375);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.setCancel(true);

    lstPrinter.Click = [this] { lstPrinter_Click(); };
    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] {
        gintDlgRet = -1;
        Unload();
    };
}

// The desktop's printers, then the PDF file; the current choice selected.
void PrinterDialog::Form_Load() {
    gintDlgRet = -1;
    forms::PrintService& service = forms::printService();
    const std::string chosen = service.chosenPrinter();
    txtPdf.setText(service.chosenPdf());
    int selected = -1;
    for (const std::string& name : service.printerNames()) {
        lstPrinter.AddItem(name);
        if (name == chosen) selected = lstPrinter.NewIndex();
    }
    lstPrinter.AddItem(PdfEntry);
    lstPrinter.setListIndex(chosen.empty() || selected < 0 ? lstPrinter.NewIndex() : selected);
    lstPrinter_Click();
}

void PrinterDialog::lstPrinter_Click() { txtPdf.setEnabled(pdfChosen()); }

void PrinterDialog::btnOK_Click() {
    forms::PrintService& service = forms::printService();
    if (pdfChosen()) {
        const std::string path = text::Trim(txtPdf.Text());
        if (path.empty()) {
            forms::MsgBox("PDF ファイルの名前を入力してください。", forms::vbOKOnly, std::string("エラー"));
            txtPdf.SetFocus();
            return;
        }
        service.choosePdf(path);
    } else {
        service.choosePrinter(lstPrinter.List(lstPrinter.ListIndex()));
    }
    gintDlgRet = 0;
    Unload();
}
