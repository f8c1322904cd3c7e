#include "platform/qt/Screenshot.h"

#include "platform/qt/Convert.h"
#include "platform/qt/QtBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdlib>

namespace qtui {

void saveScreenshotIfAsked(forms::Form& form, const std::string& name) {
    if (QWidget* window = windowOf(form)) saveScreenshotIfAsked(*window, name);
}

void saveScreenshotIfAsked(QWidget& widget, const std::string& name) {
    const char* folder = std::getenv("LUMORA_SCREENSHOTS");
    if (!folder || !*folder) return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QDir dir(QString::fromLocal8Bit(folder));
    dir.mkpath(QStringLiteral("."));
    widget.grab().save(dir.filePath(qs(name) + QStringLiteral(".png")), "PNG");
}

} // namespace qtui
