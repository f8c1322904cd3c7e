// Going to the next page in the preview of a 20-page entry list (740
// players): the report window loaded for that page, drawn into three
// pictures, the pictures written as bitmap files and the 100 % one shown and
// painted in the window. The floor draws the same page's texts and lines
// once with QPainter onto a QImage of the printable area, in the same
// iterations (counter "vs_floor"; the goal: at most 4); "ms_per_page" is the
// page change itself and "cpu_ms_per_page" the CPU time of all the process's
// threads meanwhile. Run with QT_QPA_PLATFORM=offscreen.
#include "../benchMain.h"
#include "../benchSupport.h"

#include "core/globals.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/qt/Convert.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPrintService.h"
#include "preview/frmPpPreview.h"
#include "preview/modPpPreview.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/reportFixture.h"

#include "qtApplication.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <filesystem>
#include <vector>

namespace {

constexpr int Pages = 20;


using forms::doubles::Drawing;

// The report's drawings page by page, recorded once.
std::vector<std::vector<Drawing>> recordedPages() {
    forms::doubles::RecordingPrinter rec;
    gfPrintEntryList(1, nullptr);
    std::vector<std::vector<Drawing>> pages;
    for (const Drawing& d : rec.drawings) {
        if (d.kind == Drawing::Kind::StartPage) pages.emplace_back();
        else if (!pages.empty()) pages.back().push_back(d);
    }
    return pages;
}

// One page's texts and lines with QPainter alone onto a screen picture of
// the printable area (15 twips a pixel).
void drawFloor(const std::vector<Drawing>& page) {
    QImage image(762, 1091, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const double k = 1.0 / 15;
    for (const Drawing& d : page) {
        if (d.kind == Drawing::Kind::Text && !d.text.empty()) {
            QFont f(qtui::substituteFamily(d.font.Name));
            f.setPointSizeF(d.font.Size);
            f.setBold(d.font.Bold);
            f.setHintingPreference(QFont::PreferNoHinting);
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(QPointF(d.x * k, d.y * k + p.fontMetrics().ascent()), qtui::qs(d.text));
        } else if (d.kind == Drawing::Kind::Line) {
            p.setPen(QPen(Qt::black, 1));
            p.drawLine(QPointF(d.x * k, d.y * k), QPointF(d.x2 * k, d.y2 * k));
        }
    }
    p.end();
    benchmark::DoNotOptimize(image.constBits());
}

void BM_PreviewNextPage(benchmark::State& state) {
    benchsupport::application();
    reportfixture::makeGame(Pages * 37);
    const auto pages = recordedPages();
    const auto folder = std::filesystem::temp_directory_path() / "lumora-bench-preview";
    std::filesystem::create_directories(folder);
    gstrTempFolder = folder.string();
    gstrIniFile = (folder / "Lumora.ini").string();
    qtui::QtPrintService service((folder / "print.pdf").string());
    qtui::QtBackend backend;
    forms::setPrintService(&service);
    forms::setBackend(&backend);
    setPreviewWindow([&](forms::Form*) {
        frmPpPreview f;
        f.Show();
        QCoreApplication::processEvents();
        int from = 0;
        const auto times = benchsupport::timeAgainst(
            state, "vs_floor",
            [&] {
                // Every page is new again; the page before the next one is shown.
                for (const auto& e : std::filesystem::directory_iterator(folder))
                    if (e.path().extension() == ".bmp") std::filesystem::remove(e.path());
                from = from % (Pages - 1) + 1;
                gintPrintPageNo = static_cast<int16_t>(from);
            },
            [&] { drawFloor(pages.at(static_cast<std::size_t>(from))); },
            [&] {
                forms::sim::click(f.mnuNPage);
                QCoreApplication::processEvents();
            });
        state.counters["ms_per_page"] = 1000 * times.work.wall / static_cast<double>(state.iterations());
        // The page's pictures are made on several threads: their CPU time, all threads together.
        state.counters["cpu_ms_per_page"] = 1000 * times.work.cpu / static_cast<double>(state.iterations());
        f.Unload();
    });
    gfPrintEntryList(0, nullptr);
    setPreviewWindow(nullptr);
    forms::setBackend(nullptr);
    forms::setPrintService(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PreviewNextPage)->Unit(benchmark::kMillisecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
