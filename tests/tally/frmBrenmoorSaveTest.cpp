// Saving the game of the tally window and the check when it closes.
#include "tally/tallyFixture.h"

#include "platform/files/FileOps.h"

using forms::sim::click;
using forms::sim::closeBox;

namespace {

const char* const kDateError = "日付入力に誤りがあります。\r\n"
                               "西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\r\n"
                               "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。";

class TallySaveTest : public TallyTest {
protected:
    TallySaveTest() {
        storeGame();
        stored = testsupport::readBytes(data.gamePath(1));
    }
    // The stored file with a section the program never writes: it goes
    // with the next save.
    void markFile() { testsupport::writeBytes(data.gamePath(1), stored + "[Extra]\r\nKey=1\r\n"); }
    bool written() const { return fileNow().find("[Extra]") == std::string::npos; }
    ~TallySaveTest() override { files::fault::clear(); }
    std::string fileNow() const { return testsupport::readBytes(data.gamePath(1)); }
    std::string stored;
};

} // namespace

TEST_F(TallySaveTest, SaveAlwaysWritesAndClearsTheMark) {
    frmBrenmoor& f = open();
    markFile();
    click(f.btnSave);
    EXPECT_EQ(fileNow(), stored);
    EXPECT_EQ(gintGameSaved, 0);
    EXPECT_EQ(f.Caption(), "Lumora - 春季リーグ - 春季第1戦");

    confirmScoreEntry(1);
    EXPECT_EQ(f.Caption(), "Lumora - 春季リーグ - 春季第1戦 *");
    click(f.btnSave);
    EXPECT_EQ(f.Caption(), "Lumora - 春季リーグ - 春季第1戦");
    click(f.btnExit);
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_EQ(closes, 1);
}

TEST_F(TallySaveTest, ANewGameShowsItsTitleOnceSaved) {
    newGame(2, {{7, "A"}});
    frmBrenmoor& f = open();
    click(f.btnSave);
    EXPECT_EQ(f.Caption(), "Lumora - 春季リーグ - 秋季第1戦");
    EXPECT_EQ(gtypGame.FileName, "game00002.lmg");
    EXPECT_TRUE(files::fileExists(data.gamePath(2)));
    EXPECT_EQ(gintGameSaved, 0);
}

TEST_F(TallySaveTest, AnInvalidDateIsRefusedBySaveAndClose) {
    gtypGame.Date = "2010/02/30";
    frmBrenmoor& f = open();
    EXPECT_EQ(f.lblDate.Caption(), "2010/02/30");
    markFile();
    click(f.btnSave);
    EXPECT_EQ(desk.lastMessage().prompt, kDateError);
    EXPECT_EQ(desk.lastMessage().title, "エラー");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
    EXPECT_FALSE(written());
    EXPECT_EQ(gintGameSaved, -1);
    EXPECT_EQ(f.changed(), 0);

    // A clean game closes all the same; a modified one stays until the date is mended.
    confirmScoreEntry(1);
    desk.boxes.clear();
    click(f.btnExit);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, kDateError);
    EXPECT_TRUE(f.Loaded());
    EXPECT_EQ(closes, 0);
}

TEST_F(TallySaveTest, TheCloseQuestionOfAModifiedGame) {
    struct Case {
        int answer;
        bool failSave;
        bool staysOpen;
        bool written;
    };
    const Case cases[] = {
        {forms::vbYes, false, false, true},
        {forms::vbNo, false, false, false},
        {forms::vbCancel, false, true, false},
        // A save that fails keeps the window open, so the changes are not lost.
        {forms::vbYes, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.answer << (c.failSave ? " failing" : ""));
        markFile();
        gtypGame = gtypGames[0];
        closes = 0;
        desk.boxes.clear();
        frmBrenmoor& f = open();
        confirmScoreEntry(1);
        if (c.failSave) files::fault::arm(files::fault::Kind::Rename, 0, 1, "game00001");
        desk.boxes.answer(c.answer);
        closeBox(f);
        ASSERT_GE(desk.messages().size(), 1u);
        EXPECT_EQ(desk.messages()[0].prompt, "スコア・データを保存します。よろしいですか？");
        EXPECT_EQ(desk.messages()[0].title, "スコア保存確認");
        EXPECT_EQ(desk.messages()[0].flags, forms::vbYesNoCancel);
        EXPECT_EQ(f.Loaded(), c.staysOpen);
        EXPECT_EQ(closes, c.staysOpen ? 0 : 1);
        EXPECT_EQ(gintGameSaved, c.written ? 0 : -1);
        EXPECT_EQ(written(), c.written);
        if (c.staysOpen) {
            EXPECT_EQ(f.Caption(), "Lumora - 春季リーグ - 春季第1戦 *");
            desk.boxes.answer(forms::vbNo);
            tally->Unload();
        }
        files::fault::clear();
    }
}

TEST_F(TallySaveTest, ASaveThatFailsLeavesTheGameMarkedModified) {
    frmBrenmoor& f = open();
    markFile();
    files::fault::arm(files::fault::Kind::Rename, 0, 1, "game00001");
    click(f.btnSave);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "スコア・データの保存に失敗しました。");
    EXPECT_FALSE(written());
    EXPECT_EQ(gintGameSaved, -1);
    EXPECT_EQ(f.Caption(), "Lumora - 春季リーグ - 春季第1戦 *");

    // Closing asks, as for any modified game.
    desk.boxes.answer(forms::vbCancel);
    click(f.btnExit);
    EXPECT_EQ(desk.lastMessage().prompt, "スコア・データを保存します。よろしいですか？");
    EXPECT_TRUE(f.Loaded());
}
