#pragma once
// The Qt application of the shown-window and printing benchmarks: made once,
// offscreen unless QT_QPA_PLATFORM says otherwise, prepared as the program
// prepares it.
#include "platform/qt/QtBackend.h"

#include <QApplication>

namespace benchsupport {

inline QApplication& application() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "lumora_bench";
        static char* argv[] = {name, nullptr};
        auto* a = new QApplication(argc, argv);
        qtui::prepareApplication();
        return a;
    }();
    return *app;
}

// Lets pending paints and deferred deletions run.
inline void settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace benchsupport
