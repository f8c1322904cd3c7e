// The list of stored games: one header per game file, in game-number order.
#include <algorithm>
#include <filesystem>
#include <limits>
#include <vector>

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

// The folder is scanned rather than probed number by number, so a huge
// counter costs nothing.
std::vector<int32_t> storedGameNumbers(int32_t last) {
    static const std::string prefix = "game", suffix = ".lmg";
    std::vector<int32_t> numbers;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(gstrGamesFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
            !name.ends_with(suffix))
            continue;
        const std::string digits =
            name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (digits.size() > 10 || !std::all_of(digits.begin(), digits.end(),
                                               [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const long long number = std::stoll(digits);
        if (number < 1 || number > last || gameFileName(static_cast<int32_t>(number)) != name)
            continue;
        // Only a regular file (links followed) counts; the type the folder
        // scan gives spares a stat. A dangling link is skipped, its error
        // kept apart so that the scan goes on.
        std::error_code typeError;
        if (it->is_regular_file(typeError)) numbers.push_back(static_cast<int32_t>(number));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

namespace {

// Numbers are held within their field's range: a hand-edited "Hole=99999"
// lists the game with Hole 32767 instead of stopping the whole list (the
// tally refuses to open such a game).
typGameInfo readHeader(const std::string& name) {
    // Only the header section is read: the score sections after it are the
    // bulk of the file.
    const IniSectionValues header(files::joinPath(gstrGamesFolder, name), "Management");
    auto value = [&](const std::string& key) { return header.read(key); };
    typGameInfo g;
    g.Date = text::Trim(value("Date"));
    g.Tittle = text::Trim(value("Tittle"));
    g.MaxScoreNo = fieldValue32(value("MaxScoreNo"));
    g.SeriesID = fieldValue32(value("SeriesID"));
    g.CourceID = fieldValue32(value("CourceID"));
    g.Hole = fieldValue16(value("Hole"));
    g.Round = fieldValue16(value("Round"));
    g.TeamHowtoRank = fieldValue16(value("TeamHowtoRank"));
    g.CategoryGender = fieldValue16(value("CategoryGender"));
    g.CategoryAgeLow = fieldValue16(value("CategoryAgeLow"));
    g.CategoryAgeHigh = fieldValue16(value("CategoryAgeHigh"));
    g.JudgeDaSu = fieldValue16(value("JudgeDaSu"));
    g.JudgeBirthday = fieldValue16(value("JudgeBirthday"));
    g.HandiCapKind = fieldValue16(value("HandiCapKind"));
    for (int k = 1; k <= 10; ++k) g.RoundName[k - 1] = text::Trim(value("RoundName" + text::Str(k)));
    g.FileName = name;
    return g;
}

} // namespace

void gsReadGameList() {
    gtypGames.clear();
    // One synchronous pass over files nothing else writes meanwhile: each
    // file is checked once, not once per value.
    files::ProfileReadBatch batch;
    const int32_t counter = fieldValue32(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"));
    // A lost counter hides no game: every game file is listed.
    const int32_t last = counter >= 1 ? counter : std::numeric_limits<int32_t>::max();
    for (int32_t number : storedGameNumbers(last)) gtypGames.append(readHeader(gameFileName(number)));
}
