// The game file reader: arbitrary bytes stored as a game file, read into
// score packs, unpacked into score rows and packed again. The first two bytes
// choose the game's shape within the bounds the tally accepts (1-18 holes,
// 1-10 courses), so the unpacking runs as it does for a game being opened.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzDataFolder.h"
#include "core/gameFile.h"
#include "core/globals.h"
#include "platform/files/FileOps.h"

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
    gsPackScoreData();
    // Packing the rows again gives every player back, with Hole x Round cells.
    if (gtypScorePacks.size() != packs) std::abort();
    const auto cells = static_cast<std::ptrdiff_t>(gtypGame.Hole * gtypGame.Round);
    for (const typScorePack& p : gtypScorePacks)
        if (std::count(p.Holes.begin(), p.Holes.end(), ',') != cells) std::abort();
    return 0;
}
