#include "app/EmulatorLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

EmulatorLauncher::EmulatorLauncher() = default;
EmulatorLauncher::~EmulatorLauncher() = default;

const QStringList& EmulatorLauncher::knownEmulators() {
    static const QStringList known = {QStringLiteral("mgba-qt"), QStringLiteral("mgba"),
                                      QStringLiteral("sameboy"), QStringLiteral("gambatte_qt")};
    return known;
}

QString EmulatorLauncher::findEmulator() {
    const QString chosen = qEnvironmentVariable(Variable);
    if (!chosen.isEmpty()) {
        // A program that cannot be found is still the user's choice: starting it says why not.
        const QString found = QStandardPaths::findExecutable(chosen);
        return found.isEmpty() ? chosen : found;
    }
    for (const QString& name : knownEmulators())
        if (const QString found = QStandardPaths::findExecutable(name); !found.isEmpty())
            return found;
    return QString();
}

QString EmulatorLauncher::missingText(const QString& lineBreak) {
    return QStringLiteral("No emulator was found.  Install one, for example the Debian package "
                          "mgba-qt, or set %1 to the emulator program to use.%2%2Looked for on "
                          "PATH: %3")
        .arg(QLatin1String(Variable), lineBreak, knownEmulators().join(QStringLiteral(", ")));
}

QString EmulatorLauncher::writeImage(const QString& romPath, const std::vector<uint8_t>& image,
                                     QString& error) {
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                              QStringLiteral("/tarnwick-play-XXXXXX"));
        if (!dir->isValid()) {
            error = dir->errorString();
            dir.reset();
            return QString();
        }
    }
    const QString path =
        dir->filePath(QFileInfo(romPath).completeBaseName() + QStringLiteral("_play.gb"));
    // QSaveFile writes beside the old image and renames over it: an emulator that mapped the
    // old one keeps reading what it loaded.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(image.data()), qint64(image.size())) !=
            qint64(image.size()) ||
        !file.commit()) {
        error = file.errorString();
        return QString();
    }
    return path;
}

bool EmulatorLauncher::start(const QString& emulator, const QString& imagePath, QString& error) {
    QProcess process;
    process.setProgram(emulator);
    process.setArguments({imagePath});
    if (process.startDetached())
        return true;
    error = process.errorString();
    return false;
}

QString EmulatorLauncher::folder() const {
    return dir ? dir->path() : QString();
}
