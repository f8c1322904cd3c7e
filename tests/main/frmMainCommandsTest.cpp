// The main window's game commands, with the tally and report windows played
// by doubles that keep to their contracts.
#include "frmMainFixture.h"

#include "core/resultRecords.h"
#include "main/frmCourceRegi.h"
#include "main/frmPlayers.h"
#include "main/frmSeriesRegi.h"
#include "reports/game/frmSelectPrintScore.h"
#include "tally/frmCategory.h"
#include "tally/frmGameInfo.h"
#include "tally/frmNewScoreSetup.h"
#include "platform/forms/Services.h"

#include <filesystem>
#include <sys/stat.h>

namespace sim = forms::sim;

namespace {

std::string gameValue(const std::string& path, const std::string& key) {
    return gfReadIniFile(path, "Management", key);
}

} // namespace

// ---- delete ----

TEST_F(MainWindowTest, DeleteKeepsTheOtherUntickedGamesAndSelectsTheRowBelow) {
    open();
    clickTick(2); // game 1 unticked
    clickTick(6); // game 6 unticked
    clickRow(3);  // game 2
    desk.boxes.answer(forms::vbOK);
    sim::click(f.btnDeleteGame);
    EXPECT_EQ(desk.lastMessage().prompt, "ゲーム：「2010/05/15：春季第2戦」\r\nを削除します。");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKCancel);
    EXPECT_EQ(desk.lastMessage().title, "ゲーム削除確認");
    EXPECT_FALSE(files::fileExists(data.gamePath(2)));
    EXPECT_EQ(listed(), (std::vector<std::string>{fileName(5), fileName(1), fileName(3), fileName(4), fileName(6)}));
    EXPECT_EQ(setting("SelectedGame"), fileName(3));
    EXPECT_EQ(selectedRow(), rowOf(fileName(3)));
    const std::vector<int32_t> ticks{2, 0, 2, 2, 0};
    for (int32_t r = 1; r <= 5; ++r) EXPECT_EQ(tick(r), ticks[static_cast<size_t>(r - 1)]) << r;
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);

    // The last row: the row above is selected next.
    clickRow(5);
    desk.boxes.answer(forms::vbOK);
    sim::click(f.btnDeleteGame);
    EXPECT_EQ(setting("SelectedGame"), fileName(4));
    EXPECT_EQ(selectedRow(), 4);
}

TEST_F(MainWindowTest, DeletingTheOnlyRowKeepsTheRememberedGame) {
    open();
    pick(f.cobSeason, 3);
    clickRow(1);
    setSetting("SelectedGame", "kept");
    desk.boxes.answer(forms::vbOK);
    sim::click(f.btnDeleteGame);
    EXPECT_EQ(grid().gfRowCount(), 1);
    EXPECT_EQ(setting("SelectedGame"), "kept");
    EXPECT_FALSE(f.btnDeleteGame.Enabled());
}

TEST_F(MainWindowTest, ADeleteThatIsCancelledOrFailsChangesNothing) {
    open();
    clickTick(4);
    clickRow(2);
    desk.boxes.answer(forms::vbCancel);
    sim::click(f.btnDeleteGame);
    EXPECT_TRUE(files::fileExists(data.gamePath(1)));

    // The delete fails, or the file is marked read-only.
    for (bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "failing");
        desk.boxes.clear();
        if (readOnly)
            ::chmod(data.gamePath(1).c_str(), 0444);
        else
            files::fault::arm(files::fault::Kind::Remove);
        desk.boxes.answer(forms::vbOK);
        sim::click(f.btnDeleteGame);
        files::fault::clear();
        EXPECT_TRUE(files::fileExists(data.gamePath(1)));
        EXPECT_EQ(desk.lastMessage().prompt, "ゲーム：「2010/04/10：春季第1戦」\r\nを削除できませんでした。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(setting("SelectedGame"), fileName(1));
        EXPECT_EQ(grid().gfRowCount(), 7);
        EXPECT_EQ(selectedRow(), 2);
        EXPECT_EQ(tick(4), 0);
        EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
    }
    ::chmod(data.gamePath(1).c_str(), 0644);

    // A game whose file is already gone: nothing at all.
    files::removeFile(data.gamePath(1));
    const size_t boxes = desk.messages().size();
    sim::click(f.btnDeleteGame);
    EXPECT_EQ(desk.messages().size(), boxes);
    EXPECT_EQ(grid().gfRowCount(), 7);
}

TEST_F(MainWindowTest, OpenDeleteAndPrintNeedASelectedGame) {
    open();
    for (forms::CommandButton* b : {&f.btnOpenGame, &f.btnDeleteGame, &f.btnGamePrint}) {
        desk.boxes.clear();
        b->setEnabled(true);
        sim::click(*b);
        ASSERT_EQ(desk.messages().size(), 1u) << b->Name();
        EXPECT_EQ(desk.lastMessage().prompt, "ゲームを選択してください。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
    }
    EXPECT_TRUE(windows.calls.empty());
}

// ---- new game ----

TEST_F(MainWindowTest, ANewGameWithoutASelectionIsPrefilledFromTheFilters) {
    open();
    const struct {
        int32_t season, shape, cource;
        int32_t seriesId, courceId;
        int16_t hole, round;
    } cases[] = {
        {-1, -1, -1, 0, 0, 9, 4},
        {1, 1802, 1, 1, 1, 18, 2},
        {3, 1203, 1, 3, 1, 12, 3},
        {0, 904, 0, 0, 0, 9, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.season);
        pick(f.cobSeason, c.season);
        pick(f.cobHoleRound, c.shape);
        pick(f.cobCource, c.cource);
        for (int32_t r = 1; r < grid().gfRowCount(); ++r)
            if (grid().gfGetRowSelected(r)) grid().gsSetSelectRow(r);
        gtypGame.Tittle = "old";
        int shown = 0;
        desk.modal.add<frmGameInfo>([&](frmGameInfo& d) {
            ++shown;
            EXPECT_EQ(d.Owner(), &f);
            EXPECT_EQ(d.Caption(), "ゲーム情報 - 新規登録");
            sim::closeBox(d);
        });
        sim::click(f.btnNewGame);
        EXPECT_EQ(shown, 1);
        EXPECT_TRUE(windows.calls.empty());
        EXPECT_EQ(glngDlgIndex, 0);
        EXPECT_EQ(gtypGame.Date, "2010/10/10");
        EXPECT_EQ(gtypGame.Tittle, "");
        EXPECT_EQ(gtypGame.SeriesID, c.seriesId);
        EXPECT_EQ(gtypGame.CourceID, c.courceId);
        EXPECT_EQ(gtypGame.Hole, c.hole);
        EXPECT_EQ(gtypGame.Round, c.round);
        EXPECT_EQ(gtypGame.RoundName[0], "A");
        EXPECT_EQ(gtypGame.RoundName[9], "J");
        EXPECT_EQ(gtypGame.CategoryAgeLow, -1);
        EXPECT_EQ(gtypGame.CategoryAgeHigh, -1);
        EXPECT_EQ(gtypGame.FileName, "");
    }
    // Cancelled: the main window stays and nothing is written.
    EXPECT_TRUE(f.Visible());
    EXPECT_FALSE(files::fileExists(data.gamePath(7)));
}

TEST_F(MainWindowTest, ANewGameFromASelectedGameKeepsItsShapeCourseAndLetters) {
    testsupport::GameEntry g;
    g.date = "2010/09/01";
    g.title = "十二ホール戦";
    g.seriesId = 3;
    g.courceId = 2;
    g.hole = 12;
    g.round = 3;
    g.teamHowtoRank = 1;
    g.categoryGender = 2;
    g.categoryAgeLow = 60;
    g.categoryAgeHigh = 69;
    g.judgeDaSu = 1;
    g.judgeBirthday = 1;
    g.handiCapKind = 2;
    g.roundNames = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    data.writeGame(7, g);
    data.writeManager("7");
    open();
    clickRow(rowOf(fileName(7)));
    sim::click(f.btnNewGame);
    EXPECT_EQ(gtypGame.SeriesID, 3);
    EXPECT_EQ(gtypGame.CourceID, 2);
    EXPECT_EQ(gtypGame.Hole, 12);
    EXPECT_EQ(gtypGame.Round, 3);
    EXPECT_EQ(gtypGame.RoundName[9], "10");
    EXPECT_EQ(gtypGame.Date, "2010/10/10");
    EXPECT_EQ(gtypGame.Tittle, "");
    EXPECT_EQ(gtypGame.MaxScoreNo, 0);
    for (int16_t v : {gtypGame.TeamHowtoRank, gtypGame.CategoryGender, gtypGame.JudgeDaSu, gtypGame.JudgeBirthday,
                      gtypGame.HandiCapKind})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(gtypGame.CategoryAgeLow, -1);
    EXPECT_EQ(gtypGame.CategoryAgeHigh, -1);
    EXPECT_EQ(gtypGame.FileName, "");
}

TEST_F(MainWindowTest, ASavedNewGameOfAnotherSeriesMovesTheFiltersToIt) {
    setSetting("SelectedSeason", "1");
    setSetting("SelectedHoleRound", "904");
    open();
    ASSERT_EQ(listed(), (std::vector<std::string>{fileName(1), fileName(2)}));
    clickTick(1);
    desk.modal.add<frmGameInfo>([&](frmGameInfo& d) {
        sim::chooseItem(d.cobSeries, 2); // 秋季リーグ
        sim::chooseItem(d.cobCource, 2);
        sim::chooseItem(d.cobHoleNum, 3);
        sim::chooseItem(d.cobRoundNum, 2);
        sim::typeText(d.txtTittle, "秋季第2戦");
        sim::click(d.btnSetCourceName[0]); // the stored games have no course names
        sim::click(d.btnOK);
    });
    desk.modal.add<frmNewScoreSetup>([&](frmNewScoreSetup& d) {
        EXPECT_EQ(d.Owner(), &f);
        sim::chooseItem(d.lstMember[0], 0);
        sim::click(d.btnEntry);
        sim::click(d.btnOK);
    });
    gtypEntries.append({9, "x"});
    sim::click(f.btnNewGame);
    ASSERT_NE(f.tallyWindow(), nullptr);
    EXPECT_EQ(tally().Owner(), &f);
    EXPECT_EQ(gtypGame.SeriesID, 3);
    EXPECT_EQ(gtypGame.Hole, 12);
    EXPECT_EQ(gtypGame.Round, 3);
    ASSERT_EQ(gtypEntries.size(), 1u);
    EXPECT_EQ(gtypEntries[0].IDNo, 1);
    EXPECT_FALSE(f.Visible());

    // The tally window saves the game, then closes.
    writeGame(7, "2010/10/10", "秋季第2戦", 3, 2, 12, 3);
    data.writeManager("7");
    gtypGame.FileName = fileName(7);
    gintGameSaved = 0;
    gtypScores.append({});
    closeTally();
    EXPECT_TRUE(f.Visible());
    EXPECT_TRUE(gtypScores.empty());
    EXPECT_EQ(chosen(f.cobSeason), 3);
    EXPECT_EQ(listed(), (std::vector<std::string>{fileName(4), fileName(7)}));
    EXPECT_EQ(setting("SelectedGame"), fileName(7));
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_EQ(tick(1), 2);
    EXPECT_EQ(tick(2), 2);
}

TEST_F(MainWindowTest, ASavedGameOutsideTheShapeOrCourseFilterStillShows) {
    setSetting("SelectedSeason", "1");
    setSetting("SelectedHoleRound", "904");
    setSetting("SelectedCource", "1");
    open();
    ASSERT_EQ(listed(), std::vector<std::string>{fileName(1)});
    clickTick(1);
    acceptNewGame();
    sim::click(f.btnNewGame);
    // Saved as 18 x 2 on course 2, dated after the period.
    writeGame(7, "2010/10/10", "春季最終戦", 1, 2, 18, 2);
    data.writeManager("7");
    gtypGame = gtypGames[0];
    gtypGame.Date = "2010/10/10";
    gtypGame.Hole = 18;
    gtypGame.Round = 2;
    gtypGame.CourceID = 2;
    gtypGame.FileName = fileName(7);
    gintGameSaved = 0;
    closeTally();
    EXPECT_EQ(chosen(f.cobSeason), 1);
    EXPECT_EQ(chosen(f.cobHoleRound), -1);
    EXPECT_EQ(chosen(f.cobCource), -1);
    EXPECT_EQ(setting("SelectedHoleRound"), "-1");
    EXPECT_EQ(rowOf(fileName(7)), selectedRow());
    EXPECT_NE(selectedRow(), 0);
    // The filters changed, so every box is ticked again.
    EXPECT_EQ(tick(rowOf(fileName(1))), 2);
}

TEST_F(MainWindowTest, AfterASaveAnOpenedGameKeepsTheScrollAndANewGameIsScrolledTo) {
    for (int n = 1; n <= 30; ++n)
        writeGame(n, "2010/01/" + std::string(n < 10 ? "0" : "") + std::to_string(n), "第" + std::to_string(n) + "戦",
                  1, 1, 9, 4);
    data.writeManager("30");
    open();
    grid().gsSetTopIndexOfRowsY(10);
    grid().gsUpdate();
    clickRow(12);
    sim::click(f.btnOpenGame);
    gintGameSaved = 0;
    closeTally();
    EXPECT_EQ(selectedRow(), 12);
    EXPECT_EQ(grid().gfGetTopIndexOfRowsY(), 10);

    acceptNewGame();
    sim::click(f.btnNewGame);
    writeGame(31, "2010/01/31", "第31戦", 1, 1, 9, 4);
    data.writeManager("31");
    gtypGame.FileName = fileName(31);
    gintGameSaved = 0;
    closeTally();
    EXPECT_EQ(selectedRow(), 31);
    EXPECT_EQ(grid().gfGetTopIndexOfRowsY(), 20);
}

TEST_F(MainWindowTest, ClosingTheTallyWithoutASaveLeavesTheListAsItWas) {
    open();
    clickTick(3);
    clickRow(2);
    sim::dblClick(grid().RowView(2)->lblObj(1));
    ASSERT_NE(f.tallyWindow(), nullptr);
    EXPECT_EQ(gtypGame.FileName, fileName(1));
    EXPECT_FALSE(f.Visible());
    files::removeFile(data.gamePath(6)); // would vanish from a reload
    closeTally();
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(grid().gfRowCount(), 7);
    EXPECT_EQ(tick(3), 0);
    EXPECT_EQ(selectedRow(), 2);
}

TEST_F(MainWindowTest, ReopeningASavedGameKeepsTheScrollAndTheUntickedBoxes) {
    open();
    clickTick(3);
    clickRow(2);
    sim::click(f.btnOpenGame);
    ASSERT_FALSE(f.Visible());
    gintGameSaved = 0;
    closeTally();
    EXPECT_EQ(grid().gfRowCount(), 7);
    EXPECT_EQ(tick(3), 0);
    EXPECT_EQ(tick(2), 2);
    EXPECT_EQ(selectedRow(), 2);
}

TEST_F(MainWindowTest, AGameThatCannotBeReadWholeIsNeitherOpenedNorPrinted) {
    writeGame(7, "2010/09/01", "壊れた形", 1, 1, 19, 2);
    writeGame(8, "2010/09/02", "十一コース", 1, 1, 9, 11);
    data.writeManager("8");
    open();
    const struct {
        int32_t game;
        const char* reason;
    } cases[] = {
        {7, "ホール数またはコース数が正しくないため"},
        {8, "ホール数またはコース数が正しくないため"},
        {1, "ファイルを読み込めないため"},
        {2, "ファイルを読み込めないため"},
    };
    files::removeFile(data.gamePath(1));
    // Cut short before its second player: damaged, never opened as one player and an empty one.
    const std::string game2 = testsupport::readBytes(data.gamePath(2));
    testsupport::writeBytes(data.gamePath(2), game2.substr(0, game2.find("[Score2]")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.game);
        clickRow(rowOf(fileName(c.game)));
        const typGameInfo& g = gtypGames[static_cast<size_t>(c.game - 1)];
        const std::string label = "ゲーム：「" + g.Date + "：" + g.Tittle + "」\r\n";
        sim::click(f.btnOpenGame);
        EXPECT_EQ(desk.lastMessage().prompt, label + c.reason + "開けません。");
        sim::click(f.btnGamePrint);
        EXPECT_EQ(desk.lastMessage().prompt, label + c.reason + "印刷できません。");
        EXPECT_EQ(f.tallyWindow(), nullptr);
    }
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_TRUE(f.Visible());
}

TEST_F(MainWindowTest, PrintHandsTheGameAndItsRowsToTheReportChooser) {
    open();
    clickRow(4); // game 3, 18 x 2
    gtypRankRows.append({});
    size_t rowsSeen = 0;
    windows.selectPrintScore = [&] {
        EXPECT_EQ(gtypGame.FileName, fileName(3));
        EXPECT_TRUE(gtypRankRows.empty());
        rowsSeen = gtypScores.size();
        gtypRankRows.append({});
    };
    sim::click(f.btnGamePrint);
    EXPECT_EQ(windows.calls, std::vector<std::string>{"frmSelectPrintScore"});
    EXPECT_EQ(rowsSeen, 4u); // two players, two courses
    EXPECT_TRUE(gtypScores.empty());
    EXPECT_TRUE(gtypRankRows.empty());
}

TEST_F(MainWindowTest, PrintOpensTheGameReportChooserOfTheProgram) {
    open();
    setGameWindows(nullptr); // the program's own windows
    clickRow(4);             // game 3, 18 x 2
    bool opened = false;
    desk.modal.add<frmSelectPrintScore>([&](frmSelectPrintScore& chooser) {
        opened = true;
        EXPECT_EQ(chooser.Owner(), &f);
        EXPECT_EQ(gtypScores.size(), 4u);
        EXPECT_EQ(chooser.txtTittle2.Text(), "平成22年6月20日(日) 「春季第3戦」");
        sim::click(chooser.btnCancel);
    });
    sim::click(f.btnGamePrint);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(gtypScores.empty());
}

TEST_F(MainWindowTest, TheTallysPrintOpensTheChooserAndSeesItsCategory) {
    open();
    setGameWindows(nullptr); // the program's own windows
    clickRow(4);             // game 3, 18 x 2
    sim::click(f.btnOpenGame);
    frmBrenmoor& t = tally();
    desk.modal.add<frmSelectPrintScore>([&](frmSelectPrintScore& chooser) {
        EXPECT_EQ(chooser.Owner(), &t);
        sim::click(chooser.btnCategory);
        EXPECT_EQ(chooser.optScoreSelectPrint[2].Caption(), "部門別（男子）順位表");
        sim::click(chooser.btnCancel);
    });
    desk.modal.add<frmCategory>([](frmCategory& d) {
        sim::click(d.optGender[1]);
        sim::click(d.btnOK);
    });
    sim::click(t.btnPrint);
    EXPECT_EQ(desk.modal.pending(), 0u);
    EXPECT_EQ(gtypGame.CategoryGender, 1);
    EXPECT_NE(t.changed(), 0); // the game is to be saved with its category
    closeTally();
}

// ---- season hand-over ----

TEST_F(MainWindowTest, SeasonHandOverOfAllSeriesAndMixedShapes) {
    writeGame(7, "2010/08/01", "十二ホール四コース", 3, 2, 12, 4);
    data.writeManager("7");
    open();
    pick(f.cobSeason, -1);
    pick(f.cobHoleRound, -1);
    pick(f.cobCource, -1);
    // Only the 4-course games: 9 x 4 and 12 x 4.
    for (int32_t r = 1; r < grid().gfRowCount(); ++r)
        if (gtypGames[static_cast<size_t>(grid().gfGetRowItemData(r))].Round != 4) clickTick(r);
    std::vector<int32_t> handed;
    gtypSeasonGame.RoundName[0] = "kept";
    windows.printTotalGames = [&] { handed.assign(glngSeasonGames.begin(), glngSeasonGames.end()); };
    sim::click(f.btnSeasonPrint);
    EXPECT_EQ(handed, (std::vector<int32_t>{4, 0, 1, 5, 6}));
    EXPECT_EQ(gstrGamesFormatMix, "10");
    EXPECT_EQ(gtypSeasonGame.Hole, 12);
    EXPECT_EQ(gtypSeasonGame.Round, 4);
    EXPECT_EQ(gtypSeasonGame.SeriesID, -1);
    EXPECT_EQ(gtypSeasonGame.CourceID, -1);
    EXPECT_EQ(gtypSeasonGame.TeamHowtoRank, 1);
    EXPECT_EQ(gtypSeasonGame.CategoryAgeLow, -1);
    EXPECT_EQ(gtypSeasonGame.RoundName[0], "kept");
    EXPECT_EQ(gstrSeasonPeriodStart, "2010/03/01");
    EXPECT_EQ(gstrSeasonPeriodEnd, "2010/08/01");
    EXPECT_EQ(gtypSeasonGame.Date, "2010/08/01");
    EXPECT_EQ(gstrDlgParam2, "");
    EXPECT_EQ(gstrDlgParam3, "平成22年3月1日(月)～平成22年8月1日(日)");
    EXPECT_TRUE(glngSeasonGames.empty());
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
}

TEST_F(MainWindowTest, AGameTheSeasonTallyLeavesOutDoesNotShapeTheSeason) {
    writeGame(7, "2010/09/05", "壊れた形", 3, 1, 25, 3);
    data.writeManager("7");
    open();
    pick(f.cobSeason, 3);
    pick(f.cobHoleRound, -1);
    pick(f.cobCource, 1);
    sim::click(f.btnSeasonPrint);
    // Only the 12 x 3 game is tallied: 25 holes would overrun every season row.
    EXPECT_EQ(gtypSeasonGame.Hole, 12);
    EXPECT_EQ(gtypSeasonGame.Round, 3);
    EXPECT_EQ(gstrGamesFormatMix, "00");
    EXPECT_EQ(gstrDlgParam3, "36ﾎｰﾙ (12H x 3) ： 平成22年6月20日(日)～平成22年9月5日(日)");
}

TEST_F(MainWindowTest, SeasonHandOverOfOneSeriesCourseAndShape) {
    open();
    const struct {
        int32_t season, shape, cource;
        std::string first, second;
    } cases[] = {
        {1, 904, 1, "* 春季リーグ * 中央コース", "36ﾎｰﾙ (9H x 4) ： 平成22年4月10日(土)～平成22年4月10日(土)"},
        {1, 904, -1, "* 春季リーグ * ", "36ﾎｰﾙ (9H x 4) ： 平成22年4月10日(土)～平成22年5月15日(土)"},
        {-1, -1, 2, "河川敷コース", "36ﾎｰﾙ (9H x 4) ： 平成22年5月15日(土)～平成22年5月15日(土)"},
        {0, 904, 0, "", "36ﾎｰﾙ (9H x 4) ： 平成22年3月1日(月)～平成22年3月1日(月)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        pick(f.cobSeason, c.season);
        pick(f.cobHoleRound, c.shape);
        pick(f.cobCource, c.cource);
        sim::click(f.btnSeasonPrint);
        EXPECT_EQ(gtypSeasonGame.SeriesID, c.season);
        EXPECT_EQ(gtypSeasonGame.CourceID, c.cource);
        EXPECT_EQ(gstrGamesFormatMix, "00");
        EXPECT_EQ(gstrDlgParam2, c.first);
        EXPECT_EQ(gstrDlgParam3, c.second);
    }
    // Nothing ticked: nothing shown, nothing said.
    windows.calls.clear();
    sim::click(f.btnSyukeiClear);
    f.btnSeasonPrint.setEnabled(true);
    sim::click(f.btnSeasonPrint);
    EXPECT_TRUE(windows.calls.empty());
}

// ---- registries and the clean-up of lost links ----

TEST_F(MainWindowTest, ClosingTheSeriesRegistryMovesGamesOfDeletedSeriesToNone) {
    open();
    std::string expected = testsupport::readBytes(data.gamePath(6));
    expected.replace(expected.find("SeriesID=2"), 10, "SeriesID=0");
    const std::string untouched = testsupport::readBytes(data.gamePath(1));
    desk.modal.add<frmSeriesRegi>([](frmSeriesRegi& r) { sim::click(r.btnClose); });
    sim::click(f.btnSeries);
    EXPECT_EQ(testsupport::readBytes(data.gamePath(6)), expected);
    EXPECT_EQ(testsupport::readBytes(data.gamePath(1)), untouched);
    pick(f.cobSeason, 0);
    EXPECT_EQ(listed(), (std::vector<std::string>{fileName(5), fileName(6)}));
}

TEST_F(MainWindowTest, CleanUpWithoutARegistryFileClearsEveryLinkButWritesOnlyExistingGames) {
    open();
    files::removeFile(gstrCourceFile);
    files::removeFile(data.gamePath(2));
    desk.modal.add<frmCourceRegi>([](frmCourceRegi& r) { sim::click(r.btnClose); });
    sim::click(f.btnCource);
    for (int n : {1, 3, 4, 6}) EXPECT_EQ(gameValue(data.gamePath(n), "CourceID"), "0") << n;
    EXPECT_FALSE(files::fileExists(data.gamePath(2)));
    EXPECT_EQ(entries(f.cobCource), (std::vector<std::string>{"指定なし"}));
}

TEST_F(MainWindowTest, CleanUpLeavesLinksAloneWhenTheRegistryCannotBeRead) {
    open();
    files::removeFile(gstrSeriesFile);
    std::filesystem::create_directory(gstrSeriesFile); // there, but not a readable file
    desk.modal.add<frmSeriesRegi>([](frmSeriesRegi& r) { sim::click(r.btnClose); });
    sim::click(f.btnSeries);
    EXPECT_EQ(gameValue(data.gamePath(1), "SeriesID"), "1");
    EXPECT_EQ(gameValue(data.gamePath(6), "SeriesID"), "2");
}

TEST_F(MainWindowTest, APlayerAddedInTheRegistryEnablesNewGames) {
    data.writePlayers({{1, "山田太郎", "", 1, 0, "", "", 2}});
    open();
    EXPECT_FALSE(f.btnNewGame.Enabled());
    desk.modal.add<frmPlayers>([](frmPlayers& r) {
        gtypPlayers.append().Name = "鈴木花子";
        sim::click(r.btnClose);
    });
    desk.modal.add(std::function<void(forms::Form&)>([](forms::Form& r) { sim::closeBox(r); }));
    sim::click(f.btnMember);
    EXPECT_TRUE(f.btnNewGame.Enabled());
    sim::click(f.btnBelong);
    EXPECT_TRUE(desk.modal.unscripted().empty());
}
