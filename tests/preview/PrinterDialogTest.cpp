#include <gtest/gtest.h>

#include "core/globals.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/PrinterDialog.h"

#include <functional>

namespace sim = forms::sim;

namespace {

class Printers : public testing::Test {
protected:
    Printers() { rec.printers = {"Office", "Lab"}; }
    void show(const std::function<void(PrinterDialog&)>& script) {
        PrinterDialog d;
        desk.runModal(d, [&] { script(d); });
        if (d.Loaded()) d.Unload();
    }
    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
};

TEST_F(Printers, ListsTheDesktopsPrintersThenThePdfFile) {
    rec.choosePrinter("Lab");
    show([](PrinterDialog& d) {
        ASSERT_EQ(d.lstPrinter.ListCount(), 3);
        EXPECT_EQ(d.lstPrinter.List(2), "PDF ファイル");
        EXPECT_EQ(d.lstPrinter.ListIndex(), 1);
        EXPECT_FALSE(d.txtPdf.Enabled());
        sim::chooseItem(d.lstPrinter, 0);
        sim::click(d.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(rec.chosenPrinter(), "Office");
}

TEST_F(Printers, APdfFileNeedsAName) {
    show([&](PrinterDialog& d) {
        sim::chooseItem(d.lstPrinter, 2);
        EXPECT_TRUE(d.txtPdf.Enabled());
        d.txtPdf.setText("  ");
        sim::click(d.btnOK);
        EXPECT_EQ(desk.lastMessage().prompt, "PDF ファイルの名前を入力してください。");
        EXPECT_EQ(d.ActiveControl(), &d.txtPdf);
        d.txtPdf.setText("/tmp/out.pdf");
        sim::click(d.btnOK);
    });
    EXPECT_EQ(rec.chosenPrinter(), "");
    EXPECT_EQ(rec.chosenPdf(), "/tmp/out.pdf");
}

TEST_F(Printers, CancelKeepsTheChoice) {
    rec.choosePdf("/tmp/a.pdf");
    show([](PrinterDialog& d) {
        EXPECT_EQ(d.lstPrinter.ListIndex(), 2);
        EXPECT_EQ(d.txtPdf.Text(), "/tmp/a.pdf");
        sim::chooseItem(d.lstPrinter, 0);
        sim::pressKey(d, forms::vbKeyEscape);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(rec.chosenPdf(), "/tmp/a.pdf");
}

} // namespace
