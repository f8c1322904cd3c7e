// Score packs: one line of strokes per player as the game file keeps them,
// read from the file and turned into score rows (one per course) and back.
#include <exception>

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

namespace {

// One pack per player, and a registry holds at most 32767 players: a larger
// count can only come from a damaged file, whose missing sections would
// otherwise each become an empty pack.
constexpr int32_t kMaxPacks = 32767;

// Empties the in-memory tables however the read ends.
struct IniExTables {
    ~IniExTables() { gsClearIniEx(); }
};

} // namespace

bool gsReadScoreData() {
    gtypScorePacks.clear();
    const std::string name = text::Trim(gtypGame.FileName);
    if (name.empty()) return false; // never saved: nothing stored to read
    const std::string path = files::joinPath(gstrGamesFolder, name);
    IniExTables tables;
    if (!files::fileExists(path) || gfLoadIniEx(path)) return true;
    try {
        const int32_t count = text::readInt32(gfReadIniEx("Management", "MaxScoreNo"));
        if (count > kMaxPacks) return true;
        for (int32_t k = 1; k <= count; ++k) {
            const std::string section = "Score" + text::Str(k);
            typScorePack pack;
            pack.IDNo = text::readInt32(gfReadIniEx(section, "IDNo"));
            pack.Holes = text::Trim(gfReadIniEx(section, "Holes"));
            pack.TeamID = text::Trim(gfReadIniEx(section, "TeamID"));
            pack.Handicap = text::readInt32(gfReadIniEx(section, "Handicap"));
            gtypScorePacks.append(std::move(pack));
        }
    } catch (const std::exception&) {
        return true;
    }
    return false;
}

void gsUnpackScoreData() {
    gtypScores.clear();
    const int32_t hole = gtypGame.Hole, round = gtypGame.Round;
    if (round > 0) gtypScores.reserve(gtypScorePacks.size() * static_cast<std::size_t>(round));
    for (const typScorePack& pack : gtypScorePacks) {
        // The cells in order, taken at every ","; cells past the last part
        // are empty, and parts past Round x Hole (the one after the final
        // "," among them) are never used.
        const std::string cells = text::Trim(pack.Holes);
        std::size_t pos = 0; // start of the next part; npos once the text is used up
        for (int32_t r = 1; r <= round; ++r) {
            typScoreData& row = gtypScores.emplace_back();
            row.IDNo = pack.IDNo;
            row.RoundNo = static_cast<int16_t>(r);
            row.TeamID = pack.TeamID;
            row.Handicap = pack.Handicap;
            for (int32_t h = 0; h < hole; ++h) {
                std::string& cell = row.Holes(h);
                if (pos == std::string::npos || cells.empty()) continue;
                std::size_t end = pos; // cells are a digit or two: a plain scan beats find()
                while (end < cells.size() && cells[end] != ',') ++end;
                cell.assign(cells.data() + pos, end - pos);
                pos = end < cells.size() ? end + 1 : std::string::npos;
            }
        }
    }
}

void gsPackScoreData() {
    gtypScorePacks.clear();
    const int32_t hole = gtypGame.Hole, round = gtypGame.Round;
    for (int32_t i = 0; i <= glngScoresMax(); ++i) {
        const typScoreData& first = gtypScores[static_cast<std::size_t>(i)];
        if (first.RoundNo != 1) continue; // read as part of the pack before it
        typScorePack pack;
        pack.IDNo = first.IDNo;
        pack.TeamID = first.TeamID;
        pack.Handicap = first.Handicap;
        for (int32_t r = 0; r < round; ++r) {
            const typScoreData& row = gtypScores.item(static_cast<long long>(i) + r);
            for (int32_t h = 0; h < hole; ++h) pack.Holes += row.Holes(h) + ",";
        }
        gtypScorePacks.append(std::move(pack));
    }
}
