// The forms model without widgets: a report page of 2,000 labels is built
// (element 0 plus 1,999 loaded copies) and its captions are set.
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

} // namespace

LUMORA_BENCHMARK_MAIN()
