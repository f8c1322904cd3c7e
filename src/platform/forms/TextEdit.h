#pragma once
#include <string>
#include <string_view>

namespace forms {

// The text and selection of an edit field (text boxes and the edit part of
// drop-down combos). Positions count characters. Code sets text freely;
// typing goes through typeChar, which applies MaxLength and refuses
// characters that code page 932 cannot store.
class TextEdit {
public:
    enum class Typed { Inserted, Refused, Full };

    const std::string& text() const { return text_; }
    long length() const { return length_; }
    long selStart() const { return selStart_; }
    long selLength() const { return selLength_; }
    std::string selText() const;
    long maxLength() const { return maxLength_; }
    void setMaxLength(long v) { maxLength_ = v < 0 ? 0 : v; }

    // From code: the whole text, caret at the start. True when it changed.
    bool setText(std::string_view text);
    // Selection, clamped into the text.
    void select(long start, long length);
    // Replaces the selection (code: no length limit). True when the text changed.
    bool replaceSelection(std::string_view text);
    // One typed character in place of the selection.
    Typed typeChar(char32_t ch);
    // Backspace and Delete; true when the text changed.
    bool backspace();
    bool deleteForward();
    // Caret keys (Left, Right, Home, End), extending the selection with Shift.
    void moveCaret(int16_t keyCode, bool extend);

private:
    void store(std::u16string_view text);
    std::string text_;
    long length_ = 0;
    long selStart_ = 0, selLength_ = 0;
    long anchor_ = 0; // the fixed end of a selection made with Shift
    long maxLength_ = 0;
};

} // namespace forms
