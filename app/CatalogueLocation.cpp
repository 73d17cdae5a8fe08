#include "app/CatalogueLocation.h"

#include <QDir>
#include <QFileInfo>

QString catalogueFile(const QString& programFolder) {
    const QString name = QStringLiteral("Objects.txt");
    const QDir program(programFolder);
    const QString beside = program.filePath(name);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString dataFolder =
        QDir::cleanPath(program.filePath(QStringLiteral(TARNWICK_DATA_FROM_BIN)));
    return QFileInfo(dataFolder).isDir() ? QDir(dataFolder).filePath(name) : beside;
}
