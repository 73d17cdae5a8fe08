#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdint>

class Workspace;

// Keeps the recovery copy (RecoveryFile) of the opened ROM while its document holds unsaved
// changes. The window tells it each time the document has been shown again, which costs one
// look at the document's change count and at most starts a timer: editing never waits for a
// disk. When the timer runs out the document's text is taken on the user-interface thread and
// written on a worker thread, which also does the removals, in the order they were asked for.
class RecoveryWriter : public QObject {
    Q_OBJECT

public:
    // How long after a change its copy is written. Later changes do not push the write back, so
    // steady editing is still kept.
    static constexpr std::chrono::milliseconds Delay{1000};
    // Work is kept at most two seconds after it was done, on a disk that keeps up.
    static_assert(Delay <= std::chrono::seconds(2));

    explicit RecoveryWriter(const Workspace& workspace, QObject* parent = nullptr);
    // Waits for the worker to finish what it was given.
    ~RecoveryWriter() override;

    // Waits until the worker has written and removed everything it was asked to.
    void waitForWorker();

public slots:
    // After the document has been shown again: it may have changed.
    void documentShown();
    // The unsaved work of the opened ROM has been saved or given up: its copy goes, and no write
    // is left pending for it.
    void discard();

private:
    void writeCopy();

    const Workspace& ws;
    QTimer timer;
    uint64_t seenChanges;
    std::atomic<bool> writing{false};
    QThreadPool worker;
};
