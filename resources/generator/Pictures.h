#pragma once

#include <QImage>

#include <string>

// One numbered picture of the program, and where its art was read.
struct Picture {
    int id;
    QImage image;
    std::string place; // "file:line" of the picture's heading
};
