#include "editor/CrispPixmap.h"

QPixmap crispPixmap(const QImage& picture, qreal devicePixelRatio) {
    if (picture.isNull() || devicePixelRatio == 1.0)
        return QPixmap::fromImage(picture);
    const QSize device(qRound(picture.width() * devicePixelRatio),
                       qRound(picture.height() * devicePixelRatio));
    QPixmap scaled =
        QPixmap::fromImage(picture.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

QIcon crispIcon(const QImage& picture, qreal devicePixelRatio) {
    QIcon icon(QPixmap::fromImage(picture));
    if (devicePixelRatio != 1.0)
        icon.addPixmap(crispPixmap(picture, devicePixelRatio));
    return icon;
}
