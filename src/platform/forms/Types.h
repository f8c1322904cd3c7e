#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Values shared by every part of the forms layer: units, colours, fonts, the
// platform's constants (message-box flags and answers, key codes, mouse
// pointers, unload modes) and the kinds of controls.
namespace forms {

// Geometry is in twips: 1440 per inch, 15 per pixel (96 dpi logical).
constexpr int32_t TwipsPerPixel = 15;

// A colour as the platform keeps it: an RGB value 0x00BBGGRR (red in the low
// byte), or a system colour 0x800000nn (nn = the system colour index).
using Color = uint32_t;
constexpr Color RGB(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr bool isSystemColor(Color c) { return (c & 0x80000000u) != 0; }
constexpr Color vbWhite = 0xFFFFFF;
constexpr Color vbBlack = 0;
constexpr Color vbButtonFace = 0x8000000F;
constexpr Color vbHighlight = 0x8000000D;
constexpr Color vbHighlightText = 0x8000000E;
constexpr Color vbGrayText = 0x80000011;
constexpr Color vbButtonText = 0x80000012;
constexpr Color vbWindowBackground = 0x80000005;
constexpr Color vbWindowText = 0x80000008;

// A font's face name. Every control and every drawing carries a font, and a
// program uses only a few face names: each is kept once, so making a control
// or copying its font copies a pointer instead of allocating the name anew.
class FontName {
public:
    FontName() : kept_(&designDefault()) {}
    FontName(std::string_view name) : kept_(&keep(name)) {}
    FontName(const std::string& name) : FontName(std::string_view(name)) {}
    FontName(const char* name) : FontName(std::string_view(name)) {}

    const std::string& str() const { return *kept_; }
    operator const std::string&() const { return *kept_; }
    // Names kept once compare as their places.
    bool operator==(const FontName& other) const { return kept_ == other.kept_; }

private:
    static const std::string& keep(std::string_view name);
    static const std::string& designDefault();
    const std::string* kept_;
};

struct Font {
    FontName Name; // "ＭＳ Ｐゴシック" unless given
    double Size = 9; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    // The width of the glyphs in percent of their design width: below 100
    // the text is drawn condensed (and measures narrower).
    int Stretch = 100;
    bool operator==(const Font&) const = default;

    // The narrowest a text is condensed to where it is drawn condensed to
    // fit its place; narrower, it no longer reads well.
    static constexpr int LeastStretch = 75;
};

// Message boxes: buttons, icons and default-button flags, and the answers.
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
constexpr int vbDefaultButton1 = 0;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// Show: modeless or modal.
constexpr int vbModeless = 0;
constexpr int vbModal = 1;

// Why a form is being unloaded (Form_QueryUnload's UnloadMode).
constexpr int16_t vbFormControlMenu = 0; // the close box
constexpr int16_t vbFormCode = 1;        // Unload from code
constexpr int16_t vbAppWindows = 2;      // the desktop session ends
constexpr int16_t vbAppTaskManager = 3;
constexpr int16_t vbFormOwner = 5;

// Window states.
constexpr int16_t vbNormal = 0;
constexpr int16_t vbMinimized = 1;
constexpr int16_t vbMaximized = 2;

// Form border styles.
constexpr int16_t vbBSNone = 0;
constexpr int16_t vbFixedSingle = 1;
constexpr int16_t vbSizable = 2;
constexpr int16_t vbFixedDialog = 3;

// Start-up positions.
constexpr int16_t vbStartUpManual = 0;
constexpr int16_t vbStartUpOwner = 1;
constexpr int16_t vbStartUpScreen = 2;
constexpr int16_t vbStartUpWindowsDefault = 3;

// Mouse pointers.
constexpr int16_t vbDefault = 0;
constexpr int16_t vbArrow = 1;
constexpr int16_t vbSizeWE = 9;
constexpr int16_t vbHourglass = 11;

// Mouse buttons and shift states.
constexpr int16_t vbLeftButton = 1;
constexpr int16_t vbRightButton = 2;
constexpr int16_t vbMiddleButton = 4;
constexpr int16_t vbShiftMask = 1;
constexpr int16_t vbCtrlMask = 2;
constexpr int16_t vbAltMask = 4;

// Key codes of KeyDown/KeyUp (virtual keys; letters and digits are their
// upper-case ASCII codes).
constexpr int16_t vbKeyBack = 8;
constexpr int16_t vbKeyTab = 9;
constexpr int16_t vbKeyReturn = 13;
constexpr int16_t vbKeyShift = 16;
constexpr int16_t vbKeyControl = 17;
constexpr int16_t vbKeyEscape = 27;
constexpr int16_t vbKeySpace = 32;
constexpr int16_t vbKeyPageUp = 33;
constexpr int16_t vbKeyPageDown = 34;
constexpr int16_t vbKeyEnd = 35;
constexpr int16_t vbKeyHome = 36;
constexpr int16_t vbKeyLeft = 37;
constexpr int16_t vbKeyUp = 38;
constexpr int16_t vbKeyRight = 39;
constexpr int16_t vbKeyDown = 40;
constexpr int16_t vbKeyDelete = 46;
constexpr int16_t vbKeyF1 = 112;
constexpr int16_t vbKeyF8 = 119;
constexpr int16_t vbKeyF9 = 120;
constexpr int16_t vbKeyF12 = 123;

// Text alignment of labels and text boxes.
constexpr int16_t vbLeftJustify = 0;
constexpr int16_t vbRightJustify = 1;
constexpr int16_t vbCenter = 2;

// Input-method modes of text boxes and combos.
constexpr int16_t vbIMENoControl = 0;
constexpr int16_t vbIMEOff = 2;
constexpr int16_t vbIMEDisable = 3;
constexpr int16_t vbIMEHiragana = 4;

// Check-box values.
constexpr int16_t vbUnchecked = 0;
constexpr int16_t vbChecked = 1;
constexpr int16_t vbGrayed = 2;

enum class ControlKind {
    Label, TextBox, ComboBox, ListBox, CheckBox, OptionButton, CommandButton, Frame,
    PictureBox, Image, Line, Shape, HScrollBar, VScrollBar, Timer, Menu, TabStrip, UserControl,
};

// Kinds that can hold the focus; they alone have a place in the tab order.
constexpr bool takesFocus(ControlKind k) {
    switch (k) {
    case ControlKind::TextBox: case ControlKind::ComboBox: case ControlKind::ListBox:
    case ControlKind::CheckBox: case ControlKind::OptionButton: case ControlKind::CommandButton:
    case ControlKind::PictureBox: case ControlKind::HScrollBar: case ControlKind::VScrollBar:
    case ControlKind::TabStrip: case ControlKind::UserControl:
        return true;
    default:
        return false;
    }
}

// What changed on a control, as pushed to the live widgets of a shown form.
// The backend reads the new values from the model.
enum class Prop {
    Caption,    // Caption of labels, buttons, frames, check and option boxes, menus
    Text,       // Text of text boxes and drop-down combos
    Selection,  // SelStart / SelLength
    Geometry,   // Left, Top, Width, Height; X1..Y2 of lines
    Visible,
    Enabled,
    Font,
    ForeColor,
    BackColor,
    Appearance, // alignment, border, fill, shape, back style and other looks
    ZOrder,     // the order of the container's children changed
    TabOrder,
    MousePointer,
    Items,      // list items added, removed, renamed or cleared
    ListIndex,  // the selected item (and multi-selection) of lists
    TopIndex,
    Value,      // check-box and option values, scroll-bar values, menu Checked
    Range,      // scroll-bar Min, Max, SmallChange, LargeChange
    Tabs,       // tab strip: tabs added, removed, captions, selected tab
    Picture,
    Behaviour,  // MaxLength, IMEMode, Default, Cancel, TabStop and similar
};

// What changed on a shown form.
enum class FormProp {
    Caption, Geometry, WindowState, BackColor, Font, Focus, MousePointer, Appearance,
    Raise, // bring the window to the front and activate it (best effort)
};

} // namespace forms
