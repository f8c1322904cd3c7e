#include "platform/forms/ListControls.h"

#include "platform/text/RuntimeError.h"

#include <algorithm>

namespace forms {

namespace {
constexpr int InvalidCall = 5;         // RemoveItem / AddItem position outside the list
constexpr int InvalidValue = 380;      // ListIndex outside the list
constexpr int InvalidArrayIndex = 381; // List / ItemData / Selected outside the list
constexpr int ReadOnlyText = 383;      // Text of a drop-down list that matches no item
} // namespace

ListControl::ListControl(ControlKind kind, Container& parent, ControlName name, int index)
    : Control(kind, parent, std::move(name), index) {
    setBackColor(vbWindowBackground);
    setForeColor(vbWindowText);
}

void ListControl::checkItem(int index, int error) const {
    if (index < 0 || index >= ListCount()) text::raise(error);
}

void ListControl::AddItem(std::string_view item, int index) {
    if (index < -1 || index > ListCount()) text::raise(InvalidCall);
    const int at = index < 0 ? ListCount() : index;
    items_.insert(items_.begin() + at, Item{std::string(item)});
    newIndex_ = at;
    if (listIndex_ >= at) ++listIndex_;
    changed(Prop::Items);
}

void ListControl::RemoveItem(int index) {
    checkItem(index, InvalidCall);
    items_.erase(items_.begin() + index);
    newIndex_ = -1;
    if (index == listIndex_) {
        listIndex_ = -1;
        selectionMoved();
    } else if (index < listIndex_) {
        --listIndex_;
    }
    changed(Prop::Items);
}

void ListControl::Clear() {
    items_.clear();
    listIndex_ = -1;
    newIndex_ = -1;
    selectionMoved();
    changed(Prop::Items);
}

std::string ListControl::List(int index) const {
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<size_t>(index)].text;
}

void ListControl::setList(int index, std::string_view text) {
    checkItem(index, InvalidArrayIndex);
    items_[static_cast<size_t>(index)].text = std::string(text);
    changed(Prop::Items);
}

int32_t ListControl::ItemData(int index) const {
    checkItem(index, InvalidArrayIndex);
    return items_[static_cast<size_t>(index)].data;
}

void ListControl::setItemData(int index, int32_t value) {
    checkItem(index, InvalidArrayIndex);
    items_[static_cast<size_t>(index)].data = value;
}

void ListControl::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) text::raise(InvalidValue);
    if (index == listIndex_) return;
    listIndex_ = index;
    selectionMoved();
    changed(Prop::ListIndex);
    raise(Click);
}

void ListControl::choose(int index, int16_t Shift) {
    (void)Shift;
    listIndex_ = index;
    selectionMoved();
    changed(Prop::ListIndex);
    raise(Click);
}

void ListControl::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const ListControl&>(source);
    items_ = s.items_;
    listIndex_ = s.listIndex_;
    newIndex_ = s.newIndex_;
}

// ---- ComboBox ----

ComboBox::ComboBox(Container& parent, ControlName name, int index)
    : ListControl(ControlKind::ComboBox, parent, std::move(name), index) {}

void ComboBox::setStyle(int16_t style) {
    style_ = style;
    changed(Prop::Appearance);
}

std::string ComboBox::Text() const {
    if (style_ == vbComboDropdownList) return List(listIndex_);
    return edit_.text();
}

void ComboBox::setText(std::string_view text) {
    if (style_ == vbComboDropdownList) {
        const auto found = std::find_if(items_.begin(), items_.end(), [&](const Item& i) { return i.text == text; });
        if (found == items_.end()) text::raise(ReadOnlyText);
        setListIndex(static_cast<int>(found - items_.begin()));
        return;
    }
    editDone(edit_.setText(text));
}

void ComboBox::setSelStart(long v) {
    edit_.select(v, 0);
    changed(Prop::Selection);
}

void ComboBox::setSelLength(long v) {
    edit_.select(edit_.selStart(), v);
    changed(Prop::Selection);
}

void ComboBox::setIMEMode(int16_t v) {
    if (v == imeMode_) return;
    imeMode_ = v;
    changed(Prop::Behaviour);
}

// A new edit text (typed or set) points ListIndex at the first equal item,
// or -1, without Click.
void ComboBox::editDone(bool textChanged) {
    if (textChanged) {
        const auto found = std::find_if(items_.begin(), items_.end(), [&](const Item& i) { return i.text == edit_.text(); });
        const int match = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
        if (match != listIndex_) {
            listIndex_ = match;
            changed(Prop::ListIndex);
        }
        changed(Prop::Text);
    }
    changed(Prop::Selection);
    if (textChanged) raise(Change);
}

// The edit part of a drop-down combo shows the chosen item, all selected
// (no Change: a choice raises Click). Losing the selection keeps what was typed.
void ComboBox::selectionMoved() {
    if (style_ == vbComboDropdown && listIndex_ >= 0) {
        if (edit_.setText(List(listIndex_))) changed(Prop::Text);
        edit_.select(0, edit_.length());
        changed(Prop::Selection);
    } else if (style_ == vbComboDropdown && items_.empty()) {
        if (edit_.setText({})) changed(Prop::Text);
    }
}

void ComboBox::copyFrom(const Control& source) {
    ListControl::copyFrom(source);
    const auto& s = static_cast<const ComboBox&>(source);
    style_ = s.style_;
    imeMode_ = s.imeMode_;
    edit_.setText(s.edit_.text());
}

// ---- ListBox ----

ListBox::ListBox(Container& parent, ControlName name, int index)
    : ListControl(ControlKind::ListBox, parent, std::move(name), index) {}

void ListBox::setMultiSelect(int16_t v) {
    multiSelect_ = v;
    changed(Prop::Behaviour);
}

bool ListBox::Selected(int index) const {
    checkItem(index, InvalidArrayIndex);
    if (multiSelect_ == vbMultiSelectNone) return index == listIndex_;
    return items_[static_cast<size_t>(index)].selected;
}

void ListBox::setSelected(int index, bool value) {
    checkItem(index, InvalidArrayIndex);
    if (multiSelect_ == vbMultiSelectNone) {
        if (value) setListIndex(index);
        else if (index == listIndex_) setListIndex(-1);
        return;
    }
    auto& item = items_[static_cast<size_t>(index)];
    if (item.selected == value) return;
    item.selected = value;
    changed(Prop::ListIndex);
    raise(Click);
}

int ListBox::SelCount() const {
    if (multiSelect_ == vbMultiSelectNone) return listIndex_ >= 0 ? 1 : 0;
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; }));
}

void ListBox::setTopIndex(int v) {
    v = std::clamp(v, 0, std::max(0, ListCount() - 1));
    if (v == topIndex_) return;
    topIndex_ = v;
    changed(Prop::TopIndex);
}

// A person's choice: in an extended list a plain click selects only the
// item, Ctrl toggles it and Shift selects the range from the anchor; in a
// simple list a click toggles.
void ListBox::choose(int index, int16_t Shift) {
    if (multiSelect_ == vbMultiSelectNone) {
        ListControl::choose(index, Shift);
        return;
    }
    auto& item = items_[static_cast<size_t>(index)];
    if (multiSelect_ == vbMultiSelectSimple || (Shift & vbCtrlMask)) {
        item.selected = !item.selected;
        anchor_ = index;
    } else if ((Shift & vbShiftMask) && anchor_ >= 0 && anchor_ < ListCount()) {
        const int low = std::min(anchor_, index), high = std::max(anchor_, index);
        for (int i = 0; i < ListCount(); ++i) items_[static_cast<size_t>(i)].selected = i >= low && i <= high;
    } else {
        for (auto& i : items_) i.selected = false;
        item.selected = true;
        anchor_ = index;
    }
    listIndex_ = index;
    changed(Prop::ListIndex);
    raise(Click);
}

void ListBox::selectionMoved() {
    if (ListCount() == 0) topIndex_ = 0;
    else topIndex_ = std::min(topIndex_, ListCount() - 1);
}

void ListBox::copyFrom(const Control& source) {
    ListControl::copyFrom(source);
    const auto& s = static_cast<const ListBox&>(source);
    multiSelect_ = s.multiSelect_;
    topIndex_ = s.topIndex_;
}

} // namespace forms
