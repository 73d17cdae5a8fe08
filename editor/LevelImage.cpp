#include "editor/LevelImage.h"

#include "editor/LevelMarks.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenImage.h"
#include "rom/Counts.h"
#include "rom/LevelKeys.h"
#include "rom/RomFile.h"
#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>
#include <kiv/Error.h>

#include <QBuffer>
#include <QPainter>

#include <algorithm>

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
