// The individual ranking of a 740-player game (20 pages), printed to PDF
// from the report chooser's print button: the ranking, the page layout and
// the drawing, against a floor that draws the same texts and lines with
// QPainter straight onto a QPdfWriter in the same iterations (counter
// "vs_floor"; the goal: at most 2.5). The split: "ranking_ms" and
// "layout_ms" (the counting load and every page's load, without drawing)
// are timed on their own; "drawing_vs_floor" is what remains of the whole
// over the floor. Run with QT_QPA_PLATFORM=offscreen.
#include "../benchMain.h"
#include "../benchSupport.h"

#include "reportPdfFloor.h"

#include "core/rankOneGame.h"
#include "core/resultRecords.h"
#include "platform/qt/QtPrintService.h"
#include "preview/modPpPreview.h"
#include "reports/game/frmPfPersonRanking.h"
#include "reports/game/frmSelectPrintScore.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/reportFixture.h"
#include "reports/reportPages.h"
#include "support/DataFolder.h"

#include <filesystem>

namespace {

constexpr int Pages = 20;

// 740 players of three 9-hole courses, every course complete, in many ties.
void makeRankingGame() {
    reportfixture::makeGame(Pages * 37, 3);
    gtypGame.RoundName = {"東", "西", "南"};
    gtypGame.HandiCapKind = 2;
    gtypGame.JudgeBirthday = 1;
    for (int32_t r = 0; r <= glngScoresMax(); ++r) {
        auto& row = gtypScores[static_cast<std::size_t>(r)];
        for (int h = 0; h < 9; ++h) row.Holes[static_cast<std::size_t>(h)] = std::to_string(1 + (r * 7 + h * 3) % 6);
        row.Handicap = (r % 5) * 10;
    }
}

void rank() {
    gsCalPersonalRanking();
    gsFilterCategory(gstrPrintGameDate);
}

// The counting load and one load of every page, as the print makes them.
void layOut() {
    frmPfPersonRanking frm;
    const int32_t pages = reportfixture::countPages(frm);
    for (int p = 1; p <= pages; ++p) reportfixture::PageLoad page(frm, static_cast<int16_t>(p), static_cast<int16_t>(pages));
}

void BM_IndividualRankingToPdf(benchmark::State& state) {
    benchsupport::application();
    testsupport::TempHome home;
    testsupport::DataFolder data(home);
    makeRankingGame();
    const auto folder = std::filesystem::temp_directory_path() / "lumora-bench-ranking";
    std::filesystem::create_directories(folder);
    const std::string report = (folder / "report.pdf").string(), floor = (folder / "floor.pdf").string();

    // The chooser's print previews; the preview prints every page.
    setPreviewWindow([](forms::Form*) { gPrinter(*gfrmPrintForm, 1, gintPrintPageCount, 1); });
    frmSelectPrintScore chooser;
    chooser.Load();
    chooser.optScoreSelectPrint[2].setValue(true);
    const auto print = [&chooser] { chooser.btnOK.Click(); };
    const auto drawings = benchsupport::recorded(print);

    qtui::QtPrintService service(report);
    forms::setPrintService(&service);
    benchsupport::Cost ranking, layout;
    const auto times = benchsupport::timeAgainst(
        state, "vs_floor",
        [&] {
            ranking += benchsupport::costOf(rank);
            layout += benchsupport::costOf(layOut);
        },
        [&] { benchsupport::drawFloor(drawings, qtui::qs(floor)); }, print);
    forms::setPrintService(nullptr);
    setPreviewWindow(nullptr);
    chooser.Unload();

    const double n = static_cast<double>(state.iterations());
    state.counters["ranking_ms"] = ranking.wall / n * 1000;
    state.counters["layout_ms"] = layout.wall / n * 1000;
    state.counters["drawing_vs_floor"] = (times.work.wall - ranking.wall - layout.wall) / times.floor.wall;
    state.counters["pages_per_s"] = Pages / (times.work.wall / n);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_IndividualRankingToPdf)->Unit(benchmark::kMillisecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
