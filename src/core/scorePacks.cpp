// Score packs: one line of strokes per player as the game file keeps them,
// read from the file and turned into score rows (one per course) and back.
#include <algorithm>
#include <array>
#include <exception>
#include <string_view>
#include <vector>

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/scoreCells.h"
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

// k of a section named "Score" & k (k as Str writes it: no sign, no leading
// zero) with k from 1 to count, else 0.
int32_t scoreNumber(std::string_view name, int32_t count) {
    constexpr std::string_view kPrefix = "Score";
    if (name.size() <= kPrefix.size() || name.size() > kPrefix.size() + 5 || name.substr(0, kPrefix.size()) != kPrefix ||
        name[kPrefix.size()] == '0')
        return 0;
    int32_t k = 0;
    for (char c : name.substr(kPrefix.size())) {
        if (c < '0' || c > '9') return 0;
        k = k * 10 + (c - '0');
    }
    return k <= count ? k : 0;
}

// The first section named "Score" & k for each k from 1 to count (entry
// k - 1; -1 when there is none), found in one walk over the loaded sections:
// what looking each name up in turn would give, without an index.
const std::vector<int32_t>& scoreSections(int32_t count) {
    static std::vector<int32_t> sections;
    sections.assign(static_cast<std::size_t>(std::max(count, 0)), -1);
    for (int32_t i = 0; i <= mlngIniSectionsMax; ++i) {
        const int32_t k = scoreNumber(mtypIniSections[static_cast<std::size_t>(i)].Name, count);
        if (k > 0 && sections[static_cast<std::size_t>(k - 1)] < 0) sections[static_cast<std::size_t>(k - 1)] = i;
    }
    return sections;
}

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
    if (gfLoadIniExWhenPresent(path) != IniLoad::Loaded) return true;
    try {
        const int32_t count = text::readInt32(gfReadIniEx("Management", "MaxScoreNo"));
        if (count > kMaxPacks) return true;
        if (count > 0) gtypScorePacks.reserve(static_cast<std::size_t>(count));
        const std::vector<int32_t>& sections = scoreSections(count);
        static constexpr std::array<std::string_view, 4> kKeys = {"IDNo", "Holes", "TeamID", "Handicap"};
        std::array<const IniText*, kKeys.size()> values{};
        for (int32_t k = 1; k <= count; ++k) {
            // One walk over the section's keys; a missing section or key reads as "".
            gfFindIniValuesEx(sections[static_cast<std::size_t>(k - 1)], kKeys, values);
            auto value = [&values](std::size_t i) { return values[i] ? std::string_view(*values[i]) : std::string_view(); };
            typScorePack& pack = used < gtypScorePacks.size() ? gtypScorePacks[used] : gtypScorePacks.emplace_back();
            pack.IDNo = text::readInt32(value(0));
            pack.Holes.assign(text::TrimmedView(value(1)));
            pack.TeamID.assign(text::TrimmedView(value(2)));
            pack.Handicap = text::readInt32(value(3));
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
        // Each course takes the pack's next Hole cells; cells past Round x
        // Hole (the "" after the final "," among them) are never used.
        ScoreCells cells(pack.Holes);
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
                const std::string_view text = cells.next();
                // Mostly a single digit in place of another: set in place.
                if (text.size() == 1 && cell->size() == 1)
                    (*cell)[0] = text[0];
                else
                    cell->assign(text);
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
