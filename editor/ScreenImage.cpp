#include "editor/ScreenImage.h"

#include "editor/PictureLibrary.h"
#include "rom/LevelKeys.h"
#include "rom/Numbers.h"
#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <QPainter>

void paintScreenCells(QPainter& painter, const kiv::ConfigFile& kivLevel,
                      const PictureLibrary& pictures, const std::string& level,
                      const std::string& screen) {
    for (int x = 0; x < rom::ScreenColumns; ++x) {
        for (int y = 0; y < rom::ScreenRows; ++y) {
            const std::string value = kivLevel.GetValue(rom::cellKey(level, screen, x, y));
            if (value == kiv::ConfigFile::NotFound)
                continue;
            const QImage picture = pictures.LoadObjectPicture(rom::leadingWhole(value), level);
            painter.drawImage(x * render::Cell, y * render::Cell, picture);
        }
    }
}

QImage screenImage(const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                   const std::string& level, const std::string& screen, QColor background) {
    QImage image(render::ScreenWidth, render::ScreenHeight, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    paintScreenCells(painter, kivLevel, pictures, level, screen);
    return image;
}
