#include "core/gameFile.h"

#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"

std::string gameFileName(int32_t number) {
    return "game" + text::Format(static_cast<long long>(number), "00000") + ".lmg";
}

bool isPlayableShape(const typGameInfo& game) {
    return game.Hole >= 1 && game.Hole <= 18 && game.Round >= 1 && game.Round <= 10;
}

int16_t gfIsGameInfoChanged(const typGameInfo& a, const typGameInfo& b) {
    auto sameText = [](const std::string& x, const std::string& y) {
        return text::Trim(x) == text::Trim(y);
    };
    if (!sameText(a.Date, b.Date) || !sameText(a.Tittle, b.Tittle)) return 1;
    if (a.MaxScoreNo != b.MaxScoreNo || a.SeriesID != b.SeriesID || a.CourceID != b.CourceID ||
        a.Hole != b.Hole || a.Round != b.Round || a.TeamHowtoRank != b.TeamHowtoRank ||
        a.CategoryGender != b.CategoryGender || a.CategoryAgeLow != b.CategoryAgeLow ||
        a.CategoryAgeHigh != b.CategoryAgeHigh || a.JudgeDaSu != b.JudgeDaSu ||
        a.JudgeBirthday != b.JudgeBirthday || a.HandiCapKind != b.HandiCapKind)
        return 1;
    for (std::size_t k = 0; k < a.RoundName.size(); ++k)
        if (!sameText(a.RoundName[k], b.RoundName[k])) return 1;
    return sameText(a.FileName, b.FileName) ? 0 : 1;
}

void gsClearResults() {
    gtypScores.clear();
    gtypRankRows.clear();
    gtypBestCourseRows.clear();
    gtypTeamRankRows.clear();
    gtypSeasonScores.clear();
    gtypSeasonTotalRows.clear();
    gtypSeasonGameRows.clear();
    gtypSeasonEntryRows.clear();
    gtypSeasonTeamRows.clear();
    gtypSeasonRoundRows.clear();
}
