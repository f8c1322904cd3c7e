#include "platform/qt/QtPrintService.h"

#include "platform/qt/Convert.h"
#include "platform/qt/RecentPictures.h"
#include "platform/text/RuntimeError.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRunnable>
#include <QSaveFile>
#include <QSemaphore>
#include <QStandardPaths>
#include <QStaticText>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <functional>
#include <unordered_map>
#include <vector>

namespace qtui {

namespace {

constexpr double TwipsPerPoint = 20;
constexpr double PdfMarginTwips = 240;
constexpr int PdfDotsPerInch = 600;

// Colours on paper: system colours of text are black, the window's white.
QColor paperColor(forms::Color c) {
    if (!forms::isSystemColor(c)) return toQColor(c);
    switch (c & 0xFFu) {
    case 0x05: return Qt::white;
    case 0x07: case 0x08: case 0x09: case 0x12: case 0x17: return Qt::black;
    default: return toQColor(c);
    }
}

Qt::PenStyle penStyle(int16_t drawStyle) {
    switch (drawStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle brushStyle(int16_t fillStyle) {
    switch (fillStyle) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

// A printed font: the desktop's substitute family at the size in points,
// unhinted, so its widths scale with its size (and with its stretch).
QFont printFont(const forms::Font& font) {
    QFont q(substituteFamily(font.Name));
    q.setPointSizeF(std::max(0.1, font.Size));
    q.setBold(font.Bold);
    q.setItalic(font.Italic);
    q.setUnderline(font.Underline);
    q.setStrikeOut(font.Strikethrough);
    if (font.Stretch != 100) q.setStretch(std::clamp(font.Stretch, 1, 4000));
    q.setHintingPreference(QFont::PreferNoHinting);
    return q;
}

// The lines of a text broken at CR LF.
QStringList linesOf(std::string_view text) { return qs(text).split(QStringLiteral("\r\n")); }

// Drawing on a painter whose device has `dots` dots per twip.
class Painting {
public:
    struct Fonted {
        forms::Font key;
        QFont font;
        qreal ascent; // of the font as it is made
        // The font is drawn this much smaller than it is made (see fontFor).
        qreal scale;
        // Texts laid out in this font, to be drawn again as they are.
        std::unordered_map<QString, QStaticText> texts;
    };
    using Fonts = std::deque<Fonted>; // stable addresses: current_ points into it

    // `shared` keeps the fonts made for the device's resolution across
    // paintings, with the texts laid out in them: reports repeat many texts
    // from row to row and page to page. Without it the painting has fonts of
    // its own and lays out every text anew.
    Painting(QPainter& painter, double dots, Fonts* shared = nullptr)
        : p_(painter), k_(dots), fonts_(shared ? *shared : ownFonts_), keepTexts_(shared != nullptr) {}

    void text(double x, double y, std::string_view s, const forms::Font& font, forms::Color color) {
        if (s.empty()) return;
        Fonted& f = fontFor(font);
        if (&f != current_) {
            p_.setFont(f.font);
            current_ = &f;
        }
        use(QPen(paperColor(color)));
        if (f.scale == 1) {
            drawText(f, QPointF(x * k_, y * k_), s);
            return;
        }
        p_.save();
        p_.translate(x * k_, y * k_);
        p_.scale(f.scale, f.scale);
        drawText(f, QPointF(0, 0), s);
        p_.restore();
    }
    void line(double x1, double y1, double x2, double y2, const forms::Pen& pen) {
        use(qpen(pen));
        p_.drawLine(QPointF(x1 * k_, y1 * k_), QPointF(x2 * k_, y2 * k_));
    }
    void box(double x1, double y1, double x2, double y2, const forms::Pen& pen, const forms::Brush& brush) {
        use(qpen(pen));
        p_.setBrush(qbrush(brush));
        p_.drawRect(QRectF(QPointF(x1 * k_, y1 * k_), QPointF(x2 * k_, y2 * k_)).normalized());
        p_.setBrush(Qt::NoBrush);
    }
    void ellipse(double cx, double cy, double rx, double ry, const forms::Pen& pen, const forms::Brush& brush) {
        use(qpen(pen));
        p_.setBrush(qbrush(brush));
        p_.drawEllipse(QPointF(cx * k_, cy * k_), rx * k_, ry * k_);
        p_.setBrush(Qt::NoBrush);
    }
    void picture(const QImage& image, double x, double y, double w, double h) {
        p_.drawImage(QRectF(x * k_, y * k_, w * k_, h * k_), image);
    }

    // Forgets what the painter was given: after it begins again.
    void reset() {
        current_ = nullptr;
        pen_ = QPen(Qt::NoPen);
    }

private:
    // A text whose line's top is at `at` in the painter's coordinates.
    void drawText(Fonted& f, QPointF at, std::string_view s) {
        // A kept layout would break a text at a lone CR or LF; drawText
        // shows it on one line.
        if (!keepTexts_ || s.find_first_of("\r\n\t") != std::string_view::npos) {
            p_.drawText(at + QPointF(0, f.ascent), qs(s));
            return;
        }
        // The last page or two: a long run of new texts starts afresh.
        constexpr std::size_t KeptTexts = 1000;
        if (f.texts.size() >= KeptTexts) f.texts.clear();
        QString q = qs(s);
        auto it = f.texts.find(q);
        if (it == f.texts.end()) {
            QStaticText laid(q);
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform::fromScale(f.scale, f.scale), f.font);
            it = f.texts.emplace(std::move(q), std::move(laid)).first;
        }
        // Placed by the top of its line, the same pixels as drawText.
        p_.drawStaticText(at, it->second);
    }
    // The painter's pen changes only when it differs: a page draws hundreds
    // of texts and rules in a few pens.
    void use(const QPen& pen) {
        if (pen == pen_) return;
        pen_ = pen;
        p_.setPen(pen);
    }
    QPen qpen(const forms::Pen& pen) const {
        QPen q(paperColor(pen.color), std::max(1, pen.width), penStyle(pen.style), Qt::FlatCap, Qt::MiterJoin);
        return q;
    }
    static QBrush qbrush(const forms::Brush& brush) { return QBrush(paperColor(brush.color), brushStyle(brush.style)); }
    // A report uses a handful of fonts: a short list is searched fast.
    Fonted& fontFor(const forms::Font& font) {
        for (Fonted& f : fonts_)
            if (f.key == font) return f;
        // Condensed captions bring many variants of a font: the kept ones
        // start afresh now and then (no other painting of this thread is
        // drawing meanwhile).
        constexpr std::size_t KeptFonts = 256;
        if (fonts_.size() >= KeptFonts) {
            fonts_.clear();
            current_ = nullptr;
        }
        QFont q = printFont(font);
        // The font engine makes a size in whole dots: a size between them
        // (9.75 pt at half size on the screen is 6.5 dots) would print its
        // texts wider or narrower than they were measured. Such a size is
        // made sixteen times as large and drawn scaled down.
        const qreal dots = font.Size * TwipsPerPoint * k_;
        qreal scale = 1;
        if (dots > 0 && std::abs(dots - std::round(dots)) > 1e-6) {
            const int made = std::max(1, static_cast<int>(std::lround(dots * 16)));
            q.setPixelSize(made);
            scale = dots / made;
        }
        const QFontMetricsF fm(q, p_.device());
        fonts_.push_back({font, q, fm.ascent(), scale, {}});
        return fonts_.back();
    }
    QPainter& p_;
    double k_;
    Fonts ownFonts_;
    Fonts& fonts_;
    bool keepTexts_;
    const Fonted* current_ = nullptr;
    QPen pen_{Qt::NoPen};
};

// A picture file drawn on a page; a file that cannot be read fails the drawing.
QImage pictureFile(const std::string& path) {
    QImage image(qs(path));
    if (image.isNull()) throw text::RuntimeError(text::err::FileNotFound);
    return image;
}

// Writes an RGB32 picture as a 24-bit Windows bitmap: rows bottom up, each
// padded to 4 bytes, 96 dots per inch. The rows are turned into the file's
// layout a block at a time, so the block stays in the cache while written.
bool writeBmp(const QImage& image, const QString& path) {
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "an RGB32 pixel is stored blue, green, red, unused");
    const int w = image.width(), h = image.height();
    const qsizetype row = (static_cast<qsizetype>(w) * 3 + 3) & ~qsizetype(3);
    const quint32 bits = static_cast<quint32>(row) * static_cast<quint32>(h);
    constexpr qsizetype BlockBytes = 256 * 1024;
    const int rowsPerBlock = static_cast<int>(std::max<qsizetype>(1, BlockBytes / row));
    std::vector<uchar> block(static_cast<std::size_t>(54 + rowsPerBlock * row));
    uchar* b = block.data();
    const auto put32 = [b](int at, quint32 v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uchar>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54 + bits);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<quint32>(w));
    put32(22, static_cast<quint32>(h));
    b[26] = 1;
    b[28] = 24;
    put32(34, bits);
    put32(38, 3780); // 96 dots per inch in dots per metre
    put32(42, 3780);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return false;
    qsizetype header = 54;
    for (int y = 0; y < h;) {
        const int rows = std::min(rowsPerBlock, h - y);
        for (int r = 0; r < rows; ++r, ++y) {
            const uchar* src = image.constScanLine(h - 1 - y);
            uchar* dst = b + header + static_cast<qsizetype>(r) * row;
            // Each pixel's first three bytes; the fourth is overwritten by the next.
            for (int x = 0; x + 1 < w; ++x, src += 4, dst += 3) std::memcpy(dst, src, 4);
            std::memcpy(dst, src, 3);
            std::memset(dst + 3, 0, static_cast<std::size_t>(row - static_cast<qsizetype>(w) * 3));
        }
        const qsizetype size = header + static_cast<qsizetype>(rows) * row;
        if (file.write(reinterpret_cast<const char*>(b), size) != size) return false;
        header = 0;
    }
    return file.flush();
}

// Every picture has the screen's resolution: the fonts made for one serve
// the next (fonts belong to the thread that made them).
Painting::Fonts& pictureFonts() {
    thread_local Painting::Fonts fonts;
    return fonts;
}

// A picture in memory at screen resolution (15 twips a pixel). Its drawings
// are kept and drawn when it is saved; a save begun is drawn and written by
// the helper thread when it is free, so the pictures of a page are made
// two at a time. A saved picture is shared with the display as it is, never copied.
class PictureDevice : public forms::PictureDevice {
public:
    PictureDevice(int width, int height, QThreadPool* helpers)
        : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32), helpers_(helpers) {
        const int dotsPerMeter = static_cast<int>(std::lround(96 / 0.0254));
        image_.setDotsPerMeterX(dotsPerMeter);
        image_.setDotsPerMeterY(dotsPerMeter);
    }
    ~PictureDevice() override { finishJob(); }
    PictureDevice(const PictureDevice&) = delete;
    PictureDevice& operator=(const PictureDevice&) = delete;

    double dotsPerTwip() const override { return 1.0 / forms::TwipsPerPixel; }
    void text(double x, double y, std::string_view s, const forms::Font& font, forms::Color color) override {
        keep([x, y, s = std::string(s), font, color](Painting& p) { p.text(x, y, s, font, color); });
    }
    void line(double x1, double y1, double x2, double y2, const forms::Pen& pen) override {
        keep([=](Painting& p) { p.line(x1, y1, x2, y2, pen); });
    }
    void box(double x1, double y1, double x2, double y2, const forms::Pen& pen, const forms::Brush& brush) override {
        keep([=](Painting& p) { p.box(x1, y1, x2, y2, pen, brush); });
    }
    void ellipse(double cx, double cy, double rx, double ry, const forms::Pen& pen, const forms::Brush& brush) override {
        keep([=](Painting& p) { p.ellipse(cx, cy, rx, ry, pen, brush); });
    }
    // The file is read now: a missing one fails this drawing, not the save.
    void picture(const std::string& path, double x, double y, double w, double h) override {
        keep([image = pictureFile(path), x, y, w, h](Painting& p) { p.picture(image, x, y, w, h); });
    }
    bool saveBmp(const std::string& path) override {
        finishJob();
        const QString file = qs(path);
        if (!drawAndWrite(file)) return false;
        rememberSavedPicture(file, image_);
        return true;
    }
    void beginSave(const std::string& path) override {
        finishJob();
        file_ = qs(path);
        written_ = false;
        if (!helpers_) return;
        job_.reset(QRunnable::create([this] {
            written_ = drawAndWrite(file_);
            done_.release();
        }));
        job_->setAutoDelete(false);
        helpers_->start(job_.get());
    }
    bool endSave() override {
        // A save no helper has taken yet is made here.
        if (!job_ || helpers_->tryTake(job_.get())) {
            job_.reset();
            written_ = drawAndWrite(file_);
        }
        finishJob();
        if (written_) rememberSavedPicture(file_, image_);
        return written_;
    }

private:
    // Draws what was kept and writes the file.
    bool drawAndWrite(const QString& file) {
        try {
            if (!white_) {
                image_.fill(Qt::white);
                white_ = true;
            }
            if (drawn_ < pending_.size()) {
                QPainter painter(&image_);
                Painting painting(painter, 1.0 / forms::TwipsPerPixel, &pictureFonts());
                for (; drawn_ < pending_.size(); ++drawn_) pending_[drawn_](painting);
            }
            return writeBmp(image_, file);
        } catch (const std::exception&) { // out of memory: not written
            return false;
        }
    }
    // Waits for the helper's save, when one runs.
    void finishJob() {
        if (!job_) return;
        if (!helpers_->tryTake(job_.get())) done_.acquire();
        job_.reset();
    }
    void keep(std::function<void(Painting&)> drawing) {
        finishJob();
        pending_.push_back(std::move(drawing));
    }

    QImage image_;
    bool white_ = false;
    // The drawings, those up to drawn_ done. They are let go with the
    // device, on the thread that made them: memory freed on another thread
    // would hold up this one's allocations while it draws the next picture.
    std::vector<std::function<void(Painting&)>> pending_;
    std::size_t drawn_ = 0;
    QThreadPool* helpers_;
    std::unique_ptr<QRunnable> job_; // the helper's save, while not ended
    QSemaphore done_;
    QString file_;
    bool written_ = false;
};

QPageLayout::Orientation orientationOf(const forms::PageSetup& setup) {
    return setup.Orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

// ---- the document metric ----

// A font's metric, its line height and the widths measured with it: a
// page's labels are measured again for every picture and print of it.
struct DocumentMetrics::Cached {
    forms::Font key;
    QFontMetricsF metrics;
    double lineHeight;
    std::unordered_map<std::string, double> widths;
};

DocumentMetrics::DocumentMetrics() : reference_(std::make_unique<QImage>(1, 1, QImage::Format_RGB32)) {
    // One dot a twip: 1440 dots per inch.
    const int dotsPerMeter = static_cast<int>(std::lround(1440 / 0.0254));
    reference_->setDotsPerMeterX(dotsPerMeter);
    reference_->setDotsPerMeterY(dotsPerMeter);
}

DocumentMetrics::~DocumentMetrics() = default;

DocumentMetrics::Cached& DocumentMetrics::metricsOf(const forms::Font& font) {
    for (const auto& c : cache_)
        if (c->key == font) return *c;
    if (cache_.size() >= 64) cache_.clear();
    const QFontMetricsF metrics(printFont(font), reference_.get());
    cache_.push_back(std::make_unique<Cached>(Cached{font, metrics, metrics.ascent() + metrics.descent(), {}}));
    return *cache_.back();
}

double DocumentMetrics::textWidth(const forms::Font& font, std::string_view text) {
    Cached& c = metricsOf(font);
    const std::string key(text);
    if (auto it = c.widths.find(key); it != c.widths.end()) return it->second;
    qreal widest = 0;
    if (text.find('\r') == std::string_view::npos) widest = c.metrics.horizontalAdvance(qs(text));
    else
        for (const QString& line : linesOf(text)) widest = std::max(widest, c.metrics.horizontalAdvance(line));
    constexpr std::size_t KeptWidths = 50000;
    if (c.widths.size() >= KeptWidths) c.widths.clear();
    c.widths.emplace(key, widest);
    return widest;
}

double DocumentMetrics::textHeight(const forms::Font& font, std::string_view text) {
    double lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2)) ++lines;
    return metricsOf(font).lineHeight * lines;
}

// ---- print sessions ----

class QtPrintService::Session {
public:
    // A PDF goes to `file`, which replaces the old file only once it is
    // written whole; a file that could not be opened fails the first page.
    Session(std::unique_ptr<QPagedPaintDevice> device, double dots, std::unique_ptr<QSaveFile> file = nullptr)
        : file_(std::move(file)), device_(std::move(device)), dots_(dots), pdf_(file_ != nullptr) {}
    ~Session() { finish(); }

    double dots() const { return dots_; }
    // Starts a page on the paper of `setup`. A device that cannot be opened
    // fails its first page; later drawings of the document are dropped.
    void startPage(const forms::PageSetup& setup) {
        if (failed_) return;
        device_->setPageSize(QPageSize(QPageSize::A4));
        device_->setPageOrientation(orientationOf(setup));
        if (pdf_) {
            const double m = PdfMarginTwips / TwipsPerPoint;
            device_->setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Point);
        }
        if (!painter_.isActive()) {
            if ((file_ && !file_->isOpen()) || !painter_.begin(device_.get())) {
                failed_ = true;
                throw text::RuntimeError(482, "プリンタ エラーです。");
            }
        } else {
            device_->newPage();
        }
        painting_.reset();
    }
    bool drawing() const { return painter_.isActive(); }
    Painting& painting() { return painting_; }
    // Ends the document; false when a PDF could not be written whole. A
    // document that failed its first page has said so then.
    bool finish() {
        if (finished_) return written_;
        finished_ = true;
        if (painter_.isActive()) painter_.end();
        // The last bytes are flushed and checked first: a commit does not
        // see a failure of the flush it makes itself.
        written_ = failed_ || !file_ || (file_->flush() && file_->error() == QFileDevice::NoError && file_->commit());
        return written_;
    }

private:
    std::unique_ptr<QSaveFile> file_; // outlives the writer that writes into it
    std::unique_ptr<QPagedPaintDevice> device_;
    double dots_;
    bool pdf_;
    bool failed_ = false;
    bool finished_ = false;
    bool written_ = false;
    QPainter painter_;
    Painting painting_{painter_, dots_};
};

// One print document: drawings go to the service's open session.
class DocumentDevice : public forms::Device {
public:
    explicit DocumentDevice(QtPrintService& service, QtPrintService::Session& session)
        : service_(service), session_(session) {}
    double dotsPerTwip() const override { return session_.dots(); }
    void startPage(const forms::PageSetup& setup) override { session_.startPage(setup); }
    void endDoc() override { service_.documentEnded(); }
    void text(double x, double y, std::string_view s, const forms::Font& font, forms::Color color) override {
        if (session_.drawing()) session_.painting().text(x, y, s, font, color);
    }
    void line(double x1, double y1, double x2, double y2, const forms::Pen& pen) override {
        if (session_.drawing()) session_.painting().line(x1, y1, x2, y2, pen);
    }
    void box(double x1, double y1, double x2, double y2, const forms::Pen& pen, const forms::Brush& brush) override {
        if (session_.drawing()) session_.painting().box(x1, y1, x2, y2, pen, brush);
    }
    void ellipse(double cx, double cy, double rx, double ry, const forms::Pen& pen, const forms::Brush& brush) override {
        if (session_.drawing()) session_.painting().ellipse(cx, cy, rx, ry, pen, brush);
    }
    void picture(const std::string& path, double x, double y, double w, double h) override {
        if (session_.drawing()) session_.painting().picture(pictureFile(path), x, y, w, h);
    }

private:
    QtPrintService& service_;
    QtPrintService::Session& session_;
};

// ---- the service ----

// The desktop's default printer is asked for at the first print, not at start.
QtPrintService::QtPrintService() : lookUpDefault_(true) {
    chosenPdf_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Lumora.pdf");
    pdfPath_ = chosenPdf_;
}

QtPrintService::QtPrintService(const std::string& pdfPath) : chosenPdf_(qs(pdfPath)) { followDefaultPrinter(); }

void QtPrintService::knowDefault() {
    if (!lookUpDefault_) return;
    lookUpDefault_ = false;
    chosenPrinter_ = QPrinterInfo::defaultPrinterName();
    followDefaultPrinter();
}

// The helpers' fonts go with their threads; this thread's go now, while the
// application that fonts need is still there.
QtPrintService::~QtPrintService() {
    helpers_.reset();
    pictureFonts().clear();
}

void QtPrintService::choosePrinter(const std::string& printerName) {
    lookUpDefault_ = false;
    chosenPrinter_ = qs(printerName);
    followDefaultPrinter();
}

void QtPrintService::choosePdf(const std::string& path) {
    lookUpDefault_ = false;
    chosenPrinter_.clear();
    chosenPdf_ = qs(path);
    followDefaultPrinter();
}

std::vector<std::string> QtPrintService::printerNames() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(utf8(name));
    return names;
}

std::string QtPrintService::chosenPrinter() {
    knowDefault();
    return utf8(chosenPrinter_);
}

std::string QtPrintService::chosenPdf() { return utf8(chosenPdf_); }

void QtPrintService::followDefaultPrinter() {
    knowDefault();
    printer_ = chosenPrinter_;
    pdfPath_ = chosenPdf_;
}

std::string QtPrintService::deviceName() {
    knowDefault();
    return utf8(printer_.isEmpty() ? pdfPath_ : printer_); }

forms::PageArea QtPrintService::pageArea(const forms::PageSetup& setup) {
    knowDefault();
    const bool landscape = setup.Orientation == 2;
    if (printer_.isEmpty()) {
        const double w = landscape ? 16838 : 11906, h = landscape ? 11906 : 16838;
        return {w, h, PdfMarginTwips, PdfMarginTwips, w - 2 * PdfMarginTwips, h - 2 * PdfMarginTwips};
    }
    const auto key = std::make_pair(utf8(printer_), static_cast<int>(setup.Orientation));
    if (auto it = areas_.find(key); it != areas_.end()) return it->second;
    QPrinter p(QPrinter::HighResolution);
    p.setPrinterName(printer_);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageOrientation(orientationOf(setup));
    const QPageLayout layout = p.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Point), area = layout.paintRect(QPageLayout::Point);
    const forms::PageArea result{paper.width() * TwipsPerPoint, paper.height() * TwipsPerPoint,
                                 area.left() * TwipsPerPoint,   area.top() * TwipsPerPoint,
                                 area.width() * TwipsPerPoint,  area.height() * TwipsPerPoint};
    areas_[key] = result;
    return result;
}

std::unique_ptr<QtPrintService::Session> QtPrintService::newSession() {
    if (printer_.isEmpty()) {
        auto file = std::make_unique<QSaveFile>(pdfPath_);
        file->open(QIODevice::WriteOnly);
        auto writer = std::make_unique<QPdfWriter>(file.get());
        writer->setResolution(PdfDotsPerInch);
        writer->setCreator(QStringLiteral("Lumora"));
        return std::make_unique<Session>(std::move(writer), PdfDotsPerInch / 1440.0, std::move(file));
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(printer_);
    printer->setDocName(QStringLiteral("Lumora"));
    const double dots = printer->resolution() / 1440.0;
    return std::make_unique<Session>(std::move(printer), dots);
}

std::unique_ptr<forms::Device> QtPrintService::openDocument() {
    knowDefault();
    if (!session_) session_ = newSession();
    return std::make_unique<DocumentDevice>(*this, *session_);
}

// A document ends its session, except on a PDF target inside a print job:
// the copies of one print go into one file, which the job's end closes.
void QtPrintService::documentEnded() {
    if (jobs_ > 0 && printer_.isEmpty()) return;
    session_.reset();
}

void QtPrintService::beginJob() { ++jobs_; }

bool QtPrintService::endJob() {
    if (jobs_ == 0 || --jobs_ != 0 || !session_) return true;
    const bool written = session_->finish();
    session_.reset();
    return written;
}

std::unique_ptr<forms::PictureDevice> QtPrintService::openPicture(int widthPixels, int heightPixels) {
    return std::make_unique<PictureDevice>(widthPixels, heightPixels, helpers());
}

// The helper that draws and writes pictures keeps its thread, and so the
// fonts made on it, for the service's life. One helper beside the caller's
// thread: a third thread drawing text at the same time gains nothing, as
// Qt looks fonts up under one lock. With one CPU there is none: pictures
// are made on the caller's thread.
QThreadPool* QtPrintService::helpers() {
    if (!helpers_) {
        helpers_ = std::make_unique<QThreadPool>();
        helpers_->setExpiryTimeout(-1);
        helpers_->setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 0, 1));
    }
    return helpers_->maxThreadCount() > 0 ? helpers_.get() : nullptr;
}

} // namespace qtui
