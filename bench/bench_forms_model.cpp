// The forms model without widgets: a report page of 2,000 labels is built
// (element 0 plus 1,999 loaded copies) and its captions are set; a loaded
// form of 1,500 to 12,000 elements in several arrays is unloaded (the time
// per element should stay flat as the count grows).
#include "platform/forms/Forms.h"

#include <benchmark/benchmark.h>

#include "benchMain.h"

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Labels = 2000;

class Page : public forms::Form {
public:
    Page() : Form("Page") {
        lblObj[0].setCaption("0");
        lblObj[0].Move(0, 0, 1155, 255);
    }
    forms::ControlArray<forms::Label> lblObj{*this, "lblObj", {0}};
};

void BuildFormOfLabels(benchmark::State& state) {
    for (auto _ : state) {
        auto page = std::make_unique<Page>();
        for (int i = 1; i < Labels; ++i) page->lblObj.Load(i);
        benchmark::DoNotOptimize(page->Controls().size());
    }
    state.counters["per_label"] = benchmark::Counter(static_cast<double>(state.iterations()) * Labels,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BuildFormOfLabels)->Unit(benchmark::kMillisecond);

void SetCaptions(benchmark::State& state) {
    Page page;
    for (int i = 1; i < Labels; ++i) page.lblObj.Load(i);
    std::vector<std::string> captions[2];
    for (int i = 0; i < Labels; ++i) {
        captions[0].push_back("選手" + std::to_string(i));
        captions[1].push_back("Player " + std::to_string(i));
    }
    int round = 0;
    for (auto _ : state) {
        const auto& texts = captions[round++ & 1];
        for (int i = 0; i < Labels; ++i) page.lblObj[i].setCaption(texts[static_cast<size_t>(i)]);
    }
    state.counters["per_label"] = benchmark::Counter(static_cast<double>(state.iterations()) * Labels,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(SetCaptions)->Unit(benchmark::kMicrosecond);

// Elements of four arrays loaded in turn, as a report's row cells are.
class Rows : public forms::Form {
public:
    Rows() : Form("Rows") {}
    forms::ControlArray<forms::Label> lblA{*this, "lblA", {0}}, lblB{*this, "lblB", {0}}, lblC{*this, "lblC", {0}};
    forms::ControlArray<forms::Line> linRule{*this, "linRule", {0}};
};

void UnloadElements(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    Rows form;
    for (auto _ : state) {
        state.PauseTiming();
        form.Load();
        for (int i = 1; i <= rows; ++i) {
            form.lblA.Load(i);
            form.lblB.Load(i);
            form.lblC.Load(i);
            form.linRule.Load(i);
        }
        state.ResumeTiming();
        form.Unload();
    }
    state.counters["per_element"] = benchmark::Counter(static_cast<double>(state.iterations()) * rows * 4,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(UnloadElements)->Arg(375)->Arg(1500)->Arg(3000)->Unit(benchmark::kMicrosecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
