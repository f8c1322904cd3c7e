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

void TextEdit::forgetUndo() {
    canUndo_ = false;
    run_ = Run::None;
    undoText_.clear();
}

template <class F>
bool TextEdit::personEdit(Run kind, const F& edit) {
    const bool continues = canUndo_ && kind != Run::None && run_ == kind;
    std::string before = continues ? std::string() : text_;
    const long start = selStart_, length = selLength_;
    if (!edit()) return false;
    if (!continues) {
        undoText_ = std::move(before);
        undoStart_ = start;
        undoLength_ = length;
        canUndo_ = true;
    }
    run_ = kind;
    return true;
}

bool TextEdit::undo() {
    if (!canUndo_) return false;
    run_ = Run::None;
    std::swap(text_, undoText_);
    length_ = text::Len(text_);
    std::swap(selStart_, undoStart_);
    std::swap(selLength_, undoLength_);
    anchor_ = selStart_;
    return text_ != undoText_;
}

bool TextEdit::setText(std::string_view text) {
    forgetUndo();
    selStart_ = selLength_ = anchor_ = 0;
    if (text == text_) return false;
    text_ = std::string(text);
    length_ = text::Len(text_);
    return true;
}

void TextEdit::select(long start, long length) {
    run_ = Run::None;
    selStart_ = std::clamp(start, 0L, length_);
    selLength_ = std::clamp(length, 0L, length_ - selStart_);
    anchor_ = selStart_;
}

bool TextEdit::replaceSelection(std::string_view text) {
    const bool changed = replace(text::toUtf16(text));
    if (changed) forgetUndo();
    return changed;
}

bool TextEdit::replace(std::u16string_view piece) {
    if (selLength_ == 0 && piece.empty()) return false;
    std::u16string all = text::toUtf16(text_);
    all.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), piece);
    store(all);
    selStart_ = anchor_ = selStart_ + static_cast<long>(piece.size());
    selLength_ = 0;
    return true;
}

TextEdit::Typed TextEdit::typeChar(char32_t ch) {
    if (!text::isStorable932(ch)) return Typed::Refused;
    if (maxLength_ > 0 && length_ - selLength_ + 1 > maxLength_) return Typed::Full;
    personEdit(Run::Typing, [&] { return replace(text::toUtf16(text::fromCodePoint(ch))); });
    return Typed::Inserted;
}

bool TextEdit::backspace() {
    if (selLength_ == 0 && selStart_ == 0) return false;
    return personEdit(Run::Deleting, [&] {
        if (selLength_ == 0) {
            --selStart_;
            selLength_ = 1;
        }
        return replace({});
    });
}

bool TextEdit::deleteForward() {
    if (selLength_ == 0 && selStart_ >= length_) return false;
    return personEdit(Run::Deleting, [&] {
        if (selLength_ == 0) selLength_ = 1;
        return replace({});
    });
}

bool TextEdit::deleteSelection() {
    return personEdit(Run::None, [&] { return replace({}); });
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
    run_ = Run::None;
    if (!extend) anchor_ = caret;
    selStart_ = std::min(anchor_, caret);
    selLength_ = std::max(anchor_, caret) - selStart_;
}

} // namespace forms
