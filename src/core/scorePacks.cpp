// Score packs: one line of strokes per player as the game file keeps them,
// read from the file and turned into score rows (one per course) and back.
#include <algorithm>
#include <array>
#include <deque>
#include <exception>
#include <string_view>
#include <vector>

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/scoreCells.h"
#include "platform/files/FileOps.h"
#include "platform/text/Cp932.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

namespace {

// The cells a score row holds.
constexpr int32_t kRowHoles = static_cast<int32_t>(sizeof(typScoreData::Holes) / sizeof(typScoreData::Holes[0]));

int32_t scoreNumber(std::string_view name) { return sectionNumber(name, "Score", kMaxScoreSections); }

// The keys of a pack, in the order they are converted.
enum PackKey { kIDNo, kHoles, kTeamID, kHandicap, kPackKeys };

// Which of them a key is, or kPackKeys for any other key (names are exact).
PackKey packKey(std::string_view key) {
    switch (key.size()) {
    case 4: return key == "IDNo" ? kIDNo : kPackKeys;
    case 5: return key == "Holes" ? kHoles : kPackKeys;
    case 6: return key == "TeamID" ? kTeamID : kPackKeys;
    case 8: return key == "Handicap" ? kHandicap : kPackKeys;
    default: return kPackKeys;
    }
}

// What a game file holds for its packs, gathered in one walk over its lines
// as the in-memory tables would answer: the count, the first MaxScoreNo of
// the first section named "Management"; and for each k the first section
// named "Score" & k, with the first value of each pack key in it (a missing
// one reads as ""). The views refer to the file's bytes and decoded lines.
class PackSections {
public:
    struct Keys {
        std::array<std::string_view, kPackKeys> values{};
        unsigned found = 0; // a bit per PackKey
        bool present = false;
    };

    // Ready for the next file; the room of a file with very many sections
    // is given back.
    void clear() {
        count_ = {};
        management_ = Where::Before;
        current_ = nullptr;
        sections_.clear();
        if (sections_.capacity() > kKeptSections) sections_ = {};
    }

    [[gnu::always_inline]] void visit(const IniLine& line) {
        if (line.section) {
            enter(line.name);
        } else if (current_) {
            const PackKey key = packKey(line.name);
            if (key != kPackKeys && !(current_->found >> key & 1)) {
                current_->values[key] = line.value;
                current_->found |= 1u << key;
            }
        } else if (management_ == Where::In && line.name == "MaxScoreNo") {
            count_ = line.value;
            management_ = Where::After;
        }
    }

    std::string_view count() const { return count_; }
    // The highest k of a section "Score" & k: no more packs than that can be read.
    std::size_t sections() const { return sections_.size(); }
    // The keys of "Score" & k (k from 1); all empty when there is no such section.
    const Keys& pack(int32_t k) const {
        static const Keys none;
        return static_cast<std::size_t>(k) <= sections_.size() ? sections_[static_cast<std::size_t>(k) - 1] : none;
    }

private:
    static constexpr std::size_t kKeptSections = std::size_t{1} << 14;

    // Where the walk is as to the first "Management" section.
    enum class Where { Before, In, After };

    void enter(std::string_view name) {
        current_ = nullptr;
        if (management_ == Where::In) management_ = Where::After;
        if (management_ == Where::Before && name == "Management") {
            management_ = Where::In;
            return;
        }
        const int32_t k = scoreNumber(name);
        if (k == 0) return;
        if (static_cast<std::size_t>(k) > sections_.size()) sections_.resize(static_cast<std::size_t>(k));
        Keys& keys = sections_[static_cast<std::size_t>(k) - 1];
        if (keys.present) return; // a later section of the same name is never looked at
        keys.present = true;
        current_ = &keys;
    }

    std::string_view count_;
    Where management_ = Where::Before;
    Keys* current_ = nullptr;
    std::vector<Keys> sections_;
};

} // namespace

// What a reader keeps between files, so that reading game after game
// allocates little. After each read it keeps no more than a large game
// needs; a damaged or unusually large file's room is given back.
struct ScorePackReader::Buffers {
    std::string bytes;
    std::deque<std::string> decoded;
    PackSections file;

    // Ready for the next file.
    void clear() {
        constexpr std::size_t kKeptBytes = std::size_t{1} << 20;
        if (bytes.capacity() > kKeptBytes) bytes = std::string();
        decoded.clear();
        file.clear();
    }
};

ScorePackReader::ScorePackReader() : buffers_(std::make_unique<Buffers>()) {}
ScorePackReader::~ScorePackReader() = default;

ScorePackReader::Result ScorePackReader::read(const std::string& path, std::vector<typScorePack>& packs) {
    // The packs are filled anew, keeping their texts' storage; however the
    // read ends, only the packs read now stay.
    std::size_t used = 0;
    struct KeepRead {
        std::vector<typScorePack>& packs;
        const std::size_t& used;
        ~KeepRead() { packs.resize(used); }
    } keep{packs, used};
    if (path.empty()) return Result::Read; // a game never saved: nothing stored to read
    struct ClearAfter {
        Buffers& buffers;
        ~ClearAfter() { buffers.clear(); }
    } clearAfter{*buffers_};
    PackSections& file = buffers_->file;
    std::deque<std::string>& decoded = buffers_->decoded;
    const auto keepDecoded = [&decoded](std::string_view line) {
        return std::string_view(decoded.emplace_back(text::decode932(line)));
    };
    // The visit is built into the walk: a call per line would pass each line
    // through memory, at a cost close to the walk's own.
    switch (walkIniFile(path, buffers_->bytes, keepDecoded,
                          [&file](const IniLine& line) __attribute__((always_inline)) { file.visit(line); })) {
    case IniLoad::Loaded: break;
    case IniLoad::Missing: return Result::NotRead;
    case IniLoad::Failed: return Result::LoadFailed;
    }
    try {
        const int32_t count = text::readInt32(file.count());
        if (count > kMaxScoreSections) return Result::NotRead;
        if (count > 0) packs.reserve(std::min(static_cast<std::size_t>(count), file.sections()));
        for (int32_t k = 1; k <= count; ++k) {
            const PackSections::Keys& section = file.pack(k);
            // A section the count names is missing (a file cut short, a hand
            // edit): the file is damaged, and no empty player stands in.
            if (!section.present) return Result::NotRead;
            const auto& values = section.values;
            typScorePack& pack = used < packs.size() ? packs[used] : packs.emplace_back();
            pack.IDNo = text::readInt32(values[kIDNo]);
            pack.Holes.assign(text::TrimmedView(values[kHoles]));
            pack.TeamID.assign(text::TrimmedView(values[kTeamID]));
            pack.Handicap = text::readInt32(values[kHandicap]);
            ++used;
        }
    } catch (const std::exception&) {
        return Result::NotRead;
    }
    return Result::Read;
}

std::string gameFilePath(const typGameInfo& game) {
    const std::string name = text::Trim(game.FileName);
    return name.empty() ? std::string() : files::joinPath(gstrGamesFolder, name);
}

bool gsReadScoreData() {
    const std::string path = gameFilePath(gtypGame);
    // Reading a stored game leaves the in-memory tables empty, as loading
    // its file into them did.
    if (!path.empty()) gsClearIniEx();
    static ScorePackReader reader;
    const ScorePackReader::Result result = reader.read(path, gtypScorePacks);
    if (result == ScorePackReader::Result::LoadFailed) showIniLoadFailure();
    return result != ScorePackReader::Result::Read;
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
