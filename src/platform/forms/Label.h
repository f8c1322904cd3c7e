#pragma once
#include "platform/forms/Control.h"

namespace forms {

class Label : public Control {
public:
    Label(Container& parent, ControlName name, int index = -1);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    // Both at once, measured once: what setFont then setCaption leave.
    void setCaptionAndFont(std::string caption, const Font& font);
    int16_t Alignment() const { return alignment_; } // vbLeftJustify, vbRightJustify, vbCenter
    void setAlignment(int16_t v);
    // Sized to the caption (measured with the installed font metrics) when
    // the caption or font changes; a right-aligned label keeps its right edge.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool v);
    int16_t BackStyle() const { return backStyle_; } // 0 transparent, 1 opaque
    void setBackStyle(int16_t v);
    int16_t BorderStyle() const { return borderStyle_; } // 0 none, 1 fixed single
    void setBorderStyle(int16_t v);

protected:
    void copyFrom(const Control& source) override;
    void fontChanged() override { fitToCaption(); }

private:
    void fitToCaption();
    std::string caption_;
    int16_t alignment_ = vbLeftJustify;
    bool autoSize_ = false, wordWrap_ = false;
    int16_t backStyle_ = 1, borderStyle_ = 0;
};

} // namespace forms
