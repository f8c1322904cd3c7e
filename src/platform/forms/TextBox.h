#pragma once
#include "platform/forms/Control.h"
#include "platform/forms/TextEdit.h"

#include <string_view>

namespace forms {

// A single-line text box. Text set from code raises Change (when it differs)
// and is never cut by MaxLength, which limits typing only. Typed characters
// that code page 932 cannot store are refused with a beep.
class TextBox : public Control {
public:
    TextBox(Container& parent, ControlName name, int index = -1);

    const std::string& Text() const { return edit_.text(); }
    void setText(std::string_view text);
    // Selection in characters.
    long SelStart() const { return edit_.selStart(); }
    void setSelStart(long v);
    long SelLength() const { return edit_.selLength(); }
    void setSelLength(long v);
    std::string SelText() const { return edit_.selText(); }
    void setSelText(std::string_view text); // replaces the selection (raises Change)
    long MaxLength() const { return edit_.maxLength(); } // characters; 0 = no limit
    void setMaxLength(long v);
    int16_t Alignment() const { return alignment_; }
    void setAlignment(int16_t v);
    int16_t IMEMode() const { return imeMode_; }
    void setIMEMode(int16_t v);

    Handler Change;

    // The editing state, for the input pipeline.
    TextEdit& edit() { return edit_; }
    // Applies an edit made by the input pipeline: pushes and raises Change.
    void editDone(bool textChanged);

protected:
    void copyFrom(const Control& source) override;

private:
    TextEdit edit_;
    int16_t alignment_ = vbLeftJustify;
    int16_t imeMode_ = vbIMENoControl;
};

} // namespace forms
