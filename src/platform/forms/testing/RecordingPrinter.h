#pragma once
#include "platform/forms/Printing.h"

#include <string>
#include <vector>

// A print service for tests: every drawing of the printer and of pictures is
// recorded with its position, font, pen and fill, as are page starts, page
// breaks and document ends. Text is measured with the fixed-pitch metric.
namespace forms::doubles {

struct Drawing {
    enum class Kind { StartPage, NewPage, EndDoc, Text, Line, Box, Ellipse, Picture };
    Kind kind = Kind::Text;
    int device = 0;              // which document or picture, from 1 in opening order
    PageSetup setup;             // StartPage
    double x = 0, y = 0;         // Text: the cell's top left; Line, Box: first corner; Ellipse: centre
    double x2 = 0, y2 = 0;       // Line, Box: second corner; Ellipse: semi-axes; Picture: size
    std::string text;            // Text; Picture: the file
    Font font;                   // Text
    Color color = vbBlack;       // Text
    Pen pen;                     // Line, Box, Ellipse
    Brush brush;                 // Box, Ellipse
};

class RecordingPrinter : public PrintService {
public:
    // A printable area as on a PDF target: A4 with 240-twip margins.
    RecordingPrinter();
    ~RecordingPrinter() override;
    RecordingPrinter(const RecordingPrinter&) = delete;
    RecordingPrinter& operator=(const RecordingPrinter&) = delete;

    FontMetrics& documentMetrics() override { return *measure; }
    std::string deviceName() override { return name; }
    PageArea pageArea(const PageSetup& setup) override;
    std::unique_ptr<Device> openDocument() override;
    void beginJob() override { ++jobs; }
    bool endJob() override { return !jobFails; }
    std::unique_ptr<PictureDevice> openPicture(int widthPixels, int heightPixels) override;
    std::vector<std::string> printerNames() override { return printers; }
    std::string chosenPrinter() override { return pdf.empty() ? name : ""; }
    std::string chosenPdf() override { return pdf; }
    void choosePrinter(const std::string& printerName) override { name = printerName, pdf.clear(); }
    void choosePdf(const std::string& path) override { name = pdf = path; }

    // The recording, in order.
    std::vector<Drawing> drawings;
    // Only the drawings of one kind.
    std::vector<Drawing> of(Drawing::Kind kind) const;
    // The texts printed, in order.
    std::vector<std::string> texts() const;
    // The printable width and height in portrait; landscape swaps them.
    double printableWidth = 11906 - 480, printableHeight = 16838 - 480;
    // Printer dots per twip (600 dpi).
    double printerDots = 600.0 / 1440.0;
    std::string name = "recording";
    // The desktop's printers, and the PDF file when that is the choice.
    std::vector<std::string> printers;
    std::string pdf;
    int documents = 0, jobs = 0;
    // Every job's output fails to be written whole, as on a full disk.
    bool jobFails = false;
    // Pictures opened so far; saving them writes a small bitmap file unless
    // savesFail, when every save fails as on a folder that cannot be written.
    int pictures = 0;
    bool savesFail = false;
    FixedPitchMetrics metrics;
    // The document metric in use: the fixed-pitch one unless a test sets another.
    FontMetrics* measure = &metrics;

private:
    class Recorder;
    int devices_ = 0;
    PrintService* previous_;
};

} // namespace forms::doubles
