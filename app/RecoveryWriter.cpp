#include "app/RecoveryWriter.h"

#include "app/RecoveryFile.h"
#include "editor/Workspace.h"

#include <QDebug>

#include <string>

RecoveryWriter::RecoveryWriter(const Workspace& workspace, QObject* parent)
    : QObject(parent), ws(workspace), seenChanges(workspace.document().changeCount()) {
    timer.setSingleShot(true);
    timer.setInterval(Delay);
    connect(&timer, &QTimer::timeout, this, &RecoveryWriter::writeCopy);
    // One thread, so that a removal never overtakes the write asked for before it.
    worker.setMaxThreadCount(1);
}

RecoveryWriter::~RecoveryWriter() {
    waitForWorker();
}

void RecoveryWriter::waitForWorker() {
    worker.waitForDone();
}

void RecoveryWriter::documentShown() {
    const uint64_t changes = ws.document().changeCount();
    if (changes == seenChanges)
        return;
    seenChanges = changes;
    if (ws.document().dataChanged() && !timer.isActive())
        timer.start();
}

void RecoveryWriter::discard() {
    timer.stop();
    if (!ws.hasRom())
        return;
    worker.start([file = RecoveryFile(QString::fromStdString(ws.romPath()))] { file.remove(); });
}

void RecoveryWriter::writeCopy() {
    if (!ws.hasRom() || !ws.document().dataChanged())
        return;
    // A disk slow enough to take longer than the delay gets the newest text once it is done,
    // rather than a queue of old ones.
    if (writing) {
        timer.start();
        return;
    }
    writing = true;
    worker.start([this, file = RecoveryFile(QString::fromStdString(ws.romPath())),
                  text = ws.document().kivLevel().GetAll()] {
        try {
            file.write(text);
        } catch (const kiv::Error& e) {
            qWarning("Unable to keep a recovery copy in '%s' - %s, %d", qPrintable(file.path()),
                     e.description().c_str(), e.number());
        }
        writing = false;
    });
}
