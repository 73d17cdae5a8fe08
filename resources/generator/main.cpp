// Reads the program's numbered pictures from text-art files, writes them into a folder, one PNG
// per number, and writes the resource collection file that lists them under the prefix
// /pictures.
#include "ArtReader.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool writeCollection(const QDir& folder, const std::vector<Picture>& pictures) {
    QString collection = QStringLiteral("<RCC>\n  <qresource prefix=\"/pictures\">\n");
    for (const Picture& picture : pictures)
        collection += QStringLiteral("    <file>%1.png</file>\n").arg(picture.id);
    collection += QStringLiteral("  </qresource>\n</RCC>\n");
    const QByteArray bytes = collection.toUtf8();
    QFile file(folder.filePath(QStringLiteral("pictures.qrc")));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER ART_FILE...\n", argv[0]);
        return 2;
    }
    ArtReader art;
    try {
        for (int i = 2; i < argc; ++i)
            art.read(argv[i]);
    } catch (const ArtError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Picture& picture : art.pictures()) {
        if (!picture.image.save(folder.filePath(QStringLiteral("%1.png").arg(picture.id)), "PNG")) {
            std::fprintf(stderr, "cannot write picture %d\n", picture.id);
            return 1;
        }
    }
    if (!writeCollection(folder, art.pictures())) {
        std::fprintf(stderr, "cannot write the resource collection\n");
        return 1;
    }
    return 0;
}
