#include "platform/forms/Printing.h"

#include "platform/text/RuntimeError.h"

#include <cmath>
#include <utility>

namespace forms {

namespace {

// Draws nothing: the printer of a program without a print service.
class NullDevice : public PictureDevice {
public:
    double dotsPerTwip() const override { return 1.0 / TwipsPerPixel; }
    void text(double, double, std::string_view, const Font&, Color) override {}
    void line(double, double, double, double, const Pen&) override {}
    void box(double, double, double, double, const Pen&, const Brush&) override {}
    void ellipse(double, double, double, double, const Pen&, const Brush&) override {}
    void picture(const std::string&, double, double, double, double) override {}
    bool saveBmp(const std::string&) override { return false; }
};

// A4 with the PDF target's margins, measured with the fixed-pitch metric.
class HeadlessService : public PrintService {
public:
    FontMetrics& documentMetrics() override { return metrics_; }
    std::string deviceName() override { return ""; }
    PageArea pageArea(const PageSetup& setup) override {
        const bool landscape = setup.Orientation == 2;
        const double w = landscape ? 16838 : 11906, h = landscape ? 11906 : 16838;
        return {w, h, 240, 240, w - 480, h - 480};
    }
    std::unique_ptr<Device> openDocument() override { return std::make_unique<NullDevice>(); }
    std::unique_ptr<PictureDevice> openPicture(int, int) override { return std::make_unique<NullDevice>(); }

private:
    FixedPitchMetrics metrics_;
};

HeadlessService headless;

[[noreturn]] void invalidValue() { throw text::RuntimeError(380, "プロパティの値が不正です。"); }
PrintService* installed = nullptr;

} // namespace

void setPrintService(PrintService* service) { installed = service; }
PrintService& printService() { return installed ? *installed : headless; }
FontMetrics& documentMetrics() { return printService().documentMetrics(); }

Printer& printer() {
    static Printer p;
    return p;
}

Printer::~Printer() = default;

void Printer::setOrientation(int16_t v) {
    if (v != 1 && v != 2) invalidValue();
    setup_.Orientation = v;
}

void Printer::setPaperSize(int16_t v) {
    if (v < 1) invalidValue();
    setup_.PaperSize = v;
}

void Printer::followDefault() { printService().followDefaultPrinter(); }

double Printer::ScaleWidth() { return printService().pageArea(setup_).width; }
double Printer::ScaleHeight() { return printService().pageArea(setup_).height; }

Device& Printer::output() {
    if (!document_) document_ = printService().openDocument();
    if (!pageOpen_) {
        document_->startPage(setup_);
        pageOpen_ = true;
    }
    return *document_;
}

void Printer::NewPage() {
    output().newPage();
    pageOpen_ = false;
}

void Printer::EndDoc() {
    if (!document_) return;
    if (!pageOpen_) output();
    document_->endDoc();
    document_.reset();
    pageOpen_ = false;
}

void Printer::KillDoc() {
    document_.reset();
    pageOpen_ = false;
}

PrintJob::PrintJob() {
    if (printer().jobs_++ == 0) printService().beginJob();
}

// Whether the job's output was written whole; only the outermost job ends
// the printer's document and the service's job.
bool PrintJob::finish() {
    if (std::exchange(ended_, true)) return true;
    Printer& p = printer();
    if (--p.jobs_ != 0) return true;
    p.KillDoc();
    return printService().endJob();
}

void PrintJob::End() {
    if (!finish()) throw text::RuntimeError(482, "プリンタ エラーです。");
}

// A job left by an error: that error has been told, and is the one to tell.
PrintJob::~PrintJob() { finish(); }

Picture::Picture(double widthTwips, double heightTwips)
    : width_(widthTwips), height_(heightTwips),
      device_(printService().openPicture(static_cast<int>(std::lround(widthTwips / TwipsPerPixel)),
                                         static_cast<int>(std::lround(heightTwips / TwipsPerPixel)))) {}

} // namespace forms
