#pragma once
#include "platform/forms/Control.h"
#include "platform/forms/TextEdit.h"

#include <string_view>
#include <vector>

namespace forms {

// What combo boxes and list boxes share: unsorted items with 32-bit item
// data. AddItem never selects; removing the selected item leaves -1; setting
// ListIndex from code raises Click at once unless the value is unchanged.
class ListControl : public Control {
public:
    // Appends, or inserts at `index` (0 = the top).
    void AddItem(std::string_view item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    // "" outside the list.
    std::string List(int index) const;
    void setList(int index, std::string_view text);
    int32_t ItemData(int index) const;
    void setItemData(int index, int32_t value);
    // The position of the item added last; -1 when none.
    int NewIndex() const { return newIndex_; }
    int ListIndex() const { return listIndex_; }
    void setListIndex(int index);

    // A person's choice (the input pipeline): Click even for the same item.
    virtual void choose(int index, int16_t Shift);

protected:
    ListControl(ControlKind kind, Container& parent, ControlName name, int index);
    void copyFrom(const Control& source) override;
    void checkItem(int index, int error) const;
    // Hooks for the kinds: the selection moved (code or person).
    virtual void selectionMoved() {}

    struct Item {
        std::string text;
        int32_t data = 0;
        bool selected = false;
    };
    std::vector<Item> items_;
    int listIndex_ = -1;
    int newIndex_ = -1;
};

constexpr int16_t vbComboDropdown = 0;     // drop-down combo: typing allowed
constexpr int16_t vbComboDropdownList = 2; // drop-down list: choice only

class ComboBox : public ListControl {
public:
    ComboBox(Container& parent, ControlName name, int index = -1);

    int16_t Style() const { return style_; }
    void setStyle(int16_t style);
    // Drop-down list: the chosen item's text. Drop-down combo: the edit text;
    // a new text (set or typed) raises Change and points ListIndex at the
    // first equal item (or -1) without Click; choosing an item shows its text
    // all selected, without Change. Setting the text of a drop-down list chooses the equal
    // item (Click when it moves) and raises error 383 when there is none.
    std::string Text() const;
    void setText(std::string_view text);
    long SelStart() const { return edit_.selStart(); }
    void setSelStart(long v);
    long SelLength() const { return edit_.selLength(); }
    void setSelLength(long v);
    int16_t IMEMode() const { return imeMode_; }
    void setIMEMode(int16_t v);

    Handler Change;

    // The edit part, for the input pipeline (drop-down combos).
    TextEdit& edit() { return edit_; }
    void editDone(bool textChanged);

protected:
    void copyFrom(const Control& source) override;
    void selectionMoved() override;

private:
    int16_t style_ = vbComboDropdown;
    int16_t imeMode_ = vbIMENoControl;
    TextEdit edit_;
};

constexpr int16_t vbMultiSelectNone = 0;
constexpr int16_t vbMultiSelectSimple = 1;
constexpr int16_t vbMultiSelectExtended = 2;

class ListBox : public ListControl {
public:
    ListBox(Container& parent, ControlName name, int index = -1);

    int16_t MultiSelect() const { return multiSelect_; }
    void setMultiSelect(int16_t v);
    // In a multi-select list, setting an item's state from code raises Click
    // when it changes. In a single-selection list Selected(i) = true is
    // ListIndex = i.
    bool Selected(int index) const;
    void setSelected(int index, bool value);
    int SelCount() const;
    // The first item shown.
    int TopIndex() const { return topIndex_; }
    void setTopIndex(int v);
    std::string Text() const { return List(listIndex_); }

    void choose(int index, int16_t Shift) override;

protected:
    void copyFrom(const Control& source) override;
    void selectionMoved() override;

private:
    int16_t multiSelect_ = vbMultiSelectNone;
    int topIndex_ = 0;
    int anchor_ = -1; // the fixed end of a Shift range
};

} // namespace forms
