#pragma once

#include <QString>

class Dialogs;
class QWidget;
class RecoveryFile;
class RecoveryWriter;
class Workspace;

// After a ROM has been opened: when a recovery copy newer than the ROM file was left behind for
// it, the user is asked whether to restore that work. Yes imports it into the document as File >
// Import does (through the same check; every section marked, the document unsaved); No deletes
// it. A copy that cannot be used is never applied: it is set aside under a new name and the user
// is told.
class RecoveryOffer {
public:
    static inline const QString Title = QStringLiteral("Recover Unsaved Work");

    RecoveryOffer(Dialogs& dialogs, QWidget* parent) : dialogs(dialogs), parent(parent) {}

    // True when the work was restored into the document of `workspace`.
    bool run(Workspace& workspace, RecoveryWriter& writer);

private:
    bool wanted(const RecoveryFile& file, const QString& romPath);
    void reject(const RecoveryFile& file, const QString& romPath, const QString& problem);

    Dialogs& dialogs;
    QWidget* parent;
};
