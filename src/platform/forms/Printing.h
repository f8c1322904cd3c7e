#pragma once
#include "platform/forms/Device.h"
#include "platform/forms/Services.h"
#include "platform/forms/Surface.h"

#include <memory>
#include <string>
#include <vector>

// Printing: the printer object, pictures drawn in memory and the document
// metric, behind a print service of their own. The program installs the Qt
// one (src/platform/qt/QtPrintService); tests install a recording one
// (forms/testing/RecordingPrinter.h); without either a headless service
// measures with the fixed-pitch metric and draws nothing.
namespace forms {

// The paper and its printable area for a page setup, in twips; the area's
// left and top are its offsets on the paper.
struct PageArea {
    double paperWidth = 0, paperHeight = 0;
    double left = 0, top = 0, width = 0, height = 0;
};

class PrintService {
public:
    virtual ~PrintService() = default;

    // The one metric of printed text: labels of report forms and every
    // surface measure with it, so print and preview break lines alike.
    virtual FontMetrics& documentMetrics() = 0;

    // The chosen printer: its name (a PDF file's path for a PDF target) and
    // its paper for a setup.
    virtual std::string deviceName() = 0;
    virtual PageArea pageArea(const PageSetup& setup) = 0;
    // Goes back to the printer the program chose (at start the desktop's
    // default printer, or a PDF file when there is none).
    virtual void followDefaultPrinter() {}
    // The printers the desktop offers (its CUPS queues), by name.
    virtual std::vector<std::string> printerNames() { return {}; }
    // The program's choice for the rest of its run: a printer by name, or a
    // PDF file (chosenPrinter() is then ""). The desktop's own default
    // printer is never changed.
    virtual std::string chosenPrinter() { return ""; }
    virtual std::string chosenPdf() { return ""; }
    virtual void choosePrinter(const std::string& printerName) { (void)printerName; }
    virtual void choosePdf(const std::string& path) { (void)path; }

    // A print document on the chosen printer; its pages start through
    // Device::startPage and it ends with Device::endDoc.
    virtual std::unique_ptr<Device> openDocument() = 0;
    // A print job holds the documents printed between its start and end
    // (the copies of one print): on a PDF target they all go into one file.
    // endJob says whether the job's output was written whole (a PDF file on
    // a full disk is not; the file it replaces then stays as it was).
    virtual void beginJob() {}
    virtual bool endJob() { return true; }

    // A white picture of the given size in screen pixels.
    virtual std::unique_ptr<PictureDevice> openPicture(int widthPixels, int heightPixels) = 0;
};

// Installs the print service; nullptr puts the headless one back.
void setPrintService(PrintService* service);
PrintService& printService();
FontMetrics& documentMetrics();

// The printer object: a Surface on the chosen printer. A document starts
// with the first drawing after the start or the end of the last one; the
// paper (size and orientation) in force when a page starts is that page's.
class Printer : public Surface {
public:
    Printer() = default;
    ~Printer() override;

    int16_t Orientation() const { return setup_.Orientation; } // 1 portrait, 2 landscape
    void setOrientation(int16_t v);
    int16_t PaperSize() const { return setup_.PaperSize; } // 9 = A4
    void setPaperSize(int16_t v);
    std::string DeviceName() { return printService().deviceName(); }
    // Makes the printer follow the program's chosen printer again.
    void followDefault();

    double ScaleWidth() override;
    double ScaleHeight() override;
    // Ends the page (a blank one when nothing was drawn on it yet).
    void NewPage();
    // Ends the page and the document; nothing when no document is open.
    void EndDoc();
    // Drops an open document unfinished (a print that failed half way).
    void KillDoc();

protected:
    Device& output() override;

private:
    friend class PrintJob;
    PageSetup setup_;
    std::unique_ptr<Device> document_;
    bool pageOpen_ = false;
    int jobs_ = 0;
};

Printer& printer();

// Holds one print job on the printer for its lifetime; a document left
// open by an error is dropped when it ends.
class PrintJob {
public:
    PrintJob();
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;
    // Ends the job at once; a run-time error when its output could not be
    // written whole, so that a print is never taken for done when it is not.
    void End();

private:
    bool finish();
    bool ended_ = false;
};

// A picture drawn in memory (the preview's page pictures): a Surface of the
// given size in twips, white to begin with, saved as a Windows bitmap.
class Picture : public Surface {
public:
    Picture(double widthTwips, double heightTwips);
    double ScaleWidth() override { return width_; }
    double ScaleHeight() override { return height_; }
    bool SavePicture(const std::string& path) { return device_->saveBmp(path); }
    // SavePicture in two steps, for a picture drawn no further: the file may
    // be written while the program goes on, up to EndSave, which tells
    // whether it was.
    void BeginSave(const std::string& path) { device_->beginSave(path); }
    bool EndSave() { return device_->endSave(); }

protected:
    Device& output() override { return *device_; }

private:
    double width_, height_;
    std::unique_ptr<PictureDevice> device_;
};

} // namespace forms
