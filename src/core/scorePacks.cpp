// Score packs: one line of strokes per player as the game file keeps them,
// read from the file and turned into score rows (one per course) and back.
#include <algorithm>
#include <exception>

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

namespace {

// One pack per player, and a registry holds at most 32767 players: a larger
// count can only come from a damaged file, whose missing sections would
// otherwise each become an empty pack.
constexpr int32_t kMaxPacks = 32767;

// The cells a score row holds.
constexpr int32_t kRowHoles = static_cast<int32_t>(sizeof(typScoreData::Holes) / sizeof(typScoreData::Holes[0]));

// Empties the in-memory tables however the read ends.
struct IniExTables {
    ~IniExTables() { gsClearIniEx(); }
};

} // namespace

bool gsReadScoreData() {
    // The packs of the last read are filled anew, keeping their texts'
    // storage; however the read ends, only the packs read now stay.
    std::size_t used = 0;
    struct KeepRead {
        const std::size_t& used;
        ~KeepRead() { gtypScorePacks.resize(used); }
    } keep{used};
    const std::string name = text::Trim(gtypGame.FileName);
    if (name.empty()) return false; // never saved: nothing stored to read
    const std::string path = files::joinPath(gstrGamesFolder, name);
    IniExTables tables;
    if (!files::fileExists(path) || gfLoadIniEx(path)) return true;
    try {
        const int32_t count = text::readInt32(gfReadIniEx("Management", "MaxScoreNo"));
        if (count > kMaxPacks) return true;
        if (count > 0) gtypScorePacks.reserve(static_cast<std::size_t>(count));
        std::string section;
        for (int32_t k = 1; k <= count; ++k) {
            section = "Score";
            section += text::Str(k);
            // The section is looked up once for its four keys; a missing
            // section or key reads as "".
            const int32_t s = gfFindIniSectionEx(section);
            auto value = [s](std::string_view key) -> std::string_view {
                const IniText* v = gfFindIniValueEx(s, key);
                return v ? std::string_view(*v) : std::string_view();
            };
            typScorePack& pack = used < gtypScorePacks.size() ? gtypScorePacks[used] : gtypScorePacks.emplace_back();
            pack.IDNo = text::readInt32(value("IDNo"));
            pack.Holes.assign(text::TrimmedView(value("Holes")));
            pack.TeamID.assign(text::TrimmedView(value("TeamID")));
            pack.Handicap = text::readInt32(value("Handicap"));
            ++used;
        }
    } catch (const std::exception&) {
        return true;
    }
    return false;
}

void gsUnpackScoreData() {
    // The rows of the last game are filled anew, keeping their texts'
    // storage; however the unpacking ends, only the rows made now stay.
    std::size_t used = 0;
    struct KeepRows {
        const std::size_t& used;
        ~KeepRows() { gtypScores.resize(used); }
    } keep{used};
    const int32_t hole = gtypGame.Hole, round = gtypGame.Round;
    if (round > 0) gtypScores.reserve(gtypScorePacks.size() * static_cast<std::size_t>(round));
    const int32_t holeCells = std::clamp<int32_t>(hole, 0, kRowHoles);
    for (const typScorePack& pack : gtypScorePacks) {
        // The cells in order, taken at every ","; cells past the last part
        // are empty, and parts past Round x Hole (the one after the final
        // "," among them) are never used.
        const std::string_view cells = text::TrimmedView(pack.Holes);
        const char* const chars = cells.data();
        const std::size_t size = cells.size();
        std::size_t at = cells.empty() ? size + 1 : 0; // the next part's start; past size once the text is used up
        for (int32_t r = 1; r <= round; ++r) {
            typScoreData& row = used < gtypScores.size() ? gtypScores[used] : gtypScores.emplace_back();
            ++used;
            row.IDNo = pack.IDNo;
            row.RoundNo = static_cast<int16_t>(r);
            row.TeamID = pack.TeamID;
            row.Handicap = pack.Handicap;
            std::string* cell = row.Holes.data();
            std::string* const filled = cell + holeCells;
            for (; cell != filled; ++cell) {
                // Mostly a single digit in place of another: set in place.
                if (at + 1 < size && chars[at + 1] == ',' && chars[at] != ',' && cell->size() == 1) {
                    (*cell)[0] = chars[at];
                    at += 2;
                    continue;
                }
                if (at > size) break; // no parts left
                // Cells are short: a plain scan beats memchr.
                std::size_t end = at;
                while (end != size && chars[end] != ',') ++end;
                cell->assign(chars + at, end - at);
                at = end + 1;
            }
            for (std::string* const last = row.Holes.data() + kRowHoles; cell != last; ++cell) cell->clear();
            // A row has no cell for a hole past the 18th.
            if (hole > holeCells) text::raise(text::err::Subscript);
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
