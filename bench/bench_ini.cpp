// The value layer's look-ups against the raw cost of the file they read:
// 10,000 gfReadIniFile calls spread over a 1,000-section registry should cost
// less than a few parses of that file, because an unchanged file is parsed
// once and then answered from memory.
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/files/ProfileText.h"
#include "support/TempHome.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <fcntl.h>
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

void BM_IniLookUpsAgainstOneParse(benchmark::State& state) {
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

    using Clock = std::chrono::steady_clock;
    double parseNs = 0, lookUpNs = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        files::ProfileText parsed(*files::readFile(path));
        benchmark::DoNotOptimize(parsed);
        auto t1 = Clock::now();
        for (int k = 0; k < kLookUps; ++k) benchmark::DoNotOptimize(gfReadIniFile(path, sections[k], keys[k]));
        auto t2 = Clock::now();
        parseNs += std::chrono::duration<double, std::nano>(t1 - t0).count();
        lookUpNs += std::chrono::duration<double, std::nano>(t2 - t1).count();
    }
    state.counters["parse_us"] = parseNs / 1000 / static_cast<double>(state.iterations());
    state.counters["lookups_us"] = lookUpNs / 1000 / static_cast<double>(state.iterations());
    state.counters["lookups_per_parse"] = lookUpNs / parseNs; // goal: under 3
}
BENCHMARK(BM_IniLookUpsAgainstOneParse)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
