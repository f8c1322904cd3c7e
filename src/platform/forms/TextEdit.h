#pragma once
#include <string>
#include <string_view>

namespace forms {

// The text and selection of an edit field (text boxes and the edit part of
// drop-down combos). Positions count characters. Code sets text freely;
// typing goes through typeChar, which applies MaxLength and refuses
// characters that code page 932 cannot store.
//
// Undo keeps one step, as the platform's edit boxes do: the text and
// selection before a person's last edit (a run of typed characters, a run
// of deletions, a cut or a paste counts as one). Undoing swaps them with the
// present ones, so a second undo takes the undo back. A change from code
// forgets the step; moving the caret ends a run.
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
    // A cut or the edit menu's Delete: the selection goes.
    bool deleteSelection();
    // Caret keys (Left, Right, Home, End), extending the selection with Shift.
    void moveCaret(int16_t keyCode, bool extend);
    // The edit that follows is a step of its own (a paste starts and ends one).
    void endRun() { run_ = Run::None; }
    bool canUndo() const { return canUndo_; }
    // Swaps the text and selection with the undo step's; true when the text changed.
    bool undo();

private:
    enum class Run { None, Typing, Deleting };
    void store(std::u16string_view text);
    bool replace(std::u16string_view piece);
    // Runs a person's edit, keeping the state before it as the undo step
    // unless it continues the run of the same kind.
    template <class F>
    bool personEdit(Run kind, const F& edit);
    void forgetUndo();
    std::string text_;
    long length_ = 0;
    long selStart_ = 0, selLength_ = 0;
    long anchor_ = 0; // the fixed end of a selection made with Shift
    long maxLength_ = 0;
    std::string undoText_;
    long undoStart_ = 0, undoLength_ = 0;
    bool canUndo_ = false;
    Run run_ = Run::None;
};

} // namespace forms
