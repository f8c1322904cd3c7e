#include "core/dialogWindow.h"

DialogWindow::DialogWindow(std::string name, std::string caption, double clientWidth, double clientHeight)
    : Form(std::move(name)) {
    setFont({"ＭＳ Ｐゴシック", 11.25});
    setCaption(std::move(caption));
    setBorderStyle(forms::vbFixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    setStartUpPosition(forms::vbStartUpOwner);
    setClientSize(clientWidth, clientHeight);
}
