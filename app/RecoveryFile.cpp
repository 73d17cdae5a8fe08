#include "app/RecoveryFile.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Percent-encoded, the ROM's path survives the store file's Windows-1252 whatever it holds.
const std::string RomKey = "Recovery_Rom";

std::string encodedPath(const QString& path) {
    return QUrl::toPercentEncoding(path).toStdString();
}

QString decodedPath(const std::string& text) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray::fromStdString(text)));
}

} // namespace

RecoveryFile::RecoveryFile(const QString& romPath, const QString& folder)
    : romPath_(QFileInfo(romPath).absoluteFilePath()) {
    const QByteArray hash =
        QCryptographicHash::hash(romPath_.toUtf8(), QCryptographicHash::Sha1).toHex();
    path_ = QDir(folder).filePath(QString::fromLatin1(hash) + QStringLiteral(".twd"));
}

QString RecoveryFile::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

bool RecoveryFile::exists() const {
    return QFileInfo::exists(path_);
}

QDateTime RecoveryFile::lastModified() const {
    const QFileInfo info(path_);
    return info.exists() ? info.lastModified() : QDateTime();
}

bool RecoveryFile::isNewerThanRom() const {
    return exists() && lastModified() > QFileInfo(romPath_).lastModified();
}

void RecoveryFile::write(const std::string& levelText) const {
    QDir().mkpath(QFileInfo(path_).path());
    kiv::ConfigFile copy;
    copy.WriteAll(levelText);
    copy.WriteValue(RomKey, encodedPath(romPath_));
    copy.ConfigSave(path_.toStdString());
}

RecoveryFile::Contents RecoveryFile::read() const {
    Contents contents;
    try {
        contents.levelData.ConfigLoad(path_.toStdString());
    } catch (const kiv::Error& e) {
        contents.problem = QStringLiteral("the copy cannot be read - %1, %2")
                               .arg(QString::fromStdString(e.description()))
                               .arg(e.number());
        return contents;
    }
    const std::string named = contents.levelData.GetValue(RomKey);
    if (named == kiv::ConfigFile::NotFound)
        contents.problem = QStringLiteral("the copy does not name its ROM");
    else if (decodedPath(named) != romPath_)
        contents.problem =
            QStringLiteral("the copy was kept for another ROM, '%1'").arg(decodedPath(named));
    contents.levelData.DelKey(RomKey);
    return contents;
}

void RecoveryFile::remove() const {
    QFile::remove(path_);
}

QString RecoveryFile::setAside() const {
    const QString aside =
        path_ + QStringLiteral(".rejected-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    return QFile::rename(path_, aside) ? aside : QString();
}
