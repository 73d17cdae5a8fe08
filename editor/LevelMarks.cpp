#include "editor/LevelMarks.h"

#include "editor/PictureLibrary.h"
#include "editor/ScreenMarks.h"
#include "rom/LevelRecords.h"

#include <QPainter>

namespace {

QImage enemyPicture(const PictureLibrary& pictures, int type) {
    const QImage picture = pictures.enemyPicture(type);
    return picture.isNull() ? pictures.picture(PictureLibrary::FallbackId) : picture;
}

QColor colorOf(LevelMark::Kind kind) {
    return kind == LevelMark::Kind::PowerUp ? marks::PowerUpColor : marks::PipeColor;
}

} // namespace

LevelMarks::LevelMarks(const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                       const std::string& level)
    : numbering_(ScreenNumbering::forLevel(level)) {
    const std::optional<rom::LevelId> id = rom::LevelId::fromKey(level);
    if (!id)
        return;
    addEnemies(kivLevel, pictures, *id);
    addPowerUps(kivLevel, *id);
    // Only levels that number their screens from 1 have pipes.
    if (numbering_.numberOffset == 0)
        addPipes(kivLevel, *id);
}

// The document keeps an enemy's screen two below the number the Screen Manager shows.
void LevelMarks::addEnemies(const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                            rom::LevelId level) {
    const std::vector<rom::EnemyRecord> enemies = rom::readEnemies(kivLevel, level);
    for (int k = 0; k < static_cast<int>(enemies.size()); ++k) {
        const rom::EnemyRecord& e = enemies[static_cast<size_t>(k)];
        const QImage picture = enemyPicture(pictures, e.type.value_or(0));
        const QPoint topLeft = marks::enemyTopLeft(picture, e.x.value_or(0), e.y.value_or(0));
        marks_.push_back({LevelMark::Kind::Enemy, k, e.screen.value_or(0) + 2,
                          QRect(topLeft, picture.size()), picture, e.type.value_or(0)});
    }
}

void LevelMarks::addPowerUps(const kiv::ConfigFile& kivLevel, rom::LevelId level) {
    const std::vector<rom::PowerUpRecord> powerUps = rom::readPowerUps(kivLevel);
    const int levelNumber = std::stoi(std::string(level.key()));
    for (int k = 0; k < static_cast<int>(powerUps.size()); ++k) {
        const rom::PowerUpRecord& p = powerUps[static_cast<size_t>(k)];
        if (p.level != levelNumber)
            continue;
        marks_.push_back({LevelMark::Kind::PowerUp,
                          k,
                          p.screen.value_or(0),
                          marks::powerUpBar(p.x.value_or(0)),
                          {},
                          p.type.value_or(0)});
    }
}

void LevelMarks::addPipes(const kiv::ConfigFile& kivLevel, rom::LevelId level) {
    const std::vector<rom::PipeRecord> pipes = rom::readPipes(kivLevel, level);
    for (int k = 0; k < static_cast<int>(pipes.size()); ++k) {
        const rom::PipeRecord& p = pipes[static_cast<size_t>(k)];
        marks_.push_back({LevelMark::Kind::PipeEntry,
                          k,
                          p.entryScreen.value_or(0),
                          marks::pipeEntryBar(p.entryX.value_or(0)),
                          {}});
        marks_.push_back(
            {LevelMark::Kind::PipeExit,
             k,
             p.exitScreen.value_or(0),
             marks::pipeExitBox(p.exitXEighths.value_or(0) / 8.0, p.exitYEighths.value_or(0) / 8.0),
             {}});
    }
}

void LevelMarks::paint(QPainter& painter, int position) const {
    const int s = numbering_.screenNumberOf(position);
    for (const LevelMark& mark : marks_) {
        if (mark.screen != s)
            continue;
        if (mark.kind == LevelMark::Kind::Enemy)
            painter.drawImage(mark.area.topLeft(), mark.picture);
        else
            painter.fillRect(mark.area, colorOf(mark.kind));
    }
}

const LevelMark* LevelMarks::markAt(int position, QPoint pixel) const {
    const int s = numbering_.screenNumberOf(position);
    for (auto mark = marks_.rbegin(); mark != marks_.rend(); ++mark) {
        if (mark->screen != s || !mark->area.contains(pixel))
            continue;
        // An enemy is found where its picture is, not in the picture's empty corners.
        if (mark->kind == LevelMark::Kind::Enemy &&
            mark->picture.pixelColor(pixel - mark->area.topLeft()).alpha() == 0)
            continue;
        return &*mark;
    }
    return nullptr;
}
