#include "main/frmRegiPlayer.h"
#include "platform/forms/Simulation.h"
#include "platform/text/Strings.h"
#include "registryFixture.h"

namespace sim = forms::sim;

namespace {

const char* const kDateError = "日付入力に誤りがあります。\r\n"
                               "西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\r\n"
                               "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。";

class frmRegiPlayerTest : public RegistryTest {
protected:
    frmRegiPlayerTest() {
        gtypBelongs = {{1, "札幌クラブ", "札幌", 0}, {2, "解散した会", "", 2}, {3, "旭川会", "", 0}};
    }
    // A name and a gender: what OK needs besides a good date. The clock
    // stands at 2010/10/10 for the ages.
    void fillValid(frmRegiPlayer& d) {
        sim::typeText(d.txtName, "山田太郎");
        sim::click(d.optGender[0]);
    }
    std::vector<std::string> locations(const frmRegiPlayer& d) {
        std::vector<std::string> out;
        for (int i = 0; i < d.cobLocation.ListCount(); ++i) out.push_back(d.cobLocation.List(i));
        return out;
    }
    void writeHistory(int count, int extraFrom = 0) {
        std::vector<std::pair<std::string, std::string>> keys;
        for (int k = 1; k <= count; ++k) keys.push_back({"location" + std::to_string(k), "地" + std::to_string(k)});
        for (int k = extraFrom; extraFrom && k < extraFrom + 2; ++k)
            keys.push_back({"location" + std::to_string(k), "残" + std::to_string(k)});
        data.writeIni(gstrLocationFile, {{"PlayerLocation", keys}});
    }
    frmRegiPlayer d;
};

} // namespace

TEST_F(frmRegiPlayerTest, DatesOfBirthAreShownInEraFormWithTheAgeAndStoredWestern) {
    struct Case {
        const char* typed;
        const char* shown;
        const char* label;
        const char* stored;
    } cases[] = {
        {"1940/12/3", "S15/12/3", "昭和15年12月3日生\u300069歳", "1940/12/03"},
        {"s15/12/3", "S15/12/3", "昭和15年12月3日生\u300069歳", "1940/12/03"},
        {"S15/12/3", "S15/12/3", "昭和15年12月3日生\u300069歳", "1940/12/03"},
        {"40/12/3", "S15/12/3", "昭和15年12月3日生\u300069歳", "1940/12/03"},
        {"1989/1/8", "H1/1/8", "平成01年1月8日生\u300021歳", "1989/01/08"},
        {" 2000/10/10 ", "H12/10/10", "平成12年10月10日生\u300010歳", "2000/10/10"},
    };
    for (const Case& c : cases) {
        frmRegiPlayer dlg;
        desk.runModal(dlg, [&] {
            fillValid(dlg);
            sim::typeText(dlg.txtBirthday, std::string(c.typed) + "\t");
            EXPECT_EQ(dlg.txtBirthday.Text(), c.shown) << c.typed;
            EXPECT_EQ(dlg.lblBirthday.Caption(), c.label) << c.typed;
            sim::click(dlg.btnOK);
        });
        EXPECT_EQ(gintDlgRet, 0);
        EXPECT_EQ(gtypEditPlayer.Birthday, c.stored) << c.typed;
    }
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(frmRegiPlayerTest, AWrongDateIsReportedWhenLeavingTheBoxAndAgainByOk) {
    desk.runModal(d, [&] {
        fillValid(d);
        sim::typeText(d.txtBirthday, "1940/12/3\t");
        EXPECT_FALSE(d.lblBirthday.Caption().empty());
        sim::typeText(d.txtBirthday, "1940/13/3\t");
        ASSERT_EQ(desk.messages().size(), 1u);
        EXPECT_EQ(desk.lastMessage().prompt, kDateError);
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(d.lblBirthday.Caption(), "");
        EXPECT_EQ(d.ActiveControl(), &d.txtBirthday);
        EXPECT_EQ(d.txtBirthday.Text(), "1940/13/3");

        // OK from the keyboard, the focus never leaving the box by a click.
        d.txtBirthday.setText("abc");
        sim::focus(d.cobBelong); // leaving the box reports it again
        EXPECT_EQ(desk.messages().size(), 2u);
        d.btnOK.Click();
        EXPECT_EQ(desk.messages().size(), 3u);
        EXPECT_EQ(desk.lastMessage().prompt, kDateError);
        EXPECT_EQ(d.ActiveControl(), &d.txtBirthday);
        EXPECT_TRUE(d.Visible());
        EXPECT_EQ(gintDlgRet, -1);
        sim::pressKey(d, forms::vbKeyEscape); // the cancel key leaves without the check
    });
    EXPECT_EQ(desk.messages().size(), 3u);
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gtypEditPlayer.Name, ""); // nothing handed back
}

TEST_F(frmRegiPlayerTest, OkChecksNameThenGenderThenDate) {
    desk.runModal(d, [&] {
        d.txtBirthday.setText("xyz");
        sim::typeText(d.txtName, "   ");
        d.btnOK.Click();
        EXPECT_EQ(desk.lastMessage().prompt, "名前が未入力です。");
        EXPECT_EQ(d.ActiveControl(), &d.txtName);

        sim::typeText(d.txtName, "佐藤");
        d.btnOK.Click();
        EXPECT_EQ(desk.lastMessage().prompt, "性別が未選択です。");
        EXPECT_EQ(desk.lastMessage().title, "エラー");
        EXPECT_EQ(d.ActiveControl(), &d.optGender[0]);

        sim::click(d.optGender[1]);
        d.btnOK.Click();
        EXPECT_EQ(desk.lastMessage().prompt, kDateError);
        EXPECT_EQ(d.ActiveControl(), &d.txtBirthday);
        EXPECT_EQ(desk.messages().size(), 3u);

        sim::typeText(d.txtBirthday, "\b\t"); // blank is allowed
        EXPECT_EQ(d.lblBirthday.Caption(), "");
        sim::typeText(d.txtSortStr, " さとう ");
        sim::click(d.btnOK);
    });
    EXPECT_EQ(desk.messages().size(), 3u);
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypEditPlayer.Name, "佐藤");
    EXPECT_EQ(gtypEditPlayer.Sort, "さとう");
    EXPECT_EQ(gtypEditPlayer.Gender, 2);
    EXPECT_EQ(gtypEditPlayer.Birthday, "");
    EXPECT_EQ(gtypEditPlayer.BelongID, 0);
}

TEST_F(frmRegiPlayerTest, OpensOnTheHandedPlayerAndReturnsOnlyTheDialogsFields) {
    gtypEditPlayer = {77, " 鈴木花子 ", "1950/06/15", 0, 2, 1, 3, "T", "すずき", "旭川"};
    desk.runModal(d, [&] {
        EXPECT_EQ(d.txtName.Text(), " 鈴木花子 ");
        EXPECT_EQ(d.txtSortStr.Text(), "すずき");
        EXPECT_FALSE(d.optGender[0].Value());
        EXPECT_TRUE(d.optGender[1].Value());
        EXPECT_EQ(d.txtBirthday.Text(), "S25/6/15");
        EXPECT_EQ(d.lblBirthday.Caption(), "昭和25年6月15日生\u300060歳");
        EXPECT_EQ(d.cobBelong.Text(), "旭川会");
        EXPECT_EQ(d.cobBelong.ListCount(), 3); // なし, and the two active affiliations
        EXPECT_EQ(d.cobLocation.Text(), "旭川");
        EXPECT_EQ(d.ActiveControl(), &d.txtName);
        EXPECT_EQ(d.txtName.SelLength(), 6);
        EXPECT_EQ(gintDlgRet, -1);
        sim::chooseItem(d.cobBelong, 1);
        sim::click(d.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypEditPlayer.Name, "鈴木花子");
    EXPECT_EQ(gtypEditPlayer.BelongID, 1);
    EXPECT_EQ(gtypEditPlayer.Birthday, "1950/06/15");
    // Fields the dialog does not know stay as they came.
    EXPECT_EQ(gtypEditPlayer.ID, 77);
    EXPECT_EQ(gtypEditPlayer.Entered, 1);
    EXPECT_EQ(gtypEditPlayer.TeamID, "T");
}

TEST_F(frmRegiPlayerTest, AnUnknownOrDeletedAffiliationAndAStrayBirthdayStillOpen) {
    for (int32_t belong : {2, 9, -1}) {
        gtypEditPlayer = {};
        gtypEditPlayer.BelongID = belong;
        gtypEditPlayer.Birthday = "not a date";
        gtypEditPlayer.Gender = 1;
        gtypEditPlayer.Name = "X";
        frmRegiPlayer dlg;
        desk.runModal(dlg, [&] {
            EXPECT_EQ(dlg.cobBelong.Text(), "なし（未設定）") << belong;
            EXPECT_EQ(dlg.txtBirthday.Text(), "not a date");
            dlg.txtBirthday.setText("");
            sim::click(dlg.btnOK);
        });
        EXPECT_EQ(gtypEditPlayer.BelongID, 0) << belong;
    }
}

TEST_F(frmRegiPlayerTest, EnterMovesThroughTheDialogSkippingTheHelpButtons) {
    desk.runModal(d, [&] {
        sim::typeText(d.txtName, "田中\r");
        EXPECT_EQ(d.ActiveControl(), &d.txtSortStr);
        sim::pressKey(d, forms::vbKeyReturn);
        EXPECT_EQ(d.ActiveControl(), &d.optGender[0]);
        sim::pressKey(d, forms::vbKeySpace);
        sim::pressKey(d, forms::vbKeyReturn);
        EXPECT_EQ(d.ActiveControl(), &d.txtBirthday);
        sim::typeText(d.txtBirthday, "h1/2/3\r");
        EXPECT_EQ(d.ActiveControl(), &d.cobBelong);
        sim::pressKey(d, forms::vbKeyReturn);
        EXPECT_EQ(d.ActiveControl(), &d.cobLocation);
        sim::typeText(d.cobLocation, "網走\r");
        EXPECT_EQ(d.ActiveControl(), &d.btnOK);
        EXPECT_EQ(d.txtName.Text(), "田中"); // Enter typed nothing
        sim::pressKey(d, forms::vbKeyReturn);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypEditPlayer.Gender, 1);
    EXPECT_EQ(gtypEditPlayer.Birthday, "1989/02/03");
    EXPECT_EQ(gtypEditPlayer.Location, "網走");
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(frmRegiPlayerTest, ARegionMovesToTheTopCutToFiveCharacters) {
    data.writeIni(gstrLocationFile, {{"PlayerLocation", {{"location1", "札幌"},
                                                          {"location2", "北海道札幌"},
                                                          {"location3", "  釧路市内の東 "},
                                                          {"location4", " "},
                                                          {"location5", "読まれない"}}}});
    desk.runModal(d, [&] {
        EXPECT_EQ(locations(d), (std::vector<std::string>{"札幌", "北海道札幌", "釧路市内の"}));
        fillValid(d);
        sim::typeText(d.cobLocation, "北海道札幌市");
        sim::focus(d.btnOK);
        EXPECT_EQ(locations(d), (std::vector<std::string>{"北海道札幌", "札幌", "釧路市内の"}));
        EXPECT_EQ(d.cobLocation.Text(), "北海道札幌");
        // A region chosen from the list moves to the top too.
        sim::chooseItem(d.cobLocation, 2);
        sim::focus(d.txtName);
        EXPECT_EQ(locations(d), (std::vector<std::string>{"釧路市内の", "北海道札幌", "札幌"}));
        sim::click(d.btnOK);
    });
    EXPECT_EQ(gtypEditPlayer.Location, "釧路市内の");
    expectFile(gstrLocationFile, {"[PlayerLocation]", "location1=釧路市内の", "location2=北海道札幌",
                                  "location3=札幌", "location4= ", "location5=読まれない"});
}

TEST_F(frmRegiPlayerTest, ABlankRegionLeavesTheListAndIsReturnedAsTyped) {
    data.writeIni(gstrLocationFile, {{"PlayerLocation", {{"location1", "札幌"}}}});
    const std::string before = testsupport::readBytes(gstrLocationFile);
    desk.runModal(d, [&] {
        fillValid(d);
        sim::typeText(d.cobLocation, "  ");
        sim::click(d.btnOK);
    });
    EXPECT_EQ(gtypEditPlayer.Location, "  ");
    EXPECT_EQ(testsupport::readBytes(gstrLocationFile), before);
}

TEST_F(frmRegiPlayerTest, AtMost301RegionsAreWrittenAndLaterKeysAreKept) {
    writeHistory(301, 302); // location302 and location303 hold older leftovers
    desk.runModal(d, [&] {
        EXPECT_EQ(d.cobLocation.ListCount(), 303);
        fillValid(d);
        sim::typeText(d.cobLocation, "新天地");
        sim::click(d.btnOK);
    });
    std::vector<std::string> expected{"[PlayerLocation]", "location1=新天地"};
    for (int k = 2; k <= 301; ++k) expected.push_back("location" + std::to_string(k) + "=地" + std::to_string(k - 1));
    expected.push_back("location302=残302");
    expected.push_back("location303=残303");
    expectFile(gstrLocationFile, expected);
}

TEST_F(frmRegiPlayerTest, CancelEscAndTheCloseBoxChangeNothing) {
    writeHistory(2);
    const std::string before = testsupport::readBytes(gstrLocationFile);
    gtypEditPlayer.Name = "元の名前";
    desk.runModal(d, [&] {
        sim::typeText(d.txtName, "新しい名前");
        sim::typeText(d.cobLocation, "新しい地域\t");
        sim::pressKey(d, forms::vbKeyEscape);
    });
    EXPECT_EQ(gintDlgRet, -1);
    frmRegiPlayer byButton;
    desk.runModal(byButton, [&] {
        fillValid(byButton);
        sim::click(byButton.btnCancel);
    });
    EXPECT_EQ(gintDlgRet, -1);
    frmRegiPlayer byCloseBox;
    desk.runModal(byCloseBox, [&] { sim::closeBox(byCloseBox); });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gtypEditPlayer.Name, "元の名前");
    EXPECT_EQ(testsupport::readBytes(gstrLocationFile), before);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(frmRegiPlayerTest, AFailedHistoryWriteIsReportedAndThePlayerStillReturns) {
    desk.runModal(d, [&] {
        fillValid(d);
        sim::typeText(d.cobLocation, "帯広");
        files::fault::arm(files::fault::Kind::Flush, 0, 1, "location");
        sim::click(d.btnOK);
    });
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "ファイルへの書き込みに失敗しました。\r\n" + gstrLocationFile);
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypEditPlayer.Location, "帯広");
    EXPECT_FALSE(files::fileExists(gstrLocationFile));
}

TEST_F(frmRegiPlayerTest, HelpTexts) {
    desk.runModal(d, [&] {
        sim::click(d.btnHelpDate);
        sim::click(d.btnHelpSporMoji);
        sim::closeBox(d);
    });
    ASSERT_EQ(desk.messages().size(), 2u);
    EXPECT_EQ(desk.messages()[0].title, "日付入力ヘルプ");
    const std::string& date = desk.messages()[0].prompt;
    EXPECT_EQ(date.substr(date.rfind("\r\n") + 2),
              text::String(17, "\u3000") + "例). s15/12/3  （昭和15年12月3日の場合）");
    EXPECT_EQ(desk.messages()[1].title, "順ソート文字ヘルプ");
    EXPECT_EQ(desk.messages()[1].prompt,
              "名前の順ソート（並び順判断）に使用します。\r\nひらがなで入力してください。\r\n"
              "名前の先頭１文字か２文字でも入力してください。\r\n長ければそれだけ精度は増します。");
}

TEST(frmRegiPlayerLayout, ControlsLimitsAndTabOrder) {
    frmRegiPlayer d;
    EXPECT_EQ(d.Caption(), "プレイヤー登録/変更");
    EXPECT_EQ(d.ScaleWidth(), 4935);
    EXPECT_EQ(d.ScaleHeight(), 5100);
    EXPECT_EQ(d.StartUpPosition(), forms::vbStartUpOwner);
    EXPECT_EQ(d.txtName.MaxLength(), 128);
    EXPECT_EQ(d.txtSortStr.MaxLength(), 128);
    EXPECT_EQ(d.txtBirthday.MaxLength(), 15);
    EXPECT_EQ(d.txtName.IMEMode(), forms::vbIMEHiragana);
    EXPECT_EQ(d.txtBirthday.IMEMode(), forms::vbIMEDisable);
    EXPECT_EQ(d.cobLocation.IMEMode(), forms::vbIMEHiragana);
    EXPECT_EQ(d.cobBelong.Style(), forms::vbComboDropdownList);
    EXPECT_EQ(d.cobLocation.Style(), forms::vbComboDropdown);
    EXPECT_EQ(d.optGender[1].Left(), 2160); // relative to the frame
    EXPECT_EQ(&d.optGender[1].parent(), static_cast<forms::Container*>(&d.Frame1));
    EXPECT_TRUE(d.btnCancel.Cancel());
    EXPECT_FALSE(d.btnOK.Default());
    const std::vector<forms::Control*> order{&d.txtName, &d.txtSortStr, &d.btnHelpSporMoji, &d.optGender[0],
                                             &d.optGender[1], &d.txtBirthday, &d.btnHelpDate, &d.cobBelong,
                                             &d.cobLocation, &d.btnOK, &d.btnCancel};
    for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i]->TabIndex(), static_cast<int>(i)) << order[i]->Name();
    EXPECT_FALSE(d.btnHelpSporMoji.TabStop());
    EXPECT_FALSE(d.btnHelpDate.TabStop());
}
