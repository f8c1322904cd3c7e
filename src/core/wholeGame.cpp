#include "core/wholeGame.h"

#include "core/gameFile.h"
#include "platform/forms/Services.h"

std::string gameLabel(const typGameInfo& g) { return "ゲーム：「" + g.Date + "：" + g.Tittle + "」"; }

bool readWholeGame(const std::string& refusal) {
    const typGameInfo& g = gtypGame;
    if (!isPlayableShape(g)) {
        forms::MsgBox(gameLabel(g) + "\r\nホール数またはコース数が正しくないため" + refusal, forms::vbOKOnly,
                      std::string("エラー"));
        return false;
    }
    if (gsReadScoreData()) {
        gtypScorePacks.clear();
        forms::MsgBox(gameLabel(g) + "\r\nファイルを読み込めないため" + refusal, forms::vbOKOnly, std::string("エラー"));
        return false;
    }
    return true;
}
