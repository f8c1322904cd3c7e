#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/globals.h"
#include "support/TempHome.h"

namespace testsupport {

// One INI section as it is written: its name and its key=value lines in order.
struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;
};

// Registry records as their files keep them.
struct PlayerEntry {
    int32_t id = 0;
    std::string name;
    std::string birthday; // "yyyy/mm/dd" or ""
    int gender = 1;
    int32_t belongId = 0;
    std::string sort;
    std::string location;
    int state = 0;
};
struct GroupEntry {
    int32_t id = 0;
    std::string name;
    std::string shortName;
    int state = 0;
};
struct NamedEntry { // a series or a course
    int32_t id = 0;
    std::string name;
    int state = 0;
};

// One stored game. Every header line is written; "MaxScoreNo" is the number
// of scores unless maxScoreNo says otherwise.
struct GameEntry {
    struct Score {
        int32_t id = 0;
        std::string holes; // "4,3,,5,"
        std::string team;  // no "TeamID" line when empty
        int32_t handicap = 0;
    };
    std::string date = "2010/10/10";
    std::string title;
    std::optional<int32_t> maxScoreNo;
    int32_t seriesId = 0, courceId = 0;
    int hole = 2, round = 2, teamHowtoRank = 0, categoryGender = 0, categoryAgeLow = -1,
        categoryAgeHigh = -1, judgeDaSu = 0, judgeBirthday = 0, handiCapKind = 0;
    std::vector<std::string> roundNames; // courses 1.. (the rest written empty)
    std::vector<Score> scores;
};

// The program's folders inside a temporary home, with every path global
// pointing at them, and writers of the data files in code page 932 with
// CR LF line ends, as the program itself keeps them.
class DataFolder {
public:
    // Every shared global starts afresh, then the paths point here. Defined
    // here, so the suite that uses it (and links the core) resolves the core's
    // functions; this support library does not link the core.
    explicit DataFolder(const TempHome& home) : DataFolder(home.path().string()) {
        resetSharedGlobals();
        setPathGlobals(user_, doc_);
    }

    const std::string& userFolder() const { return user_; }
    const std::string& docFolder() const { return doc_; }
    std::string gamesFolder() const { return doc_ + "/data/games"; }
    std::string gamePath(int32_t number) const; // ".../data/games/game00012.lmg"

    // UTF-8 lines to file bytes: code page 932, each line followed by CR LF.
    static std::string cp932Lines(const std::vector<std::string>& lines);
    static std::vector<std::string> iniLines(const std::vector<IniSection>& sections);
    static std::vector<std::string> gameLines(const GameEntry& game);
    // A file's bytes decoded from code page 932.
    static std::string readText(const std::string& path);

    void writeLines(const std::string& path, const std::vector<std::string>& lines) const;
    void writeIni(const std::string& path, const std::vector<IniSection>& sections) const;

    // The registries; the counter is the highest ID unless given.
    void writePlayers(const std::vector<PlayerEntry>& players, std::optional<int32_t> maxNo = {}) const;
    void writeGroups(const std::vector<GroupEntry>& groups, std::optional<int32_t> maxNo = {}) const;
    void writeSeries(const std::vector<NamedEntry>& series, std::optional<int32_t> maxNo = {}) const;
    void writeCources(const std::vector<NamedEntry>& cources, std::optional<int32_t> maxNo = {}) const;

    // The game counter manager.dat ("MaxGameNo" as given) and the game files.
    void writeManager(const std::string& maxGameNo) const;
    void writeGame(int32_t number, const GameEntry& game) const;

private:
    explicit DataFolder(const std::string& home); // makes the folders
    std::string user_, doc_;
};

} // namespace testsupport
