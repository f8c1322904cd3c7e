// The game file's one-pass pack reader against the in-memory tables: on the
// same bytes, ScorePackReader must give exactly what gfLoadIniEx and
// gfReadIniEx give when the score sections are read from them one by one,
// including where the file is refused (a counted section missing, a value
// that does not fit, a load that fails).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "FuzzDataFolder.h"
#include "core/gameFile.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

namespace {

using Result = ScorePackReader::Result;

// The packs as the tables give them, read in the order the reader reads.
Result fromTables(const std::string& path, std::vector<typScorePack>& packs) {
    packs.clear();
    if (gfLoadIniEx(path)) return Result::LoadFailed;
    try {
        const int32_t count = text::readInt32(gfReadIniEx("Management", "MaxScoreNo"));
        if (count > kMaxScoreSections) return Result::NotRead;
        for (int32_t k = 1; k <= count; ++k) {
            const std::string section = "Score" + text::Str(k);
            if (findIniSectionEx(section) < 0) return Result::NotRead;
            typScorePack pack;
            pack.IDNo = text::readInt32(gfReadIniEx(section, "IDNo"));
            pack.Holes = text::Trim(gfReadIniEx(section, "Holes"));
            pack.TeamID = text::Trim(gfReadIniEx(section, "TeamID"));
            pack.Handicap = text::readInt32(gfReadIniEx(section, "Handicap"));
            packs.push_back(std::move(pack));
        }
        if (findIniSectionEx("Score" + text::Str(std::max(count, 0) + 1)) >= 0) return Result::NotRead;
    } catch (const std::exception&) {
        return Result::NotRead;
    }
    return Result::Read;
}

bool samePacks(const std::vector<typScorePack>& a, const std::vector<typScorePack>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].IDNo != b[i].IDNo || a[i].Holes != b[i].Holes || a[i].TeamID != b[i].TeamID ||
            a[i].Handicap != b[i].Handicap)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    useFuzzDataFolder();
    static const std::string path = files::joinPath(gstrGamesFolder, "game00001.lmg");
    writeFuzzFile(path, std::string_view(reinterpret_cast<const char*>(data), size));

    static ScorePackReader reader;
    static std::vector<typScorePack> fast, tables;
    const Result fastResult = reader.read(path, fast);
    const Result tablesResult = fromTables(path, tables);
    gsClearIniEx();
    if (fastResult != tablesResult || !samePacks(fast, tables)) std::abort();
    return 0;
}
