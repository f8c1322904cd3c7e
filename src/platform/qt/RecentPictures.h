#pragma once
#include <QPixmap>
#include <QString>

class QImage;

// Pictures this program saved moments ago (the preview's page pictures),
// kept in memory so that showing one right after does not read and decode
// its file again. A kept picture is used only while its file is still the
// one written: same size and modification time.
namespace qtui {

void rememberSavedPicture(const QString& path, const QImage& image);
// The picture of a file: the kept one when it is still current, else read.
QPixmap pictureFromFile(const QString& path);

} // namespace qtui
