#include "scoreEntryFixture.h"

#include "platform/forms/Services.h"

namespace sim = forms::sim;

TEST_F(ScoreEntryTest, TheModeSettingChoosesTheModeAndIsWrittenBackEvenWhenCancelled) {
    struct Case {
        const char* stored; // nullptr: no key
        bool quick;
        const char* after;
    } cases[] = {
        {nullptr, false, "0"}, {"0", false, "0"}, {" 0 ", false, "0"}, {"", false, "0"},
        {"1", true, "1"},      {"q", true, "1"},  {"2", true, "1"},
    };
    for (const Case& c : cases) {
        if (c.stored) setMode(c.stored);
        else gfWriteIniFile(gstrIniFile, "Score", std::nullopt, std::nullopt);
        frmScore f;
        desk.runModal(f, [&] {
            EXPECT_EQ(f.optHowTo[c.quick ? 1 : 0].Value(), true);
            for (int r = 1; r <= 3; ++r) {
                EXPECT_EQ(f.txtEasyScoreR[r - 1].Visible(), c.quick);
                for (int h = 1; h <= 9; ++h) EXPECT_EQ(hole(f, r, h).Visible(), !c.quick);
            }
            EXPECT_EQ(f.lblHole[0].Visible(), !c.quick);
            // Beyond the game's holes and courses nothing shows in either mode.
            EXPECT_FALSE(hole(f, 1, 10).Visible());
            EXPECT_FALSE(hole(f, 4, 1).Visible());
            EXPECT_FALSE(f.txtEasyScoreR[3].Visible());
            EXPECT_FALSE(f.lblHole[9].Visible());
            sim::closeBox(f);
        });
        EXPECT_EQ(mode(), c.after) << (c.stored ? c.stored : "no key");
        EXPECT_EQ(gintDlgRet, -1);
    }
}

TEST_F(ScoreEntryTest, TheFocusStartsInTheHandicapOnlyWhenAskedForAndTheGameHasOne) {
    struct Case {
        int16_t kind, openMode;
        const char* howTo;
        const char* focus;
    } cases[] = {
        {1, 1, "0", "txtHandicap"}, {2, 1, "1", "txtHandicap"}, {0, 1, "0", "hole"},
        {1, 0, "0", "hole"},        {0, 1, "1", "quick"},       {2, 0, "1", "quick"},
    };
    for (const Case& c : cases) {
        game(9, 3, c.kind);
        setMode(c.howTo);
        gintDlgRet = c.openMode;
        frmScore f;
        desk.runModal(f, [&] {
            const forms::Control* expected = std::string(c.focus) == "txtHandicap" ? &f.txtHandicap
                                             : std::string(c.focus) == "hole"      ? &hole(f, 1, 1)
                                                                                   : static_cast<forms::Control*>(&f.txtEasyScoreR[0]);
            EXPECT_EQ(f.ActiveControl(), expected) << "kind " << c.kind << " mode " << c.openMode;
            sim::closeBox(f);
        });
    }
}

TEST_F(ScoreEntryTest, OpeningFillsTheBoxesAndTheCaptionFromAnyOfThePlayersRows) {
    stored(7, 1, " 4 ,5,,07");
    stored(7, 3, "3,3,3,3,3,3,3,3,3,9,9");
    stored(8, 1, "6,6,6,6,6,6,6,6,6");
    storedHandicap(7, -25);
    glngDlgIndex = 2; // the player's third row
    frmScore f;
    desk.runModal(f, [&] {
        EXPECT_EQ(f.Caption(), "スコア - 山田太郎　（男、60歳）");
        EXPECT_EQ(f.txtHandicap.Text(), "-2.5");
        EXPECT_EQ(hole(f, 1, 1).Text(), "4");
        EXPECT_EQ(hole(f, 1, 3).Text(), "");
        EXPECT_EQ(hole(f, 1, 4).Text(), "07");
        EXPECT_EQ(hole(f, 3, 9).Text(), "3");
        EXPECT_EQ(hole(f, 3, 10).Text(), ""); // beyond the game's holes
        EXPECT_EQ(hole(f, 2, 1).Text(), "");
        EXPECT_EQ(f.lblRound[0].Caption(), "A:");
        EXPECT_EQ(f.lblRound[2].Caption(), "C:");
        sim::closeBox(f);
    });

    // A player missing from the registry leaves those parts empty.
    glngDlgIndex = 4;
    frmScore other;
    desk.runModal(other, [&] {
        EXPECT_EQ(other.Caption(), "スコア - 　（、歳）");
        EXPECT_EQ(hole(other, 1, 9).Text(), "6");
        sim::closeBox(other);
    });
}

// The course labels are narrow: a course's name shrinks to fit its label,
// and a name too long for that shows its start.
TEST_F(ScoreEntryTest, CourseNamesFitTheirNarrowLabels) {
    game(9, 3, 0);
    gtypGame.RoundName[0] = "Aコース";
    gtypGame.RoundName[1] = "さくらの森西コース";
    frmScore f;
    desk.runModal(f, [&] {
        const forms::Label &fits = f.lblRound[0], &tooLong = f.lblRound[1], &plain = f.lblRound[2];
        EXPECT_EQ(fits.Caption(), "Aコース:");
        EXPECT_LT(fits.font().Size, plain.font().Size);
        EXPECT_LE(forms::TextWidth(fits.font(), fits.Caption()), fits.Width());
        EXPECT_EQ(tooLong.Caption().substr(tooLong.Caption().size() - 3), "…");
        EXPECT_LE(forms::TextWidth(tooLong.font(), tooLong.Caption()), tooLong.Width());
        EXPECT_EQ(plain.Caption(), "C:");
        sim::closeBox(f);
    });
}

TEST_F(ScoreEntryTest, EnterWalksTheShownBoxesAndTheHoleBoxesTakeDigitsOnly) {
    game(2, 2, 1);
    setMode("0");
    frmScore f;
    desk.runModal(f, [&] {
        sim::typeText(hole(f, 1, 1), "4\r");
        EXPECT_EQ(f.ActiveControl(), &hole(f, 1, 2));
        sim::typeText(hole(f, 1, 2), "5\r");
        EXPECT_EQ(f.ActiveControl(), &hole(f, 2, 1));
        sim::typeText(hole(f, 2, 2), "\r");
        EXPECT_EQ(f.ActiveControl(), &f.btnOK);
        sim::typeText(f.txtHandicap, "1\r");
        EXPECT_EQ(f.ActiveControl(), &hole(f, 1, 1));

        // Typing, an input method and a paste: only digits get in, the rest beeps.
        const long beeps = desk.beeps();
        sim::typeText(hole(f, 2, 1), "a-3.");
        EXPECT_EQ(hole(f, 2, 1).Text(), "3");
        sim::inputText(hole(f, 2, 1), "７");
        forms::Clipboard::SetText("x8");
        sim::paste(hole(f, 2, 2));
        EXPECT_EQ(hole(f, 2, 1).Text(), "3");
        EXPECT_EQ(hole(f, 2, 2).Text(), "8");
        EXPECT_EQ(desk.beeps() - beeps, 5);
        sim::typeText(hole(f, 1, 2), "123");
        EXPECT_EQ(hole(f, 1, 2).Text(), "12"); // two characters at most

        // Esc is no way out.
        sim::pressKey(f, forms::vbKeyEscape);
        EXPECT_TRUE(f.Visible());
        sim::closeBox(f);
    });
}

TEST_F(ScoreEntryTest, ResultsFollowTheEntryWithPartlyEnteredCoursesInRedAndNotCounted) {
    stored(7, 1, "5,5,5,5,5,5,4,4"); // 38 in 8 holes
    stored(7, 2, "5,5,5,5,5,5,4,4,4");
    storedHandicap(7, 25);
    frmScore f;
    desk.runModal(f, [&] {
        EXPECT_EQ(f.lblRDa[0].Caption(), "38");
        EXPECT_EQ(f.lblRDa[0].ForeColor(), 255u);
        EXPECT_EQ(f.lblSDa[0].Caption(), "40.5");
        EXPECT_EQ(f.lblSDa[0].ForeColor(), 255u);
        EXPECT_EQ(f.lblRDa[1].Caption(), "42");
        EXPECT_EQ(f.lblRDa[1].ForeColor(), 0u);
        EXPECT_EQ(f.lblHDa[1].Caption(), "2.5");
        EXPECT_EQ(f.lblSDa[1].Caption(), "44.5");
        EXPECT_EQ(f.lblRDa[2].Caption(), "-");
        EXPECT_EQ(f.lblSDa[2].Caption(), "-");
        EXPECT_EQ(f.lblTotal.Caption(), "44.5");

        // The ninth hole completes the course once the box is left.
        sim::typeText(hole(f, 1, 9), "2");
        EXPECT_EQ(f.lblTotal.Caption(), "44.5");
        sim::typeText(hole(f, 1, 9), "\r");
        EXPECT_EQ(f.lblRDa[0].Caption(), "40");
        EXPECT_EQ(f.lblRDa[0].ForeColor(), 0u);
        EXPECT_EQ(f.lblSDa[0].Caption(), "42.5");
        EXPECT_EQ(f.lblSDa[0].ForeColor(), 0u);
        EXPECT_EQ(f.lblTotal.Caption(), "87");

        // Emptying it again: red, not counted, and no complete course is "-".
        sim::typeText(hole(f, 1, 9), "0\r");
        EXPECT_EQ(f.lblRDa[0].ForeColor(), 255u);
        sim::typeText(hole(f, 2, 1), "\b\r");
        EXPECT_EQ(f.lblTotal.Caption(), "-");
        sim::closeBox(f);
    });
}

TEST_F(ScoreEntryTest, AGameHandicapShowsOnceAndIsSharedByTheCompleteCourses) {
    struct Case {
        int32_t handicap;
        const char* total;
    } cases[] = {{25, "37.2"}, {15, "36.8"}, {-25, "34.8"}};
    for (const Case& c : cases) {
        game(9, 2, 2);
        stored(7, 1, "4,4,4,4,4,4,4,4,4");
        stored(7, 2, "4");
        storedHandicap(7, c.handicap);
        frmScore f;
        desk.runModal(f, [&] {
            EXPECT_EQ(f.lblTotal.Caption(), c.total) << c.handicap;
            EXPECT_TRUE(f.lblHDa[0].Visible());
            EXPECT_FALSE(f.lblHDa[1].Visible());
            EXPECT_FALSE(f.picCalSyokei.Visible());
            sim::closeBox(f);
        });
    }
}

TEST_F(ScoreEntryTest, TheHandicapIsHeldInTheRangeOfTheGamesKindWhenLeftAndOnOK) {
    struct Case {
        int16_t hole, round, kind;
        const char* typed;
        const char* shown;
        int32_t saved;
    } cases[] = {
        {9, 3, 1, "50", "36", 360},  {9, 3, 1, "-50", "-36", -360}, {9, 3, 1, "1.25", "1.2", 12},
        {9, 3, 1, "2", "2", 20},     {9, 4, 2, "200", "144", 1440}, {9, 3, 1, "x", "0", 0},
    };
    for (const Case& c : cases) {
        game(c.hole, c.round, c.kind);
        frmScore f;
        desk.runModal(f, [&] {
            sim::typeText(f.txtHandicap, std::string(c.typed) + "\r");
            EXPECT_EQ(f.txtHandicap.Text(), c.shown) << c.typed;
            EXPECT_EQ(f.lblHDa[0].Caption(), c.shown) << c.typed;
            sim::click(f.btnOK);
        });
        EXPECT_EQ(gintDlgRet, 0);
        for (const auto& row : gtypScores) EXPECT_EQ(row.Handicap, row.IDNo == 7 ? c.saved : 0) << c.typed;
    }

    // Without handicaps the box shows 0 whatever the rows held, and OK stores 0.
    game(9, 3, 0);
    storedHandicap(7, 55);
    frmScore none;
    desk.runModal(none, [&] {
        EXPECT_EQ(none.txtHandicap.Text(), "0");
        EXPECT_FALSE(none.picHndicap.Visible());
        sim::click(none.btnOK);
    });
    for (const auto& row : gtypScores) EXPECT_EQ(row.Handicap, 0);

    // A stored handicap beyond the range shows clamped, and a value that never
    // left its box is clamped before it is saved.
    game(9, 3, 1);
    storedHandicap(7, 999);
    frmScore kept;
    desk.runModal(kept, [&] {
        EXPECT_EQ(kept.txtHandicap.Text(), "36");
        kept.txtHandicap.setText("80");
        sim::click(kept.btnOK);
    });
    for (const auto& row : gtypScores) EXPECT_EQ(row.Handicap, row.IDNo == 7 ? 360 : 0);
}

TEST_F(ScoreEntryTest, OKSavesWholeValuesAndClearsHolesBeyondTheGame) {
    stored(7, 1, "4,4,4,4,4,4,4,4,4,5,5,5");
    stored(7, 2, "3,3");
    stored(8, 1, "6,6");
    frmScore f;
    desk.runModal(f, [&] {
        sim::typeText(hole(f, 1, 1), "0\r");
        sim::typeText(hole(f, 1, 2), "00\r");
        sim::typeText(hole(f, 1, 3), "07\r");
        sim::typeText(hole(f, 2, 2), "12");
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(saved(7, 1), ",,7,4,4,4,4,4,4");
    EXPECT_EQ(saved(7, 2), "3,12");
    EXPECT_EQ(saved(7, 3), "");
    EXPECT_EQ(saved(8, 1), "6,6");
    for (const auto& row : gtypScores) EXPECT_EQ(row.TeamID, "A");
}

TEST_F(ScoreEntryTest, CancelAndTheCloseBoxLeaveTheRowsAsTheyWere) {
    stored(7, 1, "4,4,4");
    storedHandicap(7, 20);
    setMode("0");
    const auto before = gtypScores;
    frmScore f;
    desk.runModal(f, [&] {
        sim::typeText(hole(f, 1, 1), "9\r");
        sim::typeText(f.txtHandicap, "3\r");
        sim::click(f.optHowTo[1]);
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(mode(), "1"); // the last mode chosen stays
    frmScore g;
    desk.runModal(g, [&] {
        sim::typeText(g.txtEasyScoreR[0], "999");
        sim::closeBox(g);
    });
    EXPECT_EQ(gintDlgRet, -1);
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(gtypScores[i].Holes, before[i].Holes);
        EXPECT_EQ(gtypScores[i].Handicap, before[i].Handicap);
    }
}

TEST_F(ScoreEntryTest, TheHelpBoxesGiveTheTextsAndTheGamesHandicapRange) {
    frmScore f;
    desk.runModal(f, [&] {
        sim::click(f.btnHelpEasyScore);
        EXPECT_EQ(desk.lastMessage().title, "スコア入力のヘルプ");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
        EXPECT_EQ(desk.lastMessage().prompt,
                  "入力域の移動は Enterキー or Tabキーが便利です。\r\n\r\n"
                  "快速入力では数字１文字を１ホール分の打数とします。\r\n"
                  "二桁の数字（10～99）を入力したい場合は先頭に'0'を付けます。\r\n"
                  "'0'直後の数字2文字を打数とします。\r\n"
                  "例). \"2340101234\" -> 2-3-4-10-1-2-3-4");
        sim::click(f.btnHelpHandicap);
        EXPECT_EQ(desk.lastMessage().title, "ハンディキャップのヘルプ");
        EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
        EXPECT_EQ(desk.lastMessage().prompt,
                  "このゲームの入力可能範囲： 最小値= -36.0 、最大値= 36.0\r\n\r\n"
                  "ハンディキャップは１ホールあたり -4打 ～ +4打 が指定可能です。\r\n"
                  "ラウンド単位の場合はラウンドのホール数分が最小値、最大値になります。\r\n"
                  "ゲーム単位の場合は全ホール数分が最小値、最大値になります。\r\n"
                  "小数点は１桁まで可能です。範囲を超える値が入力された場合は、最小値、最大値に自動修正されます。");
        sim::closeBox(f);
    });

    struct Case {
        int16_t hole, round;
        const char* line;
    } cases[] = {{9, 3, "最小値= -108.0 、最大値= 108.0\r\n"}, {12, 10, "最小値= -480.0 、最大値= 480.0\r\n"}};
    for (const Case& c : cases) {
        game(c.hole, c.round, 2);
        frmScore g;
        desk.runModal(g, [&] {
            sim::click(g.btnHelpHandicap);
            EXPECT_NE(desk.lastMessage().prompt.find(c.line), std::string::npos) << c.line;
            sim::closeBox(g);
        });
    }
}

TEST_F(ScoreEntryTest, TheWindowIsCutDownToTheGame) {
    frmScore f;
    desk.runModal(f, [&] {
        EXPECT_EQ(f.ScaleWidth(), 8715);
        EXPECT_EQ(f.ScaleHeight(), 3165);
        EXPECT_EQ(f.picCalJDa.Left(), 5055);
        EXPECT_EQ(f.picCalHc.Left(), 5730);
        EXPECT_EQ(f.picCalSyokei.Left(), 6585);
        EXPECT_EQ(f.picCalTotal.Left(), 7440);
        EXPECT_EQ(f.picHndicap.Left(), 5055);
        EXPECT_EQ(f.picFooter.Top(), 2250);
        EXPECT_EQ(f.picFooter.Left(), 2257.5);
        EXPECT_EQ(f.txtEasyScoreR[2].Width(), 4275);
        EXPECT_EQ(f.txtEasyScoreR[2].Top(), hole(f, 3, 1).Top());
        EXPECT_TRUE(f.lblRound[2].Visible());
        EXPECT_FALSE(f.lblRound[3].Visible());
        EXPECT_FALSE(f.lblRDa[3].Visible());
        EXPECT_EQ(f.lblHole[8].Caption(), "9");
        sim::closeBox(f);
    });

    game(9, 3, 0);
    frmScore none;
    desk.runModal(none, [&] {
        EXPECT_EQ(none.ScaleWidth(), 7005);
        EXPECT_EQ(none.picCalTotal.Left(), 5730);
        EXPECT_FALSE(none.picCalHc.Visible());
        EXPECT_FALSE(none.picCalSyokei.Visible());
        sim::closeBox(none);
    });
}

TEST_F(ScoreEntryTest, AStoredHoleTooLargeToConvertReadsAsNotEntered) {
    stored(7, 1, "4,4,4,4,99999999999,4,4,4,4");
    stored(7, 2, "1e999,4,4,4,4,4,4,4,4");
    frmScore f;
    desk.runModal(f, [&] {
        EXPECT_EQ(f.lblRDa[0].Caption(), "32");
        EXPECT_EQ(f.lblRDa[0].ForeColor(), 255u);
        EXPECT_EQ(f.lblTotal.Caption(), "-");
        sim::click(f.optHowTo[1]);
        EXPECT_EQ(f.txtEasyScoreR[0].Text(), "4444 4444");
        sim::click(f.optHowTo[0]);
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(saved(7, 1), "4,4,4,4,,4,4,4,4");
    EXPECT_EQ(saved(7, 2), ",4,4,4,4,4,4,4,4");
}

// A game file that lists a player twice: each listing is a participant of
// its own, so the entry shows and saves the listing it was opened from.
TEST_F(ScoreEntryTest, APlayerListedTwiceIsEditedInTheListingChosen) {
    game(9, 2, 1);
    for (int16_t r = 1; r <= 2; ++r) {
        typScoreData row;
        row.IDNo = 7;
        row.RoundNo = r;
        row.Holes[0] = "5";
        row.Handicap = 10;
        gtypScores.append(row);
    }
    gtypScores[0].Holes[0] = "3";
    glngDlgIndex = 5; // course 2 of the second listing
    frmScore f;
    desk.runModal(f, [&] {
        EXPECT_EQ(hole(f, 1, 1).Text(), "5");
        EXPECT_EQ(f.txtHandicap.Text(), "1");
        sim::typeText(hole(f, 2, 1), "6\r");
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gtypScores[4].Holes[0], "5");
    EXPECT_EQ(gtypScores[5].Holes[0], "6");
    EXPECT_EQ(gtypScores[0].Holes[0], "3");
    EXPECT_EQ(gtypScores[1].Holes[0], "");
    EXPECT_EQ(gtypScores[0].Handicap, 0);
}
