// Saving a game: the whole file is written to the work file "TempGame.tmp",
// tested by a copy to "TempGame2.tmp", and then renamed over the game file,
// so a failed save always leaves the old game file whole. The work files are
// made anew each time and never opened through a link.
#include <algorithm>
#include <exception>
#include <filesystem>
#include <limits>
#include <string_view>
#include <vector>

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "platform/files/FileOps.h"
#include "platform/forms/Services.h"
#include "platform/text/Cp932.h"
#include "platform/text/Dates.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

namespace {

// A stored text: CR, LF and NUL would break the line structure, so they
// become blanks; then blanks at both ends go.
std::string storedText(std::string_view s) { return text::Trim(text::blankControlBreaks(s)); }

// The file's content in code page 932 with CR LF line ends. "MaxScoreNo" is
// the number of score sections written, so the file is complete in one go.
std::string gameFileBytes(const typGameInfo& g, const VbArray<typScorePack>& packs) {
    std::string out;
    auto line = [&out](std::string_view key, std::string_view value) {
        out.append(key).append("=").append(value).append("\r\n");
    };
    auto number = [&line](std::string_view key, long long value) { line(key, text::Str(value)); };
    out += "[Management]\r\n";
    line("Date", text::FormatDateText(storedText(g.Date), "yyyy/mm/dd"));
    line("Tittle", storedText(g.Tittle));
    number("MaxScoreNo", static_cast<long long>(packs.size()));
    number("SeriesID", g.SeriesID);
    number("CourceID", g.CourceID);
    number("Hole", g.Hole);
    number("Round", g.Round);
    number("TeamHowtoRank", g.TeamHowtoRank);
    number("CategoryGender", g.CategoryGender);
    number("CategoryAgeLow", g.CategoryAgeLow);
    number("CategoryAgeHigh", g.CategoryAgeHigh);
    number("JudgeDaSu", g.JudgeDaSu);
    number("JudgeBirthday", g.JudgeBirthday);
    number("HandiCapKind", g.HandiCapKind);
    for (int k = 1; k <= 10; ++k) line("RoundName" + text::Str(k), storedText(g.RoundName[k - 1]));
    long long k = 0;
    for (const typScorePack& pack : packs) {
        out += "[Score" + text::Str(++k) + "]\r\n";
        number("IDNo", pack.IDNo);
        line("Holes", storedText(pack.Holes));
        const std::string team = storedText(pack.TeamID);
        if (!team.empty()) line("TeamID", team);
        number("Handicap", pack.Handicap);
    }
    return text::encode932Lossy(out);
}

// A file step that did not succeed fails the save.
void require(bool done) {
    if (!done) text::raise(text::err::PermissionDenied);
}

// One past the larger of the counter and the highest game file there is, so
// a counter that is lost or behind its files never lands on a game. A
// negative counter counts as 0: a game below number 1 would never be listed.
// So does a damaged one that leaves no number above it (at or beyond the
// largest number there is): it would fail every new game's save for good,
// and the files alone still say which numbers are taken. Whatever else holds
// a name (a folder, a link) is passed over too.
int32_t nextGameNumber() {
    const int32_t counter = fieldValue32(gfReadIniFile(gstrManagerFile, "Management", "MaxGameNo"));
    int32_t number = counter > 0 && counter < std::numeric_limits<int32_t>::max() ? counter : 0;
    const std::vector<int32_t> stored = storedGameNumbers(std::numeric_limits<int32_t>::max());
    if (!stored.empty()) number = std::max(number, stored.back());
    std::error_code ec;
    do {
        number = text::CLng(static_cast<double>(number) + 1);
    } while (std::filesystem::exists(
        std::filesystem::symlink_status(files::joinPath(gstrGamesFolder, gameFileName(number)), ec)));
    return number;
}

std::string workFile() { return files::joinPath(gstrGamesFolder, "TempGame.tmp"); }
std::string testFile() { return files::joinPath(gstrGamesFolder, "TempGame2.tmp"); }

void reportSaveFailure() {
    forms::MsgBox("スコア・データの保存に失敗しました。", forms::vbOKOnly, "System error");
}

} // namespace

std::string gfSaveScoreData() {
    try {
        std::string path;
        const std::string name = text::Trim(gtypGame.FileName);
        if (!name.empty()) {
            path = files::joinPath(gstrGamesFolder, name);
            if (!files::fileExists(path)) path.clear();
        }
        if (path.empty()) {
            // The number is taken before the file is written and stays used.
            const int32_t number = nextGameNumber();
            require(gfWriteIniFile(gstrManagerFile, "Management", "MaxGameNo", text::Str(number)) != 0);
            gtypGame.FileName = gameFileName(number);
            path = files::joinPath(gstrGamesFolder, gtypGame.FileName);
        }
        const std::string work = workFile(), test = testFile();
        // Whatever holds the work files' names goes first (a link only as a
        // link), so that both are made anew.
        require(files::removeFile(work));
        require(files::createFile(work, gameFileBytes(gtypGame, gtypScorePacks)));
        require(files::removeFile(test));
        require(files::copyFile(work, test));
        require(files::removeFile(test));
        require(files::renameFile(work, path));
        return path;
    } catch (const std::exception&) {
        reportSaveFailure();
        return "";
    }
}

void removeSaveWorkFiles() {
    files::removeFile(workFile());
    files::removeFile(testFile());
}
