#include "app/RecoveryOffer.h"

#include "app/RecoveryFile.h"
#include "app/RecoveryWriter.h"
#include "editor/Dialogs.h"
#include "editor/Workspace.h"

#include <QLocale>

namespace {

// Why the checked level data cannot be taken; empty once it is the document.
QString restore(rom::LevelDocument& document, kiv::ConfigFile& levelData) {
    try {
        if (!document.importStore(levelData).empty())
            return QStringLiteral("the copy holds no level data");
    } catch (const kiv::Error& e) {
        return QStringLiteral("the copy fails the import check - %1, %2")
            .arg(QString::fromStdString(e.description()))
            .arg(e.number());
    }
    return QString();
}

} // namespace

bool RecoveryOffer::run(Workspace& workspace, RecoveryWriter& writer) {
    // A removal still on its way would otherwise offer work the user has just given up.
    writer.waitForWorker();
    const QString romPath = QString::fromStdString(workspace.romPath());
    const RecoveryFile file(romPath);
    if (!file.isNewerThanRom())
        return false;
    RecoveryFile::Contents contents = file.read();
    if (!contents.problem.isEmpty()) {
        reject(file, romPath, contents.problem);
        return false;
    }
    if (!wanted(file, romPath)) {
        file.remove();
        return false;
    }
    if (const QString problem = restore(workspace.document(), contents.levelData);
        !problem.isEmpty()) {
        reject(file, romPath, problem);
        return false;
    }
    return true;
}

bool RecoveryOffer::wanted(const RecoveryFile& file, const QString& romPath) {
    const QString when = QLocale().toString(file.lastModified(), QLocale::ShortFormat);
    return dialogs.message(parent, Title,
                           QStringLiteral("Tarnwick was not closed properly while '%1' had unsaved "
                                          "changes.  Do you want to restore the work as it stood "
                                          "at %2?\r\n\r\nIf you answer No, that work is deleted.")
                               .arg(romPath, when),
                           Dialogs::Icon::Question,
                           Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
}

void RecoveryOffer::reject(const RecoveryFile& file, const QString& romPath,
                           const QString& problem) {
    const QString aside = file.setAside();
    const QString kept =
        aside.isEmpty()
            ? QStringLiteral("It could not be set aside and stays as '%1'.").arg(file.path())
            : QStringLiteral("It has been set aside as '%1'.").arg(aside);
    dialogs.message(parent, Title,
                    QStringLiteral("The unsaved work kept for '%1' was not restored: %2.\r\n\r\n%3")
                        .arg(romPath, problem, kept),
                    Dialogs::Icon::Exclamation);
}
