// The main window's filters, period and game list, loaded from a data folder.
#include "frmMainFixture.h"

#include "main/frmPeriod.h"
#include "platform/forms/Services.h"

#include <map>

namespace sim = forms::sim;

namespace {

const std::vector<std::string> kAllColumns{"集計", "No.", "日付", "ｹﾞｰﾑ形式", "参加", "タイトル", "コース", "シリーズ"};

const std::map<std::string, int32_t> kWidths{{"集計", 550}, {"No.", 600},    {"日付", 1300},    {"ｹﾞｰﾑ形式", 1150},
                                             {"参加", 600}, {"コース", 2100}, {"シリーズ", 2100}};

} // namespace

TEST_F(MainWindowTest, ColumnsFollowTheFiltersAndAlwaysFillTheListWidth) {
    open();
    const struct {
        int32_t season, shape, cource;
        std::vector<std::string> headers;
        int32_t titleWidth;
        std::vector<std::string> games;
    } cases[] = {
        {-1, -1, -1, kAllColumns, 2650, games({5, 1, 2, 3, 4, 6})},
        {1, -1, -1, {"集計", "No.", "日付", "ｹﾞｰﾑ形式", "参加", "タイトル", "コース"}, 4750, games({1, 2, 3})},
        {1, 904, -1, {"集計", "No.", "日付", "参加", "タイトル", "コース"}, 5900, games({1, 2})},
        {1, 904, 1, {"集計", "No.", "日付", "参加", "タイトル"}, 8000, games({1})},
        {-1, 904, -1, {"集計", "No.", "日付", "参加", "タイトル", "コース", "シリーズ"}, 3800, games({5, 1, 2, 6})},
        {-1, -1, 1, {"集計", "No.", "日付", "ｹﾞｰﾑ形式", "参加", "タイトル", "シリーズ"}, 4750, games({1, 3, 4, 6})},
        {0, 904, 0, {"集計", "No.", "日付", "参加", "タイトル"}, 8000, games({5})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.season) + " " + std::to_string(c.shape) + " " + std::to_string(c.cource));
        pick(f.cobSeason, c.season);
        pick(f.cobHoleRound, c.shape);
        pick(f.cobCource, c.cource);
        EXPECT_EQ(headers(), c.headers);
        // The grid keeps each width snapped down to whole pixels.
        int32_t total = 0;
        for (size_t col = 0; col < c.headers.size(); ++col) {
            const int32_t width = c.headers[col] == "タイトル" ? c.titleWidth : kWidths.at(c.headers[col]);
            total += width;
            EXPECT_EQ(grid().ColWidth(static_cast<int32_t>(col)), width / 15 * 15) << c.headers[col];
        }
        EXPECT_EQ(total, 11050);
        EXPECT_EQ(listed(), c.games);
        EXPECT_EQ(f.lblGameListCount.Caption(), std::to_string(c.games.size()) + " ｹﾞｰﾑ");
    }
}

TEST_F(MainWindowTest, RowsShowTheGamesEarliestFirstWithStripes) {
    open();
    const std::vector<std::vector<std::string>> rows{
        {"1", "H22/03/01", "36H(9x4)", "2", "練習会", "", ""},
        {"2", "H22/04/10", "36H(9x4)", "2", "春季第1戦", "中央コース", "春季リーグ"},
        {"3", "H22/05/15", "36H(9x4)", "2", "春季第2戦", "河川敷コース", "春季リーグ"},
        // Two games of one date in stored order; names of deleted series shown.
        {"4", "H22/06/20", "36H(18x2)", "2", "春季第3戦", "中央コース", "春季リーグ"},
        {"5", "H22/06/20", "36H(12x3)", "2", "秋季開幕戦", "中央コース", "秋季リーグ"},
        {"6", "H22/07/01", "36H(9x4)", "2", "旧リーグ最終戦", "中央コース", "旧リーグ"},
    };
    ASSERT_EQ(grid().gfRowCount(), 7);
    for (int32_t r = 1; r <= 6; ++r) {
        SCOPED_TRACE(r);
        std::vector<std::string> texts;
        for (int32_t c = 1; c < 8; ++c) texts.push_back(cell(c, r));
        EXPECT_EQ(texts, rows[static_cast<size_t>(r - 1)]);
        EXPECT_EQ(tick(r), 2);
        EXPECT_EQ(grid().Cell(0, r).Type, MGCellTypeCheckBox);
        EXPECT_EQ(grid().RowInfo(r).Height, 345); // 350 twips snapped to whole pixels
        const forms::Color row = r % 2 == 0 ? forms::RGB(240, 255, 240) : grid().Cell(2, 1).BackColor;
        for (int32_t c : {0, 2, 5, 7}) EXPECT_EQ(grid().Cell(c, r).BackColor, row) << c;
        EXPECT_EQ(grid().Cell(1, r).BackColor, forms::vbButtonFace);
        EXPECT_EQ(grid().Cell(3, r).FontSize, 10);
        EXPECT_EQ(grid().Cell(2, r).Alignment, 2);
        EXPECT_EQ(grid().Cell(5, r).Alignment, 0);
    }
    EXPECT_EQ(grid().Cell(2, 1).BackColor, forms::vbWhite);
}

TEST_F(MainWindowTest, FilterListsAreOrderedByTotalHolesThenHolesPerCourse) {
    writeGame(7, "2010/08/01", "十二ホール", 1, 2, 12, 3);
    writeGame(8, "2010/08/02", "ハーフ", 1, 1, 9, 2);
    data.writeManager("8");
    open();
    EXPECT_EQ(entries(f.cobSeason), (std::vector<std::string>{"すべて", "指定なし", "春季リーグ", "秋季リーグ"}));
    EXPECT_EQ(entries(f.cobCource), (std::vector<std::string>{"すべて", "指定なし", "中央コース", "河川敷コース"}));
    pick(f.cobSeason, 1);
    EXPECT_EQ(entries(f.cobHoleRound), (std::vector<std::string>{"すべて", "  18 ﾎｰﾙ  (9H x 2)", "  36 ﾎｰﾙ  (9H x 4)",
                                                                 "  36 ﾎｰﾙ  (12H x 3)", "  36 ﾎｰﾙ  (18H x 2)"}));
    EXPECT_EQ(entries(f.cobCource), (std::vector<std::string>{"すべて", "中央コース", "河川敷コース"}));
}

TEST_F(MainWindowTest, ChoicesAreRememberedAlsoWhenTheProgramMakesThem) {
    data.writeSeries({{1, "春季リーグ"}, {2, "旧リーグ", 2}, {3, "秋季リーグ"}, {4, "新リーグ"}});
    open();
    EXPECT_EQ(chosen(f.cobSeason), -1);
    EXPECT_EQ(setting("SelectedSeason"), "-1");
    EXPECT_EQ(setting("SelectedHoleRound"), "-1");
    EXPECT_EQ(setting("SelectedCource"), "-1");

    // One shape and one course: the program chooses them and remembers them.
    pick(f.cobSeason, 3);
    EXPECT_EQ(entries(f.cobHoleRound), std::vector<std::string>{"  36 ﾎｰﾙ  (12H x 3)"});
    EXPECT_EQ(setting("SelectedSeason"), "3");
    EXPECT_EQ(setting("SelectedHoleRound"), "1203");
    EXPECT_EQ(setting("SelectedCource"), "1");

    // A season without games stores "all" for both.
    pick(f.cobSeason, 4);
    EXPECT_EQ(entries(f.cobHoleRound), std::vector<std::string>{"すべて"});
    EXPECT_EQ(setting("SelectedHoleRound"), "-1");
    EXPECT_EQ(setting("SelectedCource"), "-1");
    EXPECT_EQ(f.lblGameListCount.Caption(), "0 ｹﾞｰﾑ");
    EXPECT_EQ(f.lblPeriod.Caption(), "");

    // The next start restores what was chosen last.
    pick(f.cobSeason, 1);
    pick(f.cobHoleRound, 1802);
    frmMain next;
    next.Show();
    EXPECT_EQ(chosen(next.cobSeason), 1);
    EXPECT_EQ(chosen(next.cobHoleRound), 1802);
    EXPECT_EQ(chosen(next.cobCource), -1);
}

TEST_F(MainWindowTest, ARememberedSeriesThatIsGoneChoosesTheLastEntry) {
    setSetting("SelectedSeason", "2"); // deleted
    open();
    EXPECT_EQ(chosen(f.cobSeason), 3);
    EXPECT_EQ(setting("SelectedSeason"), "3");
    EXPECT_EQ(listed(), games({4}));
}

TEST_F(MainWindowTest, PeriodFollowsTheSeasonAndThePeriodDialog) {
    open();
    EXPECT_EQ(f.lblPeriod.Caption(), "H22/03/01　～　H22/07/01");
    pick(f.cobSeason, 1);
    EXPECT_EQ(f.lblPeriod.Caption(), "H22/04/10　～　H22/06/20");

    // A start only: games on the start date are listed, the end is open.
    desk.modal.add<frmPeriod>([](frmPeriod& d) {
        EXPECT_EQ(gstrDlgParam, "2010/04/10");
        EXPECT_EQ(gstrDlgParam2, "2010/06/20");
        sim::typeText(d.txtFromDate, "2010/05/15");
        sim::typeText(d.txtToDate, "\b");
        sim::click(d.btnOK);
    });
    sim::click(f.btnPeriod);
    EXPECT_EQ(f.lblPeriod.Caption(), "H22/05/15　～　");
    EXPECT_EQ(listed(), games({2, 3}));

    desk.modal.add<frmPeriod>([](frmPeriod& d) {
        sim::typeText(d.txtFromDate, "\b");
        sim::typeText(d.txtToDate, "2010/05/15");
        sim::click(d.btnOK);
    });
    sim::click(f.btnPeriod);
    EXPECT_EQ(f.lblPeriod.Caption(), "　～　H22/05/15");
    EXPECT_EQ(listed(), games({1, 2}));

    // Cancel keeps the period; a new season resets it.
    desk.modal.add<frmPeriod>([](frmPeriod& d) { sim::click(d.btnCancel); });
    sim::click(f.btnPeriod);
    EXPECT_EQ(listed(), games({1, 2}));
    pick(f.cobSeason, 1);
    EXPECT_EQ(f.lblPeriod.Caption(), "H22/04/10　～　H22/06/20");
}

TEST_F(MainWindowTest, AnEmptyDataFolderListsNothingAndOffersOnlyANewGame) {
    for (int n = 1; n <= 6; ++n) files::removeFile(data.gamePath(n));
    open();
    EXPECT_EQ(entries(f.cobHoleRound), std::vector<std::string>{"すべて"});
    EXPECT_EQ(entries(f.cobCource), std::vector<std::string>{"すべて"});
    EXPECT_EQ(headers(), kAllColumns);
    EXPECT_EQ(grid().gfRowCount(), 1);
    EXPECT_EQ(f.lblGameListCount.Caption(), "0 ｹﾞｰﾑ");
    EXPECT_EQ(f.lblPeriod.Caption(), "");
    EXPECT_TRUE(f.btnNewGame.Enabled());
    for (auto* b : {&f.btnOpenGame, &f.btnGamePrint, &f.btnDeleteGame, &f.btnSeasonPrint}) EXPECT_FALSE(b->Enabled());
}

TEST_F(MainWindowTest, PlayersWithoutANameAreSkippedAndDeletedOnesOfferNoNewGame) {
    data.writePlayers({{1, "", "", 1, 0, "", ""}, {2, "鈴木花子", "1952/03/08", 2, 1, "すずき", "", 2},
                       {3, "  佐藤  ", "", 1, 0, "さとう", "", 2}});
    data.writeGroups({{1, "札幌", ""}, {2, "", "x"}, {3, "旭川", "旭", 2}});
    open();
    ASSERT_EQ(gtypPlayers.size(), 2u);
    EXPECT_EQ(gtypPlayers[0].ID, 2);
    EXPECT_EQ(gtypPlayers[1].Name, "佐藤");
    EXPECT_EQ(gtypPlayers[1].State, 2);
    ASSERT_EQ(gtypBelongs.size(), 2u);
    EXPECT_EQ(gtypBelongs[1].ID, 3);
    EXPECT_EQ(gtypBelongs[1].ShortName, "旭");
    EXPECT_FALSE(f.btnNewGame.Enabled());
}

TEST_F(MainWindowTest, TheRememberedGameIsSelectedAndScrolledNearTheBottom) {
    for (int n = 1; n <= 30; ++n)
        writeGame(n, "2010/01/" + std::string(n < 10 ? "0" : "") + std::to_string(n), "第" + std::to_string(n) + "戦",
                  1, 1, 9, 4);
    data.writeManager("30");
    setSetting("SelectedSeason", "1");
    setSetting("SelectedGame", " " + fileName(30) + " ");
    open();
    EXPECT_EQ(f.lblGameListCount.Caption(), "30 ｹﾞｰﾑ");
    EXPECT_EQ(selectedRow(), 30);
    EXPECT_EQ(grid().gfGetTopIndexOfRowsY(), 19); // 14 rows fit: 30 - 14 + 3
    EXPECT_TRUE(f.btnOpenGame.Enabled());

    setSetting("SelectedGame", fileName(5));
    pick(f.cobSeason, 1);
    EXPECT_EQ(selectedRow(), 5);
    EXPECT_EQ(grid().gfGetTopIndexOfRowsY(), 1); // the first game row: no scrolling
}

TEST_F(MainWindowTest, ClicksRememberTheGameAndTicksDriveTheSeasonButton) {
    open();
    EXPECT_FALSE(f.btnOpenGame.Enabled());
    clickRow(3);
    EXPECT_EQ(setting("SelectedGame"), fileName(2));
    for (auto* b : {&f.btnOpenGame, &f.btnGamePrint, &f.btnDeleteGame}) EXPECT_TRUE(b->Enabled());

    sim::click(f.btnSyukeiClear);
    EXPECT_FALSE(f.btnSeasonPrint.Enabled());
    for (int32_t r = 1; r <= 6; ++r) EXPECT_EQ(tick(r), 0);
    clickTick(4);
    EXPECT_EQ(tick(4), 2);
    EXPECT_TRUE(f.btnSeasonPrint.Enabled());
    clickTick(4);
    EXPECT_FALSE(f.btnSeasonPrint.Enabled());
    sim::click(f.btnSyukeiCheckedAll);
    for (int32_t r = 1; r <= 6; ++r) EXPECT_EQ(tick(r), 2);
    EXPECT_TRUE(f.btnSeasonPrint.Enabled());
}

TEST_F(MainWindowTest, TheStoredPositionIsHeldOnTheScreenAndSavedOnUnload) {
    const double screenW = forms::Screen::Width(), screenH = forms::Screen::Height();
    const struct {
        const char* top;
        const char* left;
        double wantTop, wantLeft; // < 0: the window's full size off the screen's far edge
    } cases[] = {
        {"-4800", "300", 0, 300},
        {"", "300", 0, 0},
        {"600", " -20 ", 600, 0},
        {"600", "", 600, 0},
        {"999999", "99999abc", -1, -1},
        {"1e999", "-1e999", -1, 0}, // beyond any number: held on the screen all the same
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.top) + "/" + c.left);
        setSetting("Main_Top", c.top, "WindowSize");
        setSetting("Main_Left", c.left, "WindowSize");
        frmMain w;
        w.Show();
        EXPECT_EQ(w.Top(), c.wantTop < 0 ? screenH - w.Height() : c.wantTop);
        EXPECT_EQ(w.Left(), c.wantLeft < 0 ? screenW - w.Width() : c.wantLeft);
        w.Move(450, 1230);
        sim::closeBox(w);
        EXPECT_EQ(setting("Main_Top", "WindowSize"), "1230");
        EXPECT_EQ(setting("Main_Left", "WindowSize"), "450");
    }
}

TEST_F(MainWindowTest, OpeningReadsEachFileOnceHoweverManyOfItsValuesItUses) {
    setSetting("SelectedSeason", "1");
    for (const std::string& file : {gstrIniFile, gstrSeriesFile, gstrCourceFile, gstrGroupFile, gstrPlayerFile}) {
        files::probe::countReads(file);
        frmMain w;
        w.Show();
        EXPECT_EQ(files::probe::reads(), 1) << file;
        w.Unload();
    }
    files::probe::countReads("\n");
}
