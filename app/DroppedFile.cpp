#include "app/DroppedFile.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

DroppedFile DroppedFile::of(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("gb"), Qt::CaseInsensitive) == 0)
        return {Kind::Rom, path};
    if (suffix.compare(QLatin1String("twd"), Qt::CaseInsensitive) == 0)
        return {Kind::LevelData, path};
    return {};
}
