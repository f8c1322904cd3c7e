#include "platform/qt/RecentPictures.h"

#include <QFileInfo>
#include <QImage>

#include <deque>

namespace qtui {

namespace {

struct Kept {
    QString path;
    QImage image;
    qint64 size = -1;
    QDateTime modified;
};

// The three pictures of one page (one per zoom step).
constexpr std::size_t KeptMost = 3;
std::deque<Kept>& kept() {
    static std::deque<Kept> pictures;
    return pictures;
}

void forget(const QString& path) {
    std::erase_if(kept(), [&](const Kept& k) { return k.path == path; });
}

} // namespace

void rememberSavedPicture(const QString& path, const QImage& image) {
    forget(path);
    const QFileInfo file(path);
    kept().push_back({path, image, file.size(), file.lastModified()});
    if (kept().size() > KeptMost) kept().pop_front();
}

QPixmap pictureFromFile(const QString& path) {
    for (const Kept& k : kept()) {
        if (k.path != path) continue;
        const QFileInfo file(path);
        if (file.exists() && file.size() == k.size && file.lastModified() == k.modified) return QPixmap::fromImage(k.image);
        forget(path);
        break;
    }
    return QPixmap(path);
}

} // namespace qtui
