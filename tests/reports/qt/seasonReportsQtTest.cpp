// The season window as a real window (a picture for people to look at, with
// LUMORA_SCREENSHOTS=<folder>), and the season total ranking and entry list
// printed into real PDF files, read back with poppler's tools.
#include <gtest/gtest.h>

#include "../seasonReportFixture.h"

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/resultRecords.h"
#include "core/season.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/season/frmPrintTotalGames.h"
#include "support/CommandOutput.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using testsupport::run;
using testsupport::squeezed;

// A season of two stored games of 9 x 2 and `players` registered players
// (ID 101 up), player k taking 2 + k % 4 strokes a hole.
class SeasonQt : public testing::Test {
protected:
    SeasonQt() : data(home) {}
    ~SeasonQt() override {
        if (const char* dir = std::getenv("LUMORA_SCREENSHOTS"); dir && std::filesystem::exists(pdf)) {
            const auto* info = testing::UnitTest::GetInstance()->current_test_info();
            std::filesystem::copy_file(pdf, std::filesystem::path(dir) / (std::string(info->name()) + ".pdf"),
                                       std::filesystem::copy_options::overwrite_existing);
        }
        resetSharedGlobals();
    }

    void season(int players) {
        data.writeManager("2");
        const char* names[] = {"山田太郎", "鈴木花子", "佐藤一郎", "高橋美咲", "田中健二", "伊藤さくら"};
        for (int g = 1; g <= 2; ++g) {
            testsupport::GameEntry game;
            game.date = g == 1 ? "2010/04/10" : "2010/06/20";
            game.title = g == 1 ? "春季大会" : "夏季大会";
            game.hole = 9;
            game.round = 2;
            for (int k = 0; k < players; ++k) {
                std::string cells;
                for (int h = 0; h < 18; ++h) cells += std::to_string(h == 0 && k == 0 ? 1 : 2 + k % 4) + ",";
                game.scores.push_back({101 + k, cells, k % 3 ? "A" : "", 0});
            }
            data.writeGame(g, game);
        }
        gsReadGameList();
        gtypBelongs.append({1, "札幌中央パークゴルフ協会", "札幌", 0, 0});
        for (int k = 0; k < players; ++k) {
            typPlayerInfo p;
            p.ID = 101 + k;
            p.Name = k < 6 ? names[k] : "選手" + std::to_string(k + 1);
            p.Birthday = k % 2 ? "1952/03/08" : "1948/11/23";
            p.Gender = static_cast<int16_t>(k % 2 ? 2 : 1);
            p.BelongID = k % 2;
            p.Location = "札幌市中央区";
            p.Sort = std::to_string(k);
            gtypPlayers.append(p);
        }
        chooseBothGames();
        gstrPrintTitle1 = gstrDlgParam2 = "* 2010年 春季リーグ * 札幌中央公園コース";
        gstrPrintTitle2 = gstrDlgParam3 = "18ﾎｰﾙ (9H x 2) ： 平成22年4月10日(土)～平成22年6月20日(日)";
    }
    void gather(int16_t kind) {
        gsClearResults();
        std::vector<SeasonSkippedGame> skipped;
        ASSERT_FALSE(gfSetSeasonVarnel(kind, skipped));
    }
    std::string page(int n) const {
        return squeezed(run("pdftotext -f " + std::to_string(n) + " -l " + std::to_string(n) + " '" + pdf + "' -"));
    }
    std::string info() const { return run("pdfinfo '" + pdf + "'"); }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    qtui::testing::QtDesktop desk;
    std::string pdf = home.file("season.pdf");
    qtui::QtPrintService service{pdf};
    struct Install {
        explicit Install(forms::PrintService& s) { forms::setPrintService(&s); }
        ~Install() { forms::setPrintService(nullptr); }
    } install{service};
};

TEST_F(SeasonQt, PictureOfTheSeasonWindow) {
    season(6);
    frmPrintTotalGames f;
    ASSERT_TRUE(desk.show(f));
    qtui::saveScreenshotIfAsked(f, "frmPrintTotalGames");
    EXPECT_EQ(f.fraTotalRanking.Caption(), "総合通算順位表");
    f.Unload();

    gstrGamesFormatMix = "11";
    frmPrintTotalGames mixed;
    ASSERT_TRUE(desk.show(mixed));
    qtui::saveScreenshotIfAsked(mixed, "frmPrintTotalGames-mixed-shapes");
    EXPECT_FALSE(mixed.btnTeamRanking.Enabled());
    mixed.Unload();
}

// The room a line edit leaves for its text: its contents without the text
// margins and the two pixels Qt keeps free on either side.
int textRoom(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    return contents.marginsRemoved(edit.textMargins()).width() - 2 * 2;
}

TEST_F(SeasonQt, TheMinimumBoxesShowTheirWholeDefaultsForABigSeason) {
    season(2);
    glngSeasonGames.assign(200, 0); // 200 ticked games of up to 10 courses of 12 holes
    gtypSeasonGame.Hole = 12;
    gtypSeasonGame.Round = 10;
    frmPrintTotalGames f;
    ASSERT_TRUE(desk.show(f));
    qtui::saveScreenshotIfAsked(f, "frmPrintTotalGames-big-season");
    EXPECT_EQ(f.txtKiteiHole.Text(), "12000");
    for (forms::TextBox* box : {&f.txtKiteiGame, &f.txtKiteiRound, &f.txtKitei9H, &f.txtKiteiHole}) {
        const auto* edit = qobject_cast<QLineEdit*>(qtui::testing::QtDesktop::widget(*box));
        ASSERT_NE(edit, nullptr);
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(qtui::qs("99999")), textRoom(*edit)) << box->Text();
    }
    f.Unload();
}

TEST_F(SeasonQt, TheTotalRankingPrintsEachBasisOnA4Portrait) {
    season(6);
    gintBelongOrLocation = 1;
    gtypSeasonGame.JudgeBirthday = 1;
    gintTotalRankingMode = 0;
    glngKiteiRound = 4;
    gather(10);
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    ASSERT_FALSE(gfPrintSeasonTotalRanking(1, nullptr));
    const std::string meta = info();
    EXPECT_NE(meta.find("Pages:           1"), std::string::npos) << meta;
    EXPECT_NE(meta.find("595 x 842 pts (A4)"), std::string::npos) << meta;
    const std::string text = page(1);
    for (const char* s : {"総合通算順位表［ｺｰｽ平均］（1/1）", "- 1 -", "参加 6名", "* 2010年 春季リーグ * 札幌中央公園コース",
                          "順位", "ｺｰｽ平均", "生年月日", "所属", "山田太郎", "(61,M)", "(58,F)", "札幌", "17.500", "S23/11/23", "S27/03/08"})
        EXPECT_NE(text.find(squeezed(s)), std::string::npos) << s << "\n" << text;
}

TEST_F(SeasonQt, ThirtyEightPlayersRankedByTotalPrintTwoPages) {
    season(38);
    gintTotalRankingMode = 3;
    gather(12);
    ASSERT_FALSE(gsCalSeasonTotalRanking());
    ASSERT_FALSE(gfPrintSeasonTotalRanking(1, nullptr));
    EXPECT_NE(info().find("Pages:           2"), std::string::npos);
    EXPECT_NE(page(1).find("総合通算順位表［合計］（1/2）"), std::string::npos) << page(1);
    const std::string second = page(2);
    EXPECT_NE(second.find("総合通算順位表［合計］（2/2）"), std::string::npos) << second;
    EXPECT_NE(second.find("-2-"), std::string::npos) << second;
}

TEST_F(SeasonQt, TheEntryListPrintsItsPlayersWithTheirAgesAtTheSeasonsEnd) {
    season(6);
    gather(1);
    ASSERT_FALSE(gsCalSeasonEntryList(0, 0));
    ASSERT_FALSE(gfPrintSeasonEntryList(1, nullptr));
    EXPECT_NE(info().find("Pages:           1"), std::string::npos);
    const std::string text = page(1);
    for (const char* s : {"参加者一覧（1/1）", "参加 6名", "参加数", "No.", "山田太郎", "伊藤さくら", "61", "58",
                          "札幌市中央", "札幌中央パークゴルフ協会"})
        EXPECT_NE(text.find(squeezed(s)), std::string::npos) << s << "\n" << text;
}

} // namespace
