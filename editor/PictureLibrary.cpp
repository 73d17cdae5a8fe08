#include "editor/PictureLibrary.h"

// The pictures are compiled into a static library; naming its registration function here keeps
// the linker from dropping them. It must stay outside any namespace to find that function.
static void registerPictures() {
    [[maybe_unused]] static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
}

PictureLibrary::PictureLibrary() {
    registerPictures();
}

QImage PictureLibrary::picture(int id) const {
    if (source_ == Source::Rom) {
        const auto drawn = romPictures_.constFind(id);
        if (drawn != romPictures_.constEnd())
            return *drawn;
    }
    return bundledPicture(id);
}

QImage PictureLibrary::bundledPicture(int id) const {
    auto found = cache_.constFind(id);
    if (found == cache_.constEnd())
        found = cache_.insert(id, QImage(QStringLiteral(":/pictures/%1.png").arg(id)));
    return *found;
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
