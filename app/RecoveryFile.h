#pragma once

// The recovery copy of one ROM: while the document holds unsaved changes the program keeps one in
// the user's data folder, so that the work outlives a crash, a power cut or a logout. It holds the
// level data exactly as File > Export level data writes it, followed by one more key naming the
// ROM, so that a copy is only ever applied to the ROM it was kept for (and the user can still
// import it by hand). The file is named by a hash of the ROM's absolute path: one copy per ROM.

#include <kiv/ConfigFile.h>

#include <QDateTime>
#include <QString>

#include <string>

class RecoveryFile {
public:
    // The copy kept for the ROM at `romPath` in `folder`.
    explicit RecoveryFile(const QString& romPath, const QString& folder = defaultFolder());
    // The folder for the program's own data (QStandardPaths::AppLocalDataLocation, which follows
    // XDG_DATA_HOME and the test mode of QStandardPaths).
    static QString defaultFolder();

    const QString& path() const { return path_; }
    bool exists() const;
    // When the copy was last written; invalid when there is none.
    QDateTime lastModified() const;
    // A copy older than the ROM file was kept for a ROM that has changed since.
    bool isNewerThanRom() const;

    // Makes the copy hold `levelText`, the document as ConfigFile::GetAll gives it, replacing the
    // old copy atomically. It touches nothing shared, so it may run on any thread. Throws
    // kiv::Error.
    void write(const std::string& levelText) const;

    struct Contents {
        kiv::ConfigFile levelData; // without the key naming the ROM
        QString problem;           // why the copy cannot be used; empty when it can be imported
    };
    // Reads the copy: it must be readable and name this ROM.
    Contents read() const;
    void remove() const;
    // Renames the copy to "<name>.rejected-<time>", where it is neither offered again nor lost.
    // Returns the new path, empty when the copy could not be renamed.
    QString setAside() const;

private:
    QString romPath_; // absolute
    QString path_;
};
