#pragma once

#include <QObject>

#include <string>

class PictureLibrary;
class QAction;
class ScreenEditor;

// The View menu's "&Game graphics" switch: object pictures drawn from the tiles of the opened
// ROM, or the pictures the program carries. It is on from the start; until a ROM has been read
// both show the same.
class GameGraphics : public QObject {
    Q_OBJECT

public:
    GameGraphics(PictureLibrary& pictures, ScreenEditor& editor, QObject* parent = nullptr);

    QAction* action() const { return mnuViewGameGraphics; }

    // Draws the pictures from the ROM at `path`, which has just been read. A file that cannot be
    // read again leaves the program's own pictures in use.
    void useRom(const std::string& path);

private:
    void mnuViewGameGraphics_Click(bool checked);

    PictureLibrary& pictures;
    ScreenEditor& editor;
    QAction* mnuViewGameGraphics = nullptr;
};
