#include "platform/forms/testing/RecordingPrinter.h"

#include <fstream>

namespace forms::doubles {

namespace {
// A white picture of one pixel, 24 bits, as a Windows bitmap file.
constexpr char OnePixelBmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                                1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                '\xff', '\xff', '\xff', 0};
} // namespace

class RecordingPrinter::Recorder : public PictureDevice {
public:
    Recorder(RecordingPrinter& owner, int id, double dots) : owner_(owner), id_(id), dots_(dots) {}
    double dotsPerTwip() const override { return dots_; }
    void startPage(const PageSetup& setup) override {
        Drawing d = make(Drawing::Kind::StartPage);
        d.setup = setup;
        add(d);
    }
    void newPage() override { add(make(Drawing::Kind::NewPage)); }
    void endDoc() override { add(make(Drawing::Kind::EndDoc)); }
    void text(double x, double y, std::string_view s, const Font& font, Color color) override {
        Drawing d = make(Drawing::Kind::Text);
        d.x = x, d.y = y, d.text = std::string(s), d.font = font, d.color = color;
        add(d);
    }
    void line(double x1, double y1, double x2, double y2, const Pen& pen) override {
        Drawing d = make(Drawing::Kind::Line);
        d.x = x1, d.y = y1, d.x2 = x2, d.y2 = y2, d.pen = pen;
        add(d);
    }
    void box(double x1, double y1, double x2, double y2, const Pen& pen, const Brush& brush) override {
        Drawing d = make(Drawing::Kind::Box);
        d.x = x1, d.y = y1, d.x2 = x2, d.y2 = y2, d.pen = pen, d.brush = brush;
        add(d);
    }
    void ellipse(double cx, double cy, double rx, double ry, const Pen& pen, const Brush& brush) override {
        Drawing d = make(Drawing::Kind::Ellipse);
        d.x = cx, d.y = cy, d.x2 = rx, d.y2 = ry, d.pen = pen, d.brush = brush;
        add(d);
    }
    void picture(const std::string& path, double x, double y, double width, double height) override {
        Drawing d = make(Drawing::Kind::Picture);
        d.x = x, d.y = y, d.x2 = width, d.y2 = height, d.text = path;
        add(d);
    }
    bool saveBmp(const std::string& path) override {
        if (owner_.savesFail) return false;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(OnePixelBmp, sizeof OnePixelBmp);
        return static_cast<bool>(out.flush());
    }

private:
    Drawing make(Drawing::Kind kind) const {
        Drawing d;
        d.kind = kind;
        d.device = id_;
        return d;
    }
    void add(const Drawing& d) { owner_.drawings.push_back(d); }
    RecordingPrinter& owner_;
    int id_;
    double dots_;
};

RecordingPrinter::RecordingPrinter() : previous_(&printService()) { setPrintService(this); }

RecordingPrinter::~RecordingPrinter() {
    printer().KillDoc();
    setPrintService(previous_);
}

PageArea RecordingPrinter::pageArea(const PageSetup& setup) {
    const bool landscape = setup.Orientation == 2;
    const double w = landscape ? printableHeight : printableWidth, h = landscape ? printableWidth : printableHeight;
    return {w + 480, h + 480, 240, 240, w, h};
}

std::unique_ptr<Device> RecordingPrinter::openDocument() {
    ++documents;
    return std::make_unique<Recorder>(*this, ++devices_, printerDots);
}

std::unique_ptr<PictureDevice> RecordingPrinter::openPicture(int, int) {
    ++pictures;
    return std::make_unique<Recorder>(*this, ++devices_, 1.0 / TwipsPerPixel);
}

std::vector<Drawing> RecordingPrinter::of(Drawing::Kind kind) const {
    std::vector<Drawing> out;
    for (const auto& d : drawings)
        if (d.kind == kind) out.push_back(d);
    return out;
}

std::vector<std::string> RecordingPrinter::texts() const {
    std::vector<std::string> out;
    for (const auto& d : drawings)
        if (d.kind == Drawing::Kind::Text) out.push_back(d.text);
    return out;
}

} // namespace forms::doubles
