// The value layer's look-ups against the cost of parsing the file they read:
// 10,000 gfReadIniFile calls spread over a 1,000-section registry, made
// inside a read batch and without one, each against one read and parse of
// that file (counter "lookups_per_parse").
//
// The goal (under 3) is judged on the batched look-ups: that is how the
// program reads many values in a row (a loop over stored files opens a
// batch), and there the parsed form answers from memory. An unbatched read
// checks the file's identity on the disk every time, so its cost is one
// stat() per look-up whatever the parser does; it is reported to show that
// price, which keeps single reads safe against outside edits.
#include "benchMain.h"
#include "benchSupport.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/files/Profile.h"
#include "platform/files/ProfileText.h"
#include "support/TempHome.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int kSections = 1000;
constexpr int kLookUps = 10000;
const char* const kKeys[] = {"Name", "State", "Birthday", "Gender", "BelongID", "Sort", "Location"};

// A player registry as the program writes it (CP932, CR LF).
std::string registryBytes() {
    std::string text = "[Management]\r\nMaxPlayerNo=1000\r\n";
    for (int n = 1; n <= kSections; ++n) {
        text += "[player" + std::to_string(n) + "]\r\n";
        text += "Name=\x8e\x52\x93\x63\x20\x91\xbe\x98\x59" + std::to_string(n) + "\r\n"; // 山田 太郎
        text += "State=0\r\nBirthday=1950/06/15\r\nGender=1\r\n";
        text += "BelongID=" + std::to_string(n % 37) + "\r\n";
        text += "Sort=\xd4\xcf\xc0\xde\x20\xc0\xdb\xb3\r\n"; // ﾔﾏﾀﾞ ﾀﾛｳ
        text += "Location=\x93\x8c\x8b\x9e\r\n";              // 東京
    }
    return text;
}

void lookUpsAgainstOneParse(benchmark::State& state, bool batched) {
    testsupport::TempHome home;
    const std::string path = home.file("playsers.dat");
    files::writeFileAtomic(path, registryBytes());
    // A registry written in an earlier session: its time is well in the past.
    timespec old[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), old, 0);
    gfReadIniFile(path, "Management", "MaxPlayerNo");
    std::vector<std::string> sections, keys;
    for (int k = 0; k < kLookUps; ++k) {
        sections.push_back("player" + std::to_string(1 + (k * 7919) % kSections));
        keys.push_back(kKeys[k % 7]);
    }

    const auto parse = [&path] {
        files::ProfileText parsed(*files::readFile(path));
        benchmark::DoNotOptimize(parsed);
    };
    const auto lookUps = [&, batched] {
        std::optional<files::ProfileReadBatch> batch;
        if (batched) batch.emplace();
        for (int k = 0; k < kLookUps; ++k) benchmark::DoNotOptimize(gfReadIniFile(path, sections[k], keys[k]));
    };
    const benchsupport::Costs t = benchsupport::timeAgainst(state, "lookups_per_parse", [] {}, parse, lookUps);
    const auto n = static_cast<double>(state.iterations());
    state.counters["parse_us"] = t.floor.wall / n * 1e6;
    state.counters["lookups_us"] = t.work.wall / n * 1e6;
}

void BM_IniLookUpsInABatch(benchmark::State& state) { lookUpsAgainstOneParse(state, true); }
void BM_IniLookUpsUnbatched(benchmark::State& state) { lookUpsAgainstOneParse(state, false); }
BENCHMARK(BM_IniLookUpsInABatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IniLookUpsUnbatched)->Unit(benchmark::kMillisecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
