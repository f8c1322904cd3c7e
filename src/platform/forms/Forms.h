#pragma once
// The forms layer: windows and controls as a plain C++ model (no Qt), with
// the platform's events, focus and keys; message boxes, modal windows and
// the other desktop services behind injectable interfaces; and a simulation
// API that drives windows headless through the same input pipeline the real
// window system uses.
//
// WRITING A WINDOW
//   class frmPeriod : public forms::Form {
//   public:
//       frmPeriod();
//       forms::TextBox txtFromDate{*this, "txtFromDate"};
//       forms::Frame Frame1{*this, "Frame1"};
//       forms::ControlArray<forms::OptionButton> optGender{Frame1, "optGender", 2};
//       forms::CommandButton btnOK{*this, "btnOK"};
//   private:
//       void Form_Load() override;                      // Form_ handlers are virtuals
//       void txtFromDate_KeyPress(int16_t& KeyAscii);
//       void optGender_Click(int Index);
//   };
//   frmPeriod::frmPeriod() : Form("frmPeriod", forms::Font{"ＭＳ Ｐゴシック", 11.25}) {
//       setCaption("期間"); setBorderStyle(forms::vbFixedDialog); setClientSize(5205, 2145);
//       txtFromDate.Move(1200, 240, 1800, 330);
//       txtFromDate.KeyPress = [this](int16_t& k) { txtFromDate_KeyPress(k); };
//       optGender.on(&forms::Control::Click, [this](int Index) { optGender_Click(Index); });
//   }
// - Controls are members constructed with their parent (the form, a Frame,
//   PictureBox, UserControl, or Menu for sub-menus) and a name; array
//   elements carry an Index. Collection order = construction order, then
//   elements loaded at run time. The tab order starts as construction order
//   (setTabIndex renumbers). A control's font starts as its container's
//   (the form's design font is given to the Form constructor).
// - Geometry is double twips relative to the container; colours are
//   0x00BBGGRR or system colours 0x800000nn (forms::RGB, vbButtonFace ...).
// - Control events are forms::Event members (Click, DblClick, GotFocus,
//   LostFocus, KeyDown, KeyPress, KeyUp, MouseDown/Move/Up on every control;
//   Change on TextBox/ComboBox/ScrollBar; Tick on Timer; Paint on PictureBox
//   and UserControl), set and tested like a std::function.
//   forms::raise(handler, args...) raises an optional one.
// - Form handlers are virtuals: Form_Load, Form_Activate, Form_Deactivate,
//   Form_Resize, Form_QueryUnload(Cancel, UnloadMode), Form_Unload(Cancel),
//   Form_KeyDown/KeyPress/KeyUp (with KeyPreview the form sees keys first).
//
// RULES KEPT BY THE LAYER (whatever the cause: code, simulation, real input)
// - ListIndex set from code raises Click at once, unless unchanged; AddItem
//   never selects; removing the selected item leaves -1; a person's choice
//   raises Click even for the same item. Text set from code raises Change
//   when it differs; MaxLength limits typing only. Check-box Value and an
//   option's Value (true) raise Click when they change; an option clears the
//   others of its container silently. Scroll-bar Min/Max/Value raise Change
//   synchronously. TabStrip::SelectTab always raises Click; TabsClear and
//   TabsAdd raise nothing.
// - Keys: Tab moves the focus; Enter clicks the Default button, Esc the
//   Cancel button (where one exists); otherwise KeyDown, KeyPress (per typed
//   character; KeyAscii = 0 drops it; non-ASCII characters arrive as their
//   code page 932 code, unstorable ones are refused with a beep), then the
//   control's own action; KeyUp. Enter or Space clicks a focused button.
//   Form::sendTab() moves to the next tab stop after the handler returns.
// - Focus: LostFocus/GotFocus only within a window; a SetFocus made inside
//   LostFocus redirects the move and the input that caused it is dropped
//   (no loop). Pressing a Cancel button and the close box run no LostFocus.
// - Mouse: press, release, Click; a double click is press, release, Click,
//   DblClick, release. The pressed control keeps the mouse until release.
// - Errors: input entry points (Form::dispatch..., forms::sim) are event
//   boundaries: an exception no handler traps is shown in one MsgBox titled
//   "エラー" (vbCritical, the description as text) and the window stays
//   usable. Errors of code-driven calls (Load, Show, property setters)
//   reach their caller.
//
// LIFE OF A FORM
//   Load (Form_Load once) → Show(vbModeless | vbModal, owner): Form_Resize
//   on first show, Form_Activate, GotFocus of the first tab stop; a modal
//   Show returns when the form hides or unloads. Hide keeps it loaded.
//   Unload: Form_QueryUnload(Cancel, vbFormCode) → Form_Unload(Cancel) →
//   hidden, run-time array elements removed. The close box is
//   dispatchClose(vbFormControlMenu). Properties persist: open a fresh
//   instance for a fresh window.
//
// COMPOSITE CONTROLS (the grid)
//   class uctMyGrid : public forms::UserControl {
//       forms::PictureBox picBody{*this, "picBody"};
//       forms::ControlArray<uctMGRow> rows{picBody, "uctMGRow", {0}};
//   public:
//       uctMyGrid(forms::Container& parent, forms::ControlName name, int index = -1);
//       forms::Event<void(int32_t col, int32_t row)> MGCellClick;   // own events
//   protected:
//       void UserControl_Resize() override;
//   };
//   ControlArray<T>::Load(n) makes a hidden copy of element 0's current
//   properties (T needs T(Container&, std::string, int)); Unload(n) removes
//   a run-time element. A user control's insides form its own Controls()
//   and tab order. PictureBox/UserControl offer surface() for a drawing
//   surface (Printing.h: forms::Picture) and a Paint event.
//
// SERVICES (Services.h): MsgBox(prompt, flags, title) with vb* flags and
//   answers; Screen::TwipsPerPixelX/Y, Width/Height, MousePointer (one
//   state: vbHourglass / vbDefault); Clipboard::Clear/SetText/GetText;
//   Beep(); App::Title "Lumora", Path(), Command(), PrevInstance(); Now(),
//   Today(), TickCount(), Sleep(); TextWidth/TextHeight. The opener is
//   files::opener() (platform/files/Opener.h).
//
// PRINTING (Printing.h, Surface.h, Device.h): a print service of its own,
//   not part of the backend (the Qt one in src/platform/qt/QtPrintService,
//   the recording one for tests in testing/RecordingPrinter.h). printer() is
//   the printer object and forms::Picture a picture in memory, both Surfaces
//   (CurrentX/Y, Print, Line with B/BF, Circle, TextWidth, NewPage, EndDoc)
//   over a Device; documentMetrics() measures printed text, and a form with
//   setDocumentMetric(true) sizes its labels with it. PrintJob keeps the
//   copies of one print in one PDF file.
//
// BACKEND (Backend.h, implemented by src/platform/qt): widgets only while a
//   form is shown; property pushes (Prop/FormProp) read values from the
//   model; user input comes back through Form::dispatch* only. A control
//   constructed directly while its form is shown gets its widget once the
//   running code has returned to the event loop (a loaded array element at
//   once).
//
// TESTS: forms::sim (Simulation.h) acts as a person; forms::doubles
//   (testing/TestDesktop.h) gives TestDesktop with a recorder presenter
//   (boxes, scripted answers), a fixed clock, modal scripts, a fake opener.

#include "platform/forms/Backend.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Keys.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/Services.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/TabStrip.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Types.h"
