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
    const char* folder = std::getenv("LUMORA_SCREENSHOTS");
    QWidget* window = windowOf(form);
    if (!folder || !*folder || !window) return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QDir dir(QString::fromLocal8Bit(folder));
    dir.mkpath(QStringLiteral("."));
    window->grab().save(dir.filePath(qs(name) + QStringLiteral(".png")), "PNG");
}

} // namespace qtui
