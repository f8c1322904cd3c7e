// Score entry for one player of an 18 x 10 game under the Qt backend
// (offscreen). Opening the window shown (its design, the cut-down, the mode
// setting, the player's rows, the first paint) against building the same
// form model without showing it; and one keystroke in a quick box, with the
// live recalculation it runs, against the same keystroke in a plain text box
// of a shown form. Goals: open under 30 ms; a recalculation under 0.2 ms.
// Run with --benchmark_repetitions and read the medians.
#include "../benchMain.h"
#include "../benchSupport.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/forms/Forms.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/qt/QtBackend.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmScore.h"

#include "qtApplication.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {



// The Qt backend, recorded message boxes, a settings file in a temporary
// home, and an 18 x 10 game of 24 players, every hole entered.
struct Desk {
    Desk() : data(home) {
        benchsupport::application();
        forms::setBackend(&backend);
        forms::setPresenter(&boxes);
        typPlayerInfo p;
        p.ID = 1;
        p.Name = "山田太郎";
        p.Birthday = "1950/06/15";
        p.Gender = 1;
        gtypPlayers.append(p);
        gtypGame = typGameInfo{};
        gtypGame.Hole = 18;
        gtypGame.Round = 10;
        gtypGame.HandiCapKind = 1;
        for (int r = 0; r < 10; ++r) gtypGame.RoundName[static_cast<std::size_t>(r)] = std::string(1, static_cast<char>('A' + r));
        gtypScores.clear();
        for (int32_t id = 1; id <= 24; ++id) {
            for (int16_t r = 1; r <= 10; ++r) {
                typScoreData row;
                row.IDNo = id;
                row.RoundNo = r;
                row.Handicap = -25;
                for (int h = 0; h < 18; ++h) row.Holes[static_cast<std::size_t>(h)] = std::to_string(3 + (h + r) % 3);
                gtypScores.append(row);
            }
        }
        glngDlgIndex = 0;
        gstrDlgParam = "2010/10/10";
    }
    ~Desk() {
        forms::setPresenter(nullptr);
        forms::setBackend(nullptr);
        benchsupport::settle();
    }
    testsupport::TempHome home;
    testsupport::DataFolder data;
    qtui::QtBackend backend;
    forms::doubles::RecorderPresenter boxes;
};

void openIn(benchmark::State& state, const char* howTo) {
    Desk desk;
    gfWriteIniFile(gstrIniFile, "Score", "Howto", howTo);
    benchsupport::ageFiles(desk.data.userFolder());
    std::unique_ptr<frmScore> model, shown;
    const benchsupport::Costs t = benchsupport::timeAgainst(
        state, "vs_model",
        [&] {
            if (shown) shown->Unload();
            shown.reset();
            model.reset();
            benchsupport::settle();
        },
        [&] {
            gintDlgRet = 0;
            model = std::make_unique<frmScore>();
            model->Load();
        },
        [&] {
            gintDlgRet = 0;
            shown = std::make_unique<frmScore>();
            shown->Show();
            QApplication::processEvents(); // the first paint
        });
    if (!desk.boxes.messages().empty()) state.SkipWithError(desk.boxes.last().prompt.c_str());
    state.counters["open_ms"] = t.work.wall * 1000;
    state.counters["model_ms"] = t.floor.wall * 1000;
    if (shown) shown->Unload();
}

void BM_OpenScoreEntryStandard(benchmark::State& state) { openIn(state, "0"); }
BENCHMARK(BM_OpenScoreEntryStandard)->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_OpenScoreEntryQuick(benchmark::State& state) { openIn(state, "1"); }
BENCHMARK(BM_OpenScoreEntryQuick)->Unit(benchmark::kMillisecond)->Iterations(40);

// A shown form with one text box and no handlers: the input pipeline alone.
class PlainBox : public forms::Form {
public:
    PlainBox() : Form("PlainBox", forms::Font{"ＭＳ Ｐゴシック", 11.25}), txtPlain(*this, "txtPlain") {
        setClientSize(4000, 1000);
        txtPlain.Move(120, 120, 3600, 390);
        txtPlain.setFontSize(12);
    }
    forms::TextBox txtPlain;
};

// One key typed into the focused box of the form: "4", or Backspace.
void typeKey(forms::Form& f, bool digit) {
    const int16_t code = digit ? int16_t{'4'} : forms::vbKeyBack;
    f.dispatchKeyDown(code, 0, digit ? "4" : "\b");
    f.dispatchKeyUp(code, 0);
}

// Each keystroke completes course 1 (eighteen holes) or takes its last hole
// away again, so the course changes colour and the total every time.
void BM_QuickKeystrokeRecalculation(benchmark::State& state) {
    Desk desk;
    gfWriteIniFile(gstrIniFile, "Score", "Howto", "1");
    gintDlgRet = 0;
    frmScore f;
    f.Show();
    PlainBox plain;
    plain.Show();
    f.txtEasyScoreR[0].setText(std::string(17, '4'));
    f.txtEasyScoreR[0].setSelStart(17);
    plain.txtPlain.setText(std::string(17, '4'));
    plain.txtPlain.setSelStart(17);
    benchsupport::settle();
    bool digit = true;
    benchsupport::timeAgainst(
        state, "vs_plain_key", [] { benchsupport::settle(); }, [&] { typeKey(plain, digit); },
        [&] {
            typeKey(f, digit);
            digit = !digit;
        });
    if (f.lblTotal.Caption() == "" || !desk.boxes.messages().empty()) state.SkipWithError("no recalculation");
    plain.Unload();
    f.Unload();
}
BENCHMARK(BM_QuickKeystrokeRecalculation)->Unit(benchmark::kMicrosecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
