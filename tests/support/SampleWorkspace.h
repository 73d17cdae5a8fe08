#pragma once

// Fixtures for widget tests that need a real document and catalogue.
//
// writeSampleRom() writes the generated sample ROM into a folder (a QTemporaryDir's path, say).
// loadCatalogue() reads the Objects.txt that the build copies next to every executable
// (<build>/bin/Objects.txt); it looks in QCoreApplication::applicationDirPath(), so the test
// must have created its application object first.
//
// Typical use:
//     Workspace ws;
//     loadCatalogue(ws);
//     ws.openROM(writeSampleRom(dir.path()).toStdString());

#include "editor/Workspace.h"
#include "sample/SampleRom.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

// Writes rom::makeSampleRom() to `dir`/sample.gb and returns the file's path, or an empty
// string when the file could not be written.
inline QString writeSampleRom(const QString& dir) {
    const QString path = QDir(dir).filePath(QStringLiteral("sample.gb"));
    const std::vector<uint8_t> image = rom::makeSampleRom();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    const auto size = static_cast<qint64>(image.size());
    if (file.write(reinterpret_cast<const char*>(image.data()), size) != size)
        return {};
    return path;
}

// <folder of the test executable>/Objects.txt.
inline std::string catalogueFile() {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("Objects.txt");
    return QDir::toNativeSeparators(path).toStdString();
}

// Loads catalogueFile() as the workspace's catalogue; throws kiv::Error when the file is missing
// or malformed.
inline void loadCatalogue(Workspace& ws) {
    ws.loadCatalogue(catalogueFile());
}
