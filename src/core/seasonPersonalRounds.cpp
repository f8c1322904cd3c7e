// Every course one player played in the season, read again from the games.
#include "core/gameFile.h"
#include "core/season.h"
#include "core/seasonShared.h"
#include "platform/text/Strings.h"

bool gsCalSeasonPersonalRoundScore(int32_t lngID) {
    gtypSeasonRoundRows.clear();
    if (glngSeasonScoresMax() < 0) return true;
    return season::trapped("gsCalSeasonPersonalRoundScore", [lngID] {
        // The player's rows are consecutive once gathered rows are sorted.
        int32_t i = 0;
        while (i <= glngSeasonScoresMax() && gtypSeasonScores[static_cast<std::size_t>(i)].IDNo != lngID) ++i;
        for (; i <= glngSeasonScoresMax() && gtypSeasonScores[static_cast<std::size_t>(i)].IDNo == lngID; ++i) {
            const int32_t g = gtypSeasonScores[static_cast<std::size_t>(i)].GameIndex;
            gtypGame = gtypGames.item(g);
            // The game was read when it was gathered; one that fails now
            // lists nothing rather than part of its rows.
            if (gsReadScoreData()) continue;
            gsUnpackScoreData();
            for (const typScoreData& course : gtypScores) {
                if (course.IDNo != lngID) continue;
                typSeasonRoundScore& row = gtypSeasonRoundRows.append();
                row.Date = gtypGame.Date;
                row.IDNo = course.IDNo;
                row.RoundNo = course.RoundNo;
                copyHoleTexts(course, row.Holes);
                row.TeamID = text::Trim(course.TeamID);
                row.Handicap = course.Handicap;
                row.GameIndex = g;
            }
        }
        return gtypSeasonRoundRows.empty();
    });
}
