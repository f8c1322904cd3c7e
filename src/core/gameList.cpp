// The list of stored games: one header per game file, in game-number order.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/files/Profile.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

namespace {

// A stored number rounded to a whole number and clamped to its field's
// range: a hand-edited "Hole=99999" lists the game with Hole 32767 instead
// of stopping the whole list. The tally refuses to open such a game.
double clampedValue(const std::string& s, double lo, double hi) {
    const double v = text::Val(s);
    return std::isnan(v) ? 0.0 : std::clamp(v, lo, hi);
}
int16_t clamped16(const std::string& s) { return text::CInt(clampedValue(s, -32768.0, 32767.0)); }
int32_t clamped32(const std::string& s) {
    return text::CLng(clampedValue(s, -2147483648.0, 2147483647.0));
}

// The numbers 1 to last whose game file exists, ascending. The folder is
// scanned rather than probed number by number, so a huge counter costs
// nothing; only the exact names the save gives ("game00012.lmg") count.
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
        if (number < 1 || number > last || gfGameFileName(static_cast<int32_t>(number)) != name)
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

typGameInfo readHeader(const std::string& name) {
    const std::string path = files::joinPath(gstrGamesFolder, name);
    auto value = [&](const std::string& key) { return gfReadIniFile(path, "Management", key); };
    typGameInfo g;
    g.Date = text::Trim(value("Date"));
    g.Tittle = text::Trim(value("Tittle"));
    g.MaxScoreNo = clamped32(value("MaxScoreNo"));
    g.SeriesID = clamped32(value("SeriesID"));
    g.CourceID = clamped32(value("CourceID"));
    g.Hole = clamped16(value("Hole"));
    g.Round = clamped16(value("Round"));
    g.TeamHowtoRank = clamped16(value("TeamHowtoRank"));
    g.CategoryGender = clamped16(value("CategoryGender"));
    g.CategoryAgeLow = clamped16(value("CategoryAgeLow"));
    g.CategoryAgeHigh = clamped16(value("CategoryAgeHigh"));
    g.JudgeDaSu = clamped16(value("JudgeDaSu"));
    g.JudgeBirthday = clamped16(value("JudgeBirthday"));
    g.HandiCapKind = clamped16(value("HandiCapKind"));
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
    const int32_t last = clamped32(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"));
    for (int32_t number : storedGameNumbers(last)) gtypGames.append(readHeader(gfGameFileName(number)));
}
