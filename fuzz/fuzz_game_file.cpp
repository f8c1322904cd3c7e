// The game file reader: arbitrary bytes stored as a game file, read into
// score packs, unpacked into score rows and packed again. The first two bytes
// choose the game's shape within the bounds the tally accepts (1-18 holes,
// 1-10 courses), so the unpacking runs as it does for a game being opened.
// (fuzz_score_packs holds the packs read to the in-memory tables.) The
// season gathering reads the packs' cells directly: course by
// course it must find what the course rule finds in the unpacked rows.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzDataFolder.h"
#include "core/courseRules.h"
#include "core/gameFile.h"
#include "core/globals.h"
#include "core/scoreCells.h"
#include "platform/files/FileOps.h"
#include "platform/text/RuntimeError.h"

namespace {

// One course's result: the error raised, or whether it is complete and then
// its strokes.
struct Course {
    int error = 0;
    bool complete = false;
    std::array<int32_t, 18> strokes{};
    bool operator==(const Course& o) const {
        return error == o.error && complete == o.complete && (!complete || strokes == o.strokes);
    }
};

template <class Read>
Course readCourse(Read read) {
    Course c;
    try {
        c.complete = read(c.strokes);
    } catch (const text::RuntimeError& e) {
        c.error = e.Number;
    }
    return c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    useFuzzDataFolder();
    if (size < 2) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    writeFuzzFile(files::joinPath(gstrGamesFolder, "game00001.lmg"), bytes);

    gtypGame = typGameInfo{};
    gtypGame.FileName = "game00001.lmg";
    gtypGame.Hole = static_cast<int16_t>(1 + data[0] % 18);
    gtypGame.Round = static_cast<int16_t>(1 + data[1] % 10);
    gsReadScoreData();
    const std::size_t packs = gtypScorePacks.size();
    gsUnpackScoreData();
    const int16_t hole = gtypGame.Hole;
    for (std::size_t p = 0; p < gtypScorePacks.size(); ++p) {
        ScoreCells cells(gtypScorePacks[p].Holes);
        for (int c = 0; c < gtypGame.Round; ++c) {
            const typScoreData& row = gtypScores[p * static_cast<std::size_t>(gtypGame.Round) + static_cast<std::size_t>(c)];
            const Course fromCells = readCourse([&](auto& s) { return courseStrokes(hole, cells, s); });
            if (fromCells != readCourse([&](auto& s) { return courseHoleStrokes(row, hole, s); })) std::abort();
            if (fromCells.error != 0) break; // the gathering ends there
        }
    }
    gsPackScoreData();
    // Packing the rows again gives every player back, with Hole x Round cells.
    if (gtypScorePacks.size() != packs) std::abort();
    const auto cells = static_cast<std::ptrdiff_t>(gtypGame.Hole * gtypGame.Round);
    for (const typScorePack& p : gtypScorePacks)
        if (std::count(p.Holes.begin(), p.Holes.end(), ',') != cells) std::abort();
    return 0;
}
