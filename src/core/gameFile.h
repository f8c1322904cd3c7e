#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/gameRecords.h"

// The stored games. Each game is one INI text file "game<number>.lmg" in the
// games folder, numbered by the counter "MaxGameNo" of manager.dat. The
// procedures work on the shared records: gtypGame, gtypGames, gtypScores and
// gtypScorePacks.

// "game00012.lmg" for game 12 (at least five digits).
std::string gameFileName(int32_t number);

// Rebuilds gtypGames from the headers of the stored games, in game-number
// order: the games 1 to the counter "MaxGameNo", or every game file when the
// counter is lost (manager.dat missing or unreadable, or no number of 1 or
// more in it). A number field whose value does not fit is clamped to its range.
void gsReadGameList();

// The numbers 1 to last whose game file exists (a regular file under the
// exact name the save gives), ascending.
std::vector<int32_t> storedGameNumbers(int32_t last);

// One score section per player, and a registry holds at most 32767 players:
// a game file that counts more is damaged.
inline constexpr int32_t kMaxScoreSections = 32767;

// Rebuilds gtypScorePacks from the file of gtypGame. Returns true when the
// stored game could not be read: its file is missing or fails to load, a
// score section that "MaxScoreNo" counts is missing or one follows the last
// it counts (section names match exactly, as the in-memory reader matches
// them), or a value does not fit.
// The packs read before the failure are kept, so the caller can refuse to
// open a game that would be saved over with part of it.
bool gsReadScoreData();

// What gsReadScoreData does, without the shared records. One reader keeps
// its buffers between files, so reading game after game allocates little.
class ScorePackReader {
public:
    // How a read ended: NotRead when the file is missing, damaged (a counted
    // section missing, or one past the count) or its values do not make packs; LoadFailed when it could not be read or is no INI file
    // (the caller puts the mouse pointer back, as a failed load does).
    enum class Result { Read, NotRead, LoadFailed };

    // One pack as the file holds it: the numbers read, the texts trimmed,
    // as views of the file, valid until the reader's next read.
    struct PackView {
        int32_t IDNo;
        std::string_view Holes;
        std::string_view TeamID;
        int32_t Handicap;
    };

    ScorePackReader();
    ~ScorePackReader();
    ScorePackReader(const ScorePackReader&) = delete;
    ScorePackReader& operator=(const ScorePackReader&) = delete;

    // The packs of the game file at `path` into `packs`, whose storage is
    // reused; however the read ends, only the packs read now stay. A game
    // never saved ("" path) is read as one without packs.
    Result read(const std::string& path, std::vector<typScorePack>& packs);
    // The same as views, for a reader that keeps none of the texts.
    Result readViews(const std::string& path, std::vector<PackView>& packs);

    // Views turned into packs, in `packs`' reused storage.
    static void assignPacks(const std::vector<PackView>& views, std::vector<typScorePack>& packs);

private:
    struct Buffers;
    std::unique_ptr<Buffers> buffers_;
};

// The full path of a game's file, or "" for a game never saved.
std::string gameFilePath(const typGameInfo& game);

// Rebuilds gtypScores from gtypScorePacks, Round rows per pack. A Hole
// above 18 raises the subscript error: a row holds 18 holes.
void gsUnpackScoreData();

// Rebuilds gtypScorePacks from gtypScores: one pack per row of course 1,
// with the Round - 1 rows after it (missing rows raise the subscript error).
void gsPackScoreData();

// Writes gtypGame and gtypScorePacks to the game file; a game without a file
// takes the number one past the larger of the counter and the highest game
// file there is (a damaged counter with no number above it counts as lost).
// Returns the file's full path, or "" after a failure (shown
// in a message box).
std::string gfSaveScoreData();

// Removes the work files that a save cut short left in the games folder
// (start-up, under the instance lock).
void removeSaveWorkFiles();

// Whether the score rows can hold the game: 1 to 18 holes, 1 to 10 courses.
// A stored game of any other shape is refused for tallying and printing and
// left out of season tallies.
bool isPlayableShape(const typGameInfo& game);

// 1 when the two headers differ, 0 when they are equal.
int16_t gfIsGameInfoChanged(const typGameInfo& a, const typGameInfo& b);

// Empties gtypScores and every result array (not gtypScorePacks).
void gsClearResults();
