#include "editor/PictureLibrary.h"

QImage PictureLibrary::picture(int id) const {
    return QImage(QStringLiteral(":/pictures/%1.png").arg(id));
}

QImage PictureLibrary::LoadObjectPicture(int code, std::string_view level) const {
    const int world = level.empty() ? 0 : level.front() - '0';
    for (int id : {world * 1000 + code, code, FallbackId}) {
        QImage found = picture(id);
        if (!found.isNull())
            return found;
    }
    // Without any resources the fallback is drawn here, so a lookup never comes back empty.
    QImage fallback(16, 16, QImage::Format_RGB32);
    fallback.fill(QColor(255, 31, 31));
    return fallback;
}
