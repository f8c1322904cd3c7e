#pragma once
#include "platform/forms/Forms.h"
#include "platform/forms/testing/TestDesktop.h"

#include <functional>
#include <utility>
#include <string>
#include <vector>

// A test-only window holding every kind of control. Every event of every
// control is written to `events` as "name:Event" ("name(i):Event" for array
// elements), so a test reads the order in which the layer raised them.
class AllControls : public forms::Form {
public:
    AllControls();

    std::vector<std::string> events;
    std::vector<std::string> take() { return std::exchange(events, {}); }

    forms::Menu mnuFile{*this, "mnuFile"};
    forms::Menu mnuFile_Exit{mnuFile, "mnuFile_Exit"};
    forms::TextBox txtA{*this, "txtA"};
    forms::TextBox txtB{*this, "txtB"};
    forms::ComboBox cobList{*this, "cobList"};
    forms::ComboBox cobEdit{*this, "cobEdit"};
    forms::ListBox lstSingle{*this, "lstSingle"};
    forms::ListBox lstMulti{*this, "lstMulti"};
    forms::CheckBox chkA{*this, "chkA"};
    forms::Frame fraOne{*this, "fraOne"};
    forms::ControlArray<forms::OptionButton> optOne{fraOne, "optOne", 2};
    forms::Frame fraTwo{*this, "fraTwo"};
    forms::ControlArray<forms::OptionButton> optTwo{fraTwo, "optTwo", 2};
    forms::CommandButton btnOK{*this, "btnOK"};
    forms::CommandButton btnCancel{*this, "btnCancel"};
    forms::PictureBox picBox{*this, "picBox"};
    forms::Label lblA{*this, "lblA"};
    forms::ControlArray<forms::Label> lblArr{*this, "lblArr", {0, 3}};
    forms::Image imgA{*this, "imgA"};
    forms::Line linA{*this, "linA"};
    forms::Shape shpA{*this, "shpA"};
    forms::HScrollBar hscA{*this, "hscA"};
    forms::VScrollBar vscA{*this, "vscA"};
    forms::Timer timA{*this, "timA"};
    forms::TabStrip tabBody{*this, "tabBody"};

    // Optional behaviour of the form's own handlers.
    std::function<void()> onLoad;
    std::function<void(int16_t& Cancel, int16_t UnloadMode)> onQueryUnload;
    std::function<void(int16_t& KeyCode, int16_t Shift)> onKeyDown;

protected:
    void Form_Load() override;
    void Form_Activate() override { events.push_back("Form:Activate"); }
    void Form_Resize() override { events.push_back("Form:Resize"); }
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
    void Form_Unload(int16_t&) override { events.push_back("Form:Unload"); }
    void Form_KeyDown(int16_t& KeyCode, int16_t Shift) override;
    void Form_KeyPress(int16_t& KeyAscii) override { events.push_back("Form:KeyPress " + std::to_string(KeyAscii)); }

private:
    void log(forms::Control& c);
    template <class T>
    void logArray(forms::ControlArray<T>& array);
};

inline std::string nameOf(const forms::Control& c) {
    return c.Index() < 0 ? c.Name() : c.Name() + "(" + std::to_string(c.Index()) + ")";
}

inline void AllControls::log(forms::Control& c) {
    forms::Control* p = &c;
    auto add = [this, p](const std::string& e) { events.push_back(nameOf(*p) + ":" + e); };
    c.Click = [add] { add("Click"); };
    c.DblClick = [add] { add("DblClick"); };
    c.GotFocus = [add] { add("GotFocus"); };
    c.LostFocus = [add] { add("LostFocus"); };
    c.KeyDown = [add](int16_t& k, int16_t) { add("KeyDown " + std::to_string(k)); };
    c.KeyPress = [add](int16_t& k) { add("KeyPress " + std::to_string(k)); };
    c.MouseDown = [add](int16_t, int16_t, double, double) { add("MouseDown"); };
    c.MouseUp = [add](int16_t, int16_t, double, double) { add("MouseUp"); };
}

// Wired through ControlArray::on, so elements loaded later log too.
template <class T>
void AllControls::logArray(forms::ControlArray<T>& array) {
    using forms::Control;
    const std::string name = array[array.LBound()].Name();
    auto add = [this, name](int Index, const std::string& e) {
        events.push_back(name + "(" + std::to_string(Index) + "):" + e);
    };
    array.on(&Control::Click, [add](int i) { add(i, "Click"); });
    array.on(&Control::DblClick, [add](int i) { add(i, "DblClick"); });
    array.on(&Control::GotFocus, [add](int i) { add(i, "GotFocus"); });
    array.on(&Control::LostFocus, [add](int i) { add(i, "LostFocus"); });
    array.on(&Control::KeyDown, [add](int i, int16_t& k, int16_t) { add(i, "KeyDown " + std::to_string(k)); });
    array.on(&Control::KeyPress, [add](int i, int16_t& k) { add(i, "KeyPress " + std::to_string(k)); });
    array.on(&Control::MouseDown, [add](int i, int16_t, int16_t, double, double) { add(i, "MouseDown"); });
    array.on(&Control::MouseUp, [add](int i, int16_t, int16_t, double, double) { add(i, "MouseUp"); });
}

inline AllControls::AllControls() : Form("AllControls") {
    setClientSize(9000, 6000);
    for (forms::Control* c : std::vector<forms::Control*>{&txtA, &txtB, &cobList, &cobEdit, &lstSingle, &lstMulti, &chkA,
                                                          &btnOK, &btnCancel, &picBox, &lblA, &imgA, &hscA, &vscA,
                                                          &tabBody, &mnuFile_Exit})
        log(*c);
    logArray(optOne);
    logArray(optTwo);
    logArray(lblArr);
    txtA.Change = [this] { events.push_back("txtA:Change"); };
    cobEdit.Change = [this] { events.push_back("cobEdit:Change"); };
    hscA.Change = [this] { events.push_back("hscA:Change"); };
    timA.Tick = [this] { events.push_back("timA:Timer"); };
    cobList.setStyle(forms::vbComboDropdownList);
    lstMulti.setMultiSelect(forms::vbMultiSelectExtended);
    btnCancel.setCancel(true);
    for (forms::Control* c : std::vector<forms::Control*>{&txtA, &txtB, &cobList, &cobEdit, &lstSingle, &lstMulti, &chkA,
                                                          &fraOne, &fraTwo, &btnOK, &btnCancel, &picBox, &lblA, &imgA,
                                                          &hscA, &vscA, &tabBody})
        c->Move(0, 0, 1200, 330);
    for (auto* array : {&optOne, &optTwo})
        for (auto& o : *array) o.Move(0, 0, 1200, 330);
}

inline void AllControls::Form_Load() {
    events.push_back("Form:Load");
    if (onLoad) onLoad();
}

inline void AllControls::Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) {
    events.push_back("Form:QueryUnload " + std::to_string(UnloadMode));
    if (onQueryUnload) onQueryUnload(Cancel, UnloadMode);
}

inline void AllControls::Form_KeyDown(int16_t& KeyCode, int16_t Shift) {
    events.push_back("Form:KeyDown " + std::to_string(KeyCode));
    if (onKeyDown) onKeyDown(KeyCode, Shift);
}

using Events = std::vector<std::string>;
