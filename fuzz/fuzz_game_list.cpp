// The list of stored games: the input up to its first NUL byte is the game
// counter manager.dat, the rest is the game file game00001.lmg (without a
// NUL, a counter of 1 and the whole input as the game file).
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
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view manager =
        nul == std::string_view::npos ? std::string_view("[Management]\r\nMaxGameNo=1\r\n") : input.substr(0, nul);
    const std::string_view game = nul == std::string_view::npos ? input : input.substr(nul + 1);
    writeFuzzFile(gstrManagerFile, manager);
    writeFuzzFile(files::joinPath(gstrGamesFolder, "game00001.lmg"), game);

    gsReadGameList();
    if (gtypGames.size() > 1) std::abort(); // only one game file exists
    return 0;
}
