#pragma once
#include "platform/forms/Control.h"

#include <string>
#include <vector>

namespace forms {

// A tab strip (not a container: the controls it frames are its siblings laid
// over its client area). Tabs count from 1. Clearing and adding tabs raises
// nothing (the first tab added becomes the selected one); selecting a tab
// from code raises Click every time, the selected tab included.
class TabStrip : public Control {
public:
    TabStrip(Container& parent, ControlName name, int index = -1);

    void TabsClear();
    // Inserts a tab at position `index` (1-based; 0 appends).
    void TabsAdd(int index, std::string caption);
    void TabsRemove(int index);
    int TabsCount() const { return static_cast<int>(tabs_.size()); }
    const std::string& TabCaption(int index) const;
    void setTabCaption(int index, std::string caption);
    // The selected tab's index; 0 when there are no tabs.
    int SelectedIndex() const { return selected_; }
    // Tabs(index).Selected = True.
    void SelectTab(int index);

    // The area inside the tab frame, in the container's coordinates.
    static constexpr double TabRowHeight = 360; // 24 pixels
    static constexpr double FrameInset = 30;    // 2 pixels
    double ClientLeft() const { return Left() + FrameInset; }
    double ClientTop() const { return Top() + TabRowHeight + FrameInset; }
    double ClientWidth() const;
    double ClientHeight() const;

protected:
    void copyFrom(const Control& source) override;

private:
    void checkTab(int index) const;
    std::vector<std::string> tabs_;
    int selected_ = 0;
};

} // namespace forms
