// Lumora: the Qt application with the forms layer's Qt backend and the
// desktop opener installed. Until the start-up procedure exists, a small
// placeholder window is shown; the program ends when its last window closes.
#include "platform/forms/Forms.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtOpener.h"

#include <QApplication>

namespace {

class Placeholder : public forms::Form {
public:
    Placeholder() : Form("Placeholder") {
        setCaption(forms::App::Title);
        setBorderStyle(forms::vbFixedSingle);
        setMaxButton(false);
        setStartUpPosition(forms::vbStartUpScreen);
        setClientSize(4200, 1800);
        lblTitle.Move(240, 240, 3720, 480);
        lblTitle.setFontSize(18);
        lblTitle.setAlignment(forms::vbCenter);
        lblTitle.setCaption(forms::App::Title);
        btnClose.Move(1500, 1080, 1200, 420);
        btnClose.setCaption("閉じる");
        btnClose.Click = [this] { Unload(); };
    }

    forms::Label lblTitle{*this, "lblTitle"};
    forms::CommandButton btnClose{*this, "btnClose"};
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qtui::prepareApplication();
    qtui::QtBackend backend;
    qtui::QtOpener opener;
    forms::setBackend(&backend);
    files::setOpener(&opener);
    forms::App::setCommandLine(argc, argv);

    int code = 0;
    {
        Placeholder window;
        window.Show();
        if (backend.hasWindows()) code = QApplication::exec();
    }
    files::setOpener(nullptr);
    forms::setBackend(nullptr);
    return code;
}
