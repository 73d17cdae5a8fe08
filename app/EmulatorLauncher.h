#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class QTemporaryDir;

// Plays the document in a Game Boy emulator: which emulator, where its image goes and how it is
// started. The images are written into a folder of the launcher's own, which goes with it, so test
// images never pile up beside the user's ROMs and the opened ROM is never touched.
class EmulatorLauncher {
public:
    // The environment variable that names the emulator: a program path, or a name looked up on
    // PATH. No arguments: the image's path is the one argument the emulator is given.
    static constexpr const char* Variable = "TARNWICK_EMULATOR";

    EmulatorLauncher();
    ~EmulatorLauncher();

    // Emulators looked for on PATH when the variable is not set, in this order.
    static const QStringList& knownEmulators();
    // The variable's program, else the first known emulator on PATH; empty when there is none.
    static QString findEmulator();
    // What the user is told when findEmulator finds none: what to install or set.
    static QString missingText(const QString& lineBreak);

    // Writes `image` as "<ROM name>_play.gb" into the launcher's folder and returns its path; on
    // failure returns an empty path and sets `error`. A file an emulator still has open from an
    // earlier run is replaced, not overwritten in place.
    QString writeImage(const QString& romPath, const std::vector<uint8_t>& image, QString& error);
    // Starts `emulator` on `imagePath` without waiting for it; false, with `error` set, when it
    // could not be started.
    static bool start(const QString& emulator, const QString& imagePath, QString& error);

    // The folder the images are written into; empty until the first image.
    QString folder() const;

private:
    std::unique_ptr<QTemporaryDir> dir;
};
