// A 20-page entry list printed to PDF (740 players), against a floor that
// draws the same texts and lines with QPainter straight onto a QPdfWriter in
// the same iterations (counter "vs_floor"; the goal: at most 2). The floor's
// drawings are the report's own, recorded once. Run with
// QT_QPA_PLATFORM=offscreen.
#include "../benchMain.h"
#include "../benchSupport.h"

#include "reportPdfFloor.h"

#include "platform/qt/QtPrintService.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/reportFixture.h"

#include <filesystem>
#include <vector>

namespace {

constexpr int Pages = 20;

void BM_EntryListToPdf(benchmark::State& state) {
    benchsupport::application();
    reportfixture::makeGame(Pages * 37);
    const auto drawings = benchsupport::recorded([] { gfPrintEntryList(1, nullptr); });
    const auto folder = std::filesystem::temp_directory_path() / "lumora-bench-report";
    std::filesystem::create_directories(folder);
    const std::string report = (folder / "report.pdf").string(), floor = (folder / "floor.pdf").string();
    qtui::QtPrintService service(report);
    forms::setPrintService(&service);
    const auto times = benchsupport::timeAgainst(
        state, "vs_floor", [] {}, [&] { benchsupport::drawFloor(drawings, qtui::qs(floor)); },
        [] { benchmark::DoNotOptimize(gfPrintEntryList(1, nullptr)); });
    forms::setPrintService(nullptr);
    state.counters["pages_per_s"] = Pages / times.work.wall;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_EntryListToPdf)->Unit(benchmark::kMillisecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
