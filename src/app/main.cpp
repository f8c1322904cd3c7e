// Lumora: the Qt application with the forms layer's Qt backend and the
// desktop opener installed, then the start-up procedure. The program ends
// when its last window closes, or at once when start-up opened none.
#include "core/startUp.h"
#include "main/frmMain.h"
#include "platform/forms/Forms.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtOpener.h"

#include <QApplication>

#include <memory>

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
        std::unique_ptr<frmMain> mainWindow;
        setMainWindowShower([&mainWindow] {
            mainWindow = std::make_unique<frmMain>();
            mainWindow->Show(); // errors of its load reach Main, which reports them
        });
        Main();
        if (backend.hasWindows()) code = QApplication::exec();
        setMainWindowShower(nullptr);
    }
    files::setOpener(nullptr);
    forms::setBackend(nullptr);
    return code;
}
