#pragma once

// The marks of a level's enemies, power-ups and pipes on its screens, as the Screen Manager's
// previews draw them: each enemy's picture, a full-height bar for each power-up, a bar for each
// pipe's entry and a box for its exit. Level pictures paint them, and the level view also finds
// the mark under the pointer.

#include "editor/ScreenNumbering.h"
#include "rom/LevelId.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

class PictureLibrary;
class QPainter;
namespace kiv {
class ConfigFile;
}

struct LevelMark {
    enum class Kind { Enemy, PowerUp, PipeEntry, PipeExit };
    Kind kind;
    // The record's place in the document's list: the level's enemies or pipes, or all power-ups.
    int record;
    int screen; // the screen number it stands on, as the Screen Manager numbers screens
    // Pixels of the 320 x 256 screen picture; inclusive corners for bars and boxes, as the
    // picture boxes fill them.
    QRect area;
    QImage picture; // enemies only
    int type = 0;   // an enemy's or a power-up's type, as the catalogue codes it

    bool isMovable() const { return kind == Kind::Enemy || kind == Kind::PowerUp; }
};

class LevelMarks {
public:
    // The marks of `level` ("11" to "43") as the document holds them.
    LevelMarks(const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
               const std::string& level);

    const ScreenNumbering& numbering() const { return numbering_; }
    const std::vector<LevelMark>& all() const { return marks_; }

    // Paints the marks of the level's own position `position` (1 onwards), the screen's top-left
    // corner at the painter's origin: enemies, then power-ups, then pipes.
    void paint(QPainter& painter, int position) const;
    // The mark drawn topmost at `pixel` of the screen at `position`; nullptr for none.
    const LevelMark* markAt(int position, QPoint pixel) const;

private:
    void addEnemies(const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                    rom::LevelId level);
    void addPowerUps(const kiv::ConfigFile& kivLevel, rom::LevelId level);
    void addPipes(const kiv::ConfigFile& kivLevel, rom::LevelId level);

    ScreenNumbering numbering_;
    std::vector<LevelMark> marks_; // in painting order
};
