#pragma once

#include <QString>

class QMimeData;

// A file dragged onto the main window, by what the window would do with it: a ROM (".gb") is
// opened, level data (".twd") is imported. Anything else, several files or a remote one, is not
// taken.
struct DroppedFile {
    enum class Kind { None, Rom, LevelData };

    static DroppedFile of(const QMimeData* data);

    Kind kind = Kind::None;
    QString path;
};
