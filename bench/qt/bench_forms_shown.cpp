// The cost of a shown form's widgets: building and showing a form of 2,000
// labels, pushing 2,000 caption changes to a shown form (the goal: well
// under 20 µs a caption), painting the window after them, and selecting
// every item of a shown list of 3,000 players one by one, as a "select all"
// button does. Run with QT_QPA_PLATFORM=offscreen.
#include "platform/forms/Forms.h"
#include "platform/qt/QtBackend.h"

#include "qtApplication.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include "../benchMain.h"

#include <functional>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Labels = 2000;


// A grid of labels, 40 across.
class ManyLabels : public forms::Form {
public:
    ManyLabels() : Form("ManyLabels") {
        setClientSize(40 * 600, 50 * 255);
        for (int i = 0; i < Labels; ++i) {
            auto label = std::make_unique<forms::Label>(*this, "lblObj", i);
            label->Move((i % 40) * 600, (i / 40) * 255, 600, 255);
            label->setCaption("項目" + std::to_string(i));
            labels.push_back(std::move(label));
        }
    }
    std::vector<std::unique_ptr<forms::Label>> labels;
};

struct Installed {
    Installed() {
        benchsupport::application();
        forms::setBackend(&backend);
    }
    ~Installed() {
        forms::setBackend(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    qtui::QtBackend backend;
};

void perLabel(benchmark::State& state) {
    state.counters["per_label"] =
        benchmark::Counter(Labels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_BuildAndShow2000Labels(benchmark::State& state) {
    Installed desk;
    for (auto _ : state) {
        ManyLabels f;
        f.Show();
        benchmark::DoNotOptimize(qtui::windowOf(f));
        state.PauseTiming();
        f.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    perLabel(state);
}
BENCHMARK(BM_BuildAndShow2000Labels)->Unit(benchmark::kMillisecond);

// Shows the form, then sets every caption once per iteration, alternating
// two texts; `afterEach` runs after each round of changes.
void changeCaptions(benchmark::State& state, bool autoSize, const std::function<void()>& afterEach = {}) {
    Installed desk;
    ManyLabels f;
    for (auto& label : f.labels) label->setAutoSize(autoSize);
    f.Show();
    QCoreApplication::processEvents();
    const std::string texts[2] = {"山田太郎", "パークゴルフ"};
    int round = 0;
    for (auto _ : state) {
        const std::string& text = texts[round++ & 1];
        for (auto& label : f.labels) label->setCaption(text);
        if (afterEach) afterEach();
    }
    perLabel(state);
    f.Unload();
}

void BM_SetCaptionsOnAShownForm(benchmark::State& state) { changeCaptions(state, false); }
BENCHMARK(BM_SetCaptionsOnAShownForm)->Unit(benchmark::kMicrosecond);

// The changes and the repaint they cause.
void BM_PaintChangedCaptions(benchmark::State& state) {
    changeCaptions(state, false, [] { QCoreApplication::processEvents(); });
}
BENCHMARK(BM_PaintChangedCaptions)->Unit(benchmark::kMillisecond);

// Labels sized to their captions: each change is measured with the real
// font metrics and moves the label too.
void BM_SetAutoSizedCaptions(benchmark::State& state) { changeCaptions(state, true); }
BENCHMARK(BM_SetAutoSizedCaptions)->Unit(benchmark::kMicrosecond);

// A multi-selection list of a register's size, shown.
class LongList : public forms::Form {
public:
    LongList() : Form("LongList") {
        setClientSize(4000, 6000);
        lstMulti.Move(0, 0, 4000, 6000);
        lstMulti.setMultiSelect(forms::vbMultiSelectExtended);
        for (int i = 0; i < Items; ++i) lstMulti.AddItem("選手" + std::to_string(i));
    }
    static constexpr int Items = 3000;
    forms::ListBox lstMulti{*this, "lstMulti"};
};

void BM_SelectEveryItemOfAShownList(benchmark::State& state) {
    Installed desk;
    LongList f;
    f.Show();
    QCoreApplication::processEvents();
    bool on = true;
    for (auto _ : state) {
        for (int i = 0; i < LongList::Items; ++i) f.lstMulti.setSelected(i, on);
        on = !on;
    }
    state.counters["per_item"] = benchmark::Counter(LongList::Items, benchmark::Counter::kIsIterationInvariantRate |
                                                                           benchmark::Counter::kInvert);
    f.Unload();
}
BENCHMARK(BM_SelectEveryItemOfAShownList)->Unit(benchmark::kMillisecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
