#include "platform/qt/QtOpener.h"

#include "platform/qt/Convert.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace qtui {

bool QtOpener::open(const std::string& target) {
    const QString t = qs(target);
    // "scheme:..." is an address (a drive-less path never looks like one);
    // anything else is a file or folder on this machine.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    const QUrl url = scheme.match(t).hasMatch() ? QUrl(t) : QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}

} // namespace qtui
