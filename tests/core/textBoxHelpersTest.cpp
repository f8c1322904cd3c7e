#include "core/textBoxHelpers.h"

#include "platform/forms/Forms.h"
#include "platform/forms/testing/TestDesktop.h"

#include <gtest/gtest.h>

namespace {

// A dialog with a digits-only box whose Enter moves on, as the entry dialogs do.
class NumberDialog : public forms::Form {
public:
    NumberDialog() : Form("NumberDialog") {
        txtNumber.KeyPress = [this](int16_t& KeyAscii) { txtNumber_KeyPress(KeyAscii); };
        txtNumber.GotFocus = [this] { gsTextSelectAll(txtNumber); };
    }
    forms::TextBox txtNumber{*this, "txtNumber"};
    forms::CommandButton btnDelete{*this, "btnDelete"};
    forms::TextBox txtNext{*this, "txtNext"};

private:
    void txtNumber_KeyPress(int16_t& KeyAscii) {
        gsKeyNumOnly(KeyAscii);
        if (KeyAscii == 13) {
            KeyAscii = 0;
            sendTab();
        }
    }
};

TEST(gsKeyNumOnly, LetsDigitsBackspaceAndEnterThroughAndDropsTheRestWithABeep) {
    forms::doubles::TestDesktop desk;
    const struct {
        int16_t in, out;
    } cases[] = {{'0', '0'}, {'5', '5'}, {'9', '9'}, {8, 8}, {13, 13}, {'a', 0}, {'/', 0}, {':', 0}, {22, 0}, {-32096, 0}};
    long beeps = 0;
    for (auto c : cases) {
        int16_t k = c.in;
        gsKeyNumOnly(k);
        EXPECT_EQ(k, c.out) << c.in;
        if (c.out == 0) ++beeps;
        EXPECT_EQ(desk.beeps(), beeps) << c.in;
    }
}

TEST(gsKeyNumOnly, TypingIntoANumberBoxKeepsDigitsAndEnterMovesOn) {
    forms::doubles::TestDesktop desk;
    NumberDialog f;
    f.btnDelete.setTabStop(false);
    f.Show();
    forms::sim::typeText(f.txtNumber, "1a2\r");
    EXPECT_EQ(f.txtNumber.Text(), "12");
    EXPECT_EQ(desk.beeps(), 1);
    EXPECT_EQ(f.ActiveControl(), &f.txtNext); // the button is no tab stop
}

TEST(gsTextSelectAll, SelectsTheWholeTextInCharacters) {
    forms::doubles::TestDesktop desk;
    NumberDialog f;
    f.txtNumber.setText("平成22年");
    f.Show(); // the box gets the focus and selects all
    EXPECT_EQ(f.txtNumber.SelStart(), 0);
    EXPECT_EQ(f.txtNumber.SelLength(), 5);
    forms::sim::typeText(f.txtNumber, "7");
    EXPECT_EQ(f.txtNumber.Text(), "7");
}

} // namespace
