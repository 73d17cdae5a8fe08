#pragma once

#include <QImage>

#include <vector>

// One numbered picture of the program.
struct Picture {
    int id;
    QImage image;
};

// The universal object pictures (numbered by code), the world pictures (1000 x world + code)
// and the fallback picture.
std::vector<Picture> objectPictures();
// The enemy pictures, numbered 600 + enemy code.
std::vector<Picture> enemyPictures();
