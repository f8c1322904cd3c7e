#include "platform/forms/TextEdit.h"

#include "platform/forms/Types.h"
#include "platform/text/Cp932.h"
#include "platform/text/Strings.h"

#include <algorithm>

namespace forms {

void TextEdit::store(std::u16string_view text) {
    text_ = text::fromUtf16(text);
    length_ = static_cast<long>(text.size());
}

std::string TextEdit::selText() const { return text::Mid(text_, selStart_ + 1, selLength_); }

bool TextEdit::setText(std::string_view text) {
    selStart_ = selLength_ = anchor_ = 0;
    if (text == text_) return false;
    text_ = std::string(text);
    length_ = text::Len(text_);
    return true;
}

void TextEdit::select(long start, long length) {
    selStart_ = std::clamp(start, 0L, length_);
    selLength_ = std::clamp(length, 0L, length_ - selStart_);
    anchor_ = selStart_;
}

bool TextEdit::replaceSelection(std::string_view text) {
    std::u16string all = text::toUtf16(text_);
    const std::u16string piece = text::toUtf16(text);
    if (selLength_ == 0 && piece.empty()) return false;
    all.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), piece);
    store(all);
    selStart_ = anchor_ = selStart_ + static_cast<long>(piece.size());
    selLength_ = 0;
    return true;
}

TextEdit::Typed TextEdit::typeChar(char32_t ch) {
    if (!text::isStorable932(ch)) return Typed::Refused;
    if (maxLength_ > 0 && length_ - selLength_ + 1 > maxLength_) return Typed::Full;
    replaceSelection(text::fromCodePoint(ch));
    return Typed::Inserted;
}

bool TextEdit::backspace() {
    if (selLength_ == 0) {
        if (selStart_ == 0) return false;
        --selStart_;
        selLength_ = 1;
    }
    return replaceSelection({});
}

bool TextEdit::deleteForward() {
    if (selLength_ == 0) {
        if (selStart_ >= length_) return false;
        selLength_ = 1;
    }
    return replaceSelection({});
}

void TextEdit::moveCaret(int16_t keyCode, bool extend) {
    // The caret is the end of the selection away from the anchor.
    long caret = selStart_ == anchor_ ? selStart_ + selLength_ : selStart_;
    if (!extend && selLength_ > 0 && (keyCode == vbKeyLeft || keyCode == vbKeyRight)) {
        caret = keyCode == vbKeyLeft ? selStart_ : selStart_ + selLength_;
    } else {
        switch (keyCode) {
        case vbKeyLeft: caret = std::max(0L, caret - 1); break;
        case vbKeyRight: caret = std::min(length_, caret + 1); break;
        case vbKeyHome: caret = 0; break;
        case vbKeyEnd: caret = length_; break;
        default: return;
        }
    }
    if (!extend) anchor_ = caret;
    selStart_ = std::min(anchor_, caret);
    selLength_ = std::max(anchor_, caret) - selStart_;
}

} // namespace forms
