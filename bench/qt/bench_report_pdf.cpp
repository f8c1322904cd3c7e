// A 20-page entry list printed to PDF (740 players), against a floor that
// draws the same texts and lines with QPainter straight onto a QPdfWriter in
// the same iterations (counter "vs_floor"; the goal: at most 2). The floor's
// drawings are the report's own, recorded once. Run with
// QT_QPA_PLATFORM=offscreen.
#include "../benchMain.h"
#include "../benchSupport.h"

#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/qt/Convert.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPrintService.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/reportFixture.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <filesystem>
#include <vector>

namespace {

constexpr int Pages = 20;

QApplication& application() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_report_pdf";
        static char* argv[] = {name, nullptr};
        auto* a = new QApplication(argc, argv);
        qtui::prepareApplication();
        return a;
    }();
    return *app;
}

using forms::doubles::Drawing;

// The report's drawings, recorded once.
std::vector<Drawing> recorded() {
    forms::doubles::RecordingPrinter rec;
    gfPrintEntryList(1, nullptr);
    return rec.drawings;
}

// The same drawings with QPainter alone: fonts, pens and positions as the
// print service makes them, with nothing in between.
void drawFloor(const std::vector<Drawing>& drawings, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                                     QPageLayout::Point));
    QPainter p(&writer);
    const double k = 600.0 / 1440.0;
    bool first = true;
    for (const Drawing& d : drawings) {
        switch (d.kind) {
        case Drawing::Kind::StartPage:
            if (!first) writer.newPage();
            first = false;
            break;
        case Drawing::Kind::Text: {
            if (d.text.empty()) break;
            QFont f(qtui::substituteFamily(d.font.Name));
            f.setPointSizeF(d.font.Size);
            f.setBold(d.font.Bold);
            f.setHintingPreference(QFont::PreferNoHinting);
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(QPointF(d.x * k, d.y * k + p.fontMetrics().ascent()), qtui::qs(d.text));
            break;
        }
        case Drawing::Kind::Line:
            p.setPen(QPen(Qt::black, d.pen.width));
            p.drawLine(QPointF(d.x * k, d.y * k), QPointF(d.x2 * k, d.y2 * k));
            break;
        default:
            break;
        }
    }
}

void BM_EntryListToPdf(benchmark::State& state) {
    application();
    reportfixture::makeGame(Pages * 37);
    const std::vector<Drawing> drawings = recorded();
    const auto folder = std::filesystem::temp_directory_path() / "lumora-bench-report";
    std::filesystem::create_directories(folder);
    const std::string report = (folder / "report.pdf").string(), floor = (folder / "floor.pdf").string();
    qtui::QtPrintService service(report);
    forms::setPrintService(&service);
    const auto times = benchsupport::timeAgainst(
        state, "vs_floor", [] {}, [&] { drawFloor(drawings, qtui::qs(floor)); },
        [] { benchmark::DoNotOptimize(gfPrintEntryList(1, nullptr)); });
    forms::setPrintService(nullptr);
    state.counters["pages_per_s"] = Pages / times.work.wall;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_EntryListToPdf)->Unit(benchmark::kMillisecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
