// The season total ranking of 500 stored games of 100 players, from the
// season window's print button to the finished PDF (3 pages), against its
// floors in the same iterations:
//   gathering (gfSetSeasonVarnel)      vs reading and decoding the same game
//                                         files once on one thread ("gather_vs_raw");
//   computing (the ranking)            vs std::sort of the keys it sorts
//                                         ("compute_vs_sort");
//   drawing (counting and printing)    vs QPainter drawing the report's own
//                                         texts and lines onto a QPdfWriter
//                                         ("draw_vs_floor").
// "press_vs_floors" is the whole press through the window's button over the
// three floors together. Goals: gathering at most 3, drawing at most 2.5.
// Run with QT_QPA_PLATFORM=offscreen.
#include "../benchMain.h"
#include "../benchSupport.h"
#include "../seasonBench.h"

#include "reportPdfFloor.h"

#include "core/courseRules.h"
#include "core/season.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/qt/QtPrintService.h"
#include "preview/modPpPreview.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/season/frmPrintTotalGames.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using benchsupport::Cost;
using benchsupport::costOf;
using forms::doubles::Drawing;

// Counts the message boxes instead of showing them: none is expected.
struct CountedBoxes : forms::MessagePresenter {
    int shown = 0;
    int present(const std::string&, int, const std::string&) override { return ++shown, forms::vbOK; }
};

bool gatherSeason() {
    gsClearResults();
    std::vector<SeasonSkippedGame> skipped;
    return !gfSetSeasonVarnel(10, skipped) && skipped.empty();
}

// The keys the ranking sorts: the gathered rows by player, then the players.
std::vector<std::vector<std::string>> rankingKeys() {
    std::vector<std::string> rowKeys, playerKeys;
    for (const typSeasonScore& row : gtypSeasonScores) rowKeys.push_back(keyNumber(row.IDNo, "00000000"));
    for (const typSeasonScore& player : gtypSeasonTotalRows)
        playerKeys.push_back("0" + averageKeyPiece(player.Total, player.RoundsDone, "000000.00000000"));
    return {rowKeys, playerKeys};
}

void BM_SeasonTotalRankingToPdf(benchmark::State& state) {
    benchsupport::application();
    const benchsupport::Season& stored = benchsupport::season();
    CountedBoxes boxes;
    forms::setPresenter(&boxes);
    gstrGamesFormatMix = "00";
    gintTotalRankingMode = 0;
    gtypSeasonGame.CategoryAgeLow = gtypSeasonGame.CategoryAgeHigh = -1;
    gstrPrintTitle1 = gstrDlgParam2 = "* 2010年 秋季リーグ * ";
    gstrPrintTitle2 = gstrDlgParam3 = "18ﾎｰﾙ (9H x 2)";
    if (!gatherSeason() || gsCalSeasonTotalRanking()) return state.SkipWithError("the season was not ranked");
    const std::vector<std::vector<std::string>> keys = rankingKeys();
    const std::vector<Drawing> drawings = benchsupport::recorded([] { gfPrintSeasonTotalRanking(1, nullptr); });

    const auto folder = std::filesystem::temp_directory_path() / "lumora-bench-season";
    std::filesystem::create_directories(folder);
    const std::string report = (folder / "report.pdf").string(), floor = (folder / "floor.pdf").string();
    qtui::QtPrintService service(report);
    forms::setPrintService(&service);
    // The preview prints every page at once, as its print command would.
    setPreviewWindow([](forms::Form*) { gPrinter(*gfrmPrintForm, 1, gintPrintPageCount, 1); });

    Cost raw, sort, drawFloor, gather, compute, draw, press;
    for (auto _ : state) {
        raw += costOf([&stored] { benchsupport::readAndDecode(stored.paths); });
        sort += costOf([&keys] { benchsupport::sortKeys(keys); });
        drawFloor += costOf([&] { benchsupport::drawFloor(drawings, qtui::qs(floor)); });
        bool ok = true;
        gather += costOf([&ok] { ok = gatherSeason() && ok; });
        compute += costOf([&ok] { ok = !gsCalSeasonTotalRanking() && ok; });
        draw += costOf([&ok] { ok = !gfPrintSeasonTotalRanking(1, nullptr) && ok; });
        frmPrintTotalGames window;
        window.Load();
        const Cost pressed = costOf([&window] { forms::sim::click(window.btnTotalRanking); });
        window.Unload();
        press += pressed;
        state.SetIterationTime(pressed.wall);
        if (!ok || glngSeasonTotalRowsMax() != benchsupport::kPlayers - 1 || boxes.shown != 0) {
            forms::setPresenter(nullptr);
            return state.SkipWithError("the ranking was not printed");
        }
    }
    forms::setPresenter(nullptr);
    setPreviewWindow(nullptr);
    forms::setPrintService(nullptr);
    state.counters["gather_vs_raw"] = gather.wall / raw.wall;
    state.counters["compute_vs_sort"] = compute.wall / sort.wall;
    state.counters["draw_vs_floor"] = draw.wall / drawFloor.wall;
    state.counters["press_vs_floors"] = press.wall / (raw.wall + sort.wall + drawFloor.wall);
    state.counters["gather_ms"] = gather.wall * 1e3 / static_cast<double>(state.iterations());
    state.counters["compute_ms"] = compute.wall * 1e3 / static_cast<double>(state.iterations());
    state.counters["draw_ms"] = draw.wall * 1e3 / static_cast<double>(state.iterations());
    state.counters["press_ms"] = press.wall * 1e3 / static_cast<double>(state.iterations());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SeasonTotalRankingToPdf)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

} // namespace

LUMORA_BENCHMARK_MAIN()
