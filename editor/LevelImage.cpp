#include "editor/LevelImage.h"

#include "editor/PictureLibrary.h"
#include "editor/ScreenImage.h"
#include "editor/ScreenMarks.h"
#include "editor/ScreenNumbering.h"
#include "rom/Counts.h"
#include "rom/LevelKeys.h"
#include "rom/Numbers.h"
#include "rom/RomFile.h"
#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>
#include <kiv/Error.h>

#include <QBuffer>
#include <QPainter>

#include <algorithm>

namespace {

QImage enemyPicture(const PictureLibrary& pictures, int type) {
    const QImage picture = pictures.enemyPicture(type);
    return picture.isNull() ? pictures.picture(PictureLibrary::FallbackId) : picture;
}

// The marks of one level as its document holds them, painted screen by screen the way the
// Screen Manager paints its previews: enemies, then power-ups, then pipes.
class LevelMarks {
public:
    LevelMarks(const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
               const std::string& level)
        : doc(kivLevel), pictures(pictures), numbering(ScreenNumbering::forLevel(level)) {}

    // Marks the screen at the level's own position `position`.
    void paint(QPainter& painter, int position) const {
        const int s = numbering.screenNumberOf(position);
        paintEnemies(painter, s);
        paintPowerUps(painter, s);
        if (numbering.numberOffset == 0)
            paintPipes(painter, s);
    }

private:
    // The document keeps an enemy's screen two below the number the Screen Manager shows.
    void paintEnemies(QPainter& painter, int s) const {
        const std::string& level = numbering.curLevel;
        const int count = rom::shownEnemyCount(doc, level);
        for (int k = 1; k <= count; ++k) {
            if (rom::leadingNumber(doc.GetValue(rom::enemyKey(level, "screen", k))) + 2 != s)
                continue;
            const QImage picture = enemyPicture(
                pictures, rom::leadingHex(doc.GetValue(rom::enemyKey(level, "type", k))));
            const int position = rom::leadingHex(doc.GetValue(rom::enemyKey(level, "y", k)));
            const double x = rom::leadingNumber(doc.GetValue(rom::enemyKey(level, "x", k)));
            painter.drawImage(marks::enemyTopLeft(picture, x, position), picture);
        }
    }

    void paintPowerUps(QPainter& painter, int s) const {
        for (int k = 1; k <= rom::PowerUpCount; ++k) {
            if (doc.GetValue(rom::powerUpKey("level", k)) != numbering.curLevel ||
                rom::leadingNumber(doc.GetValue(rom::powerUpKey("screen", k))) != s)
                continue;
            const double x = rom::leadingNumber(doc.GetValue(rom::powerUpKey("x", k)));
            painter.fillRect(marks::powerUpBar(x), marks::PowerUpColor);
        }
    }

    void paintPipes(QPainter& painter, int s) const {
        for (int k = 1; k <= rom::PipesPerLevel; ++k) {
            const auto field = [&](const char* name) {
                return rom::leadingNumber(doc.GetValue(rom::pipeKey(numbering.curLevel, name, k)));
            };
            if (field("entryscreen") == s)
                painter.fillRect(marks::pipeEntryBar(field("entryx")), marks::PipeColor);
            if (field("exitscreen") == s)
                painter.fillRect(marks::pipeExitBox(field("exitx"), field("exity")),
                                 marks::PipeColor);
        }
    }

    const kiv::ConfigFile& doc;
    const PictureLibrary& pictures;
    ScreenNumbering numbering;
};

} // namespace

QImage levelImage(const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                  const std::string& level, bool withObjects) {
    if (std::find(rom::Levels.begin(), rom::Levels.end(), level) == rom::Levels.end())
        throw kiv::Error(kiv::errors::InvalidArgument, "There is no level '" + level + "'");
    const int count = rom::shownScreenCount(kivLevel, level);
    if (count <= 0)
        throw kiv::Error(kiv::errors::InvalidArgument,
                         "Level " + rom::levelText(level) + " has no screens");

    QImage image(render::ScreenWidth * count, render::ScreenHeight, QImage::Format_RGB32);
    image.fill(render::Background);
    QPainter painter(&image);
    const LevelMarks levelMarks(kivLevel, pictures, level);
    for (int k = 1; k <= count; ++k) {
        // Each screen is clipped to its own place, as its preview would be.
        painter.save();
        painter.translate(render::ScreenWidth * (k - 1), 0);
        painter.setClipRect(0, 0, render::ScreenWidth, render::ScreenHeight);
        paintScreenCells(painter, kivLevel, pictures, level,
                         kivLevel.GetValue(rom::screenKey(level, k)));
        if (withObjects)
            levelMarks.paint(painter, k);
        painter.restore();
    }
    return image;
}

void saveLevelImage(const QImage& image, const std::string& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw kiv::Error(kiv::errors::InvalidArgument, "The picture could not be encoded as PNG");
    rom::replaceFile(path, std::vector<uint8_t>(png.begin(), png.end()));
}
