// Draws the program's numbered pictures into a folder, one PNG per id, and writes the resource
// collection file that lists them under the prefix /pictures.
#include "Pictures.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <set>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    std::vector<Picture> pictures = objectPictures();
    for (Picture& enemy : enemyPictures())
        pictures.push_back(std::move(enemy));

    QString collection = QStringLiteral("<RCC>\n  <qresource prefix=\"/pictures\">\n");
    std::set<int> seen;
    for (const Picture& picture : pictures) {
        if (!seen.insert(picture.id).second) {
            std::fprintf(stderr, "picture %d is drawn twice\n", picture.id);
            return 1;
        }
        const QString name = QStringLiteral("%1.png").arg(picture.id);
        if (!picture.image.save(folder.filePath(name), "PNG")) {
            std::fprintf(stderr, "cannot write picture %d\n", picture.id);
            return 1;
        }
        collection += QStringLiteral("    <file>%1</file>\n").arg(name);
    }
    collection += QStringLiteral("  </qresource>\n</RCC>\n");

    QFile file(folder.filePath(QStringLiteral("pictures.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(collection.toUtf8()) != collection.toUtf8().size()) {
        std::fprintf(stderr, "cannot write the resource collection\n");
        return 1;
    }
    return 0;
}
