#pragma once

// A small hand-made document and catalogue for the editor tests, and pixel helpers.

#include "editor/Workspace.h"
#include "rom/LevelKeys.h"

#include <QImage>
#include <QPoint>

#include <initializer_list>
#include <string>
#include <utility>

namespace fixture {

inline void addLevel(kiv::ConfigFile& doc, const std::string& level,
                     std::initializer_list<const char*> refs) {
    int k = 0;
    for (const char* ref : refs)
        doc.WriteValue(rom::screenKey(level, ++k), ref);
    doc.WriteValue(rom::screensKey(level), std::to_string(k));
}

// Screen 40100 of level 1-1 is also listed by 1-2, and 50000 of 3-1 by 3-2.
inline void fillDocument(kiv::ConfigFile& doc) {
    addLevel(doc, "11", {"40000", "40100", "40200"});
    addLevel(doc, "12", {"40100", "40300"});
    addLevel(doc, "13", {"40400"});
    addLevel(doc, "21", {"20000"});
    addLevel(doc, "22", {"20100"});
    addLevel(doc, "23", {"20200"});
    addLevel(doc, "31", {"50000", "50100"});
    addLevel(doc, "32", {"50000"});
    addLevel(doc, "33", {"50200"});
    addLevel(doc, "41", {"21000"});
    addLevel(doc, "42", {"21100"});
    addLevel(doc, "43", {"21200"});
}

// Universal: 19, 120, 232. World 1: 49, 52. World 2: none. World 3: 52. World 4: 232.
inline void fillCatalogue(kiv::ConfigFile& cat) {
    const std::pair<const char*, const char*> entries[] = {
        {"Universal", "3"},        {"CodeU1", "19"},         {"DescU1", "Brick"},
        {"CodeU2", "120"},         {"DescU2", "Coin block"}, {"CodeU3", "232"},
        {"DescU3", "Red block"},   {"World1", "2"},          {"CodeW1_1", "49"},
        {"DescW1_1", "Ground"},    {"CodeW1_2", "52"},       {"DescW1_2", "Pipe top"},
        {"World2", "0"},           {"World3", "1"},          {"CodeW3_1", "52"},
        {"DescW3_1", "Pipe top"},  {"World4", "1"},          {"CodeW4_1", "232"},
        {"DescW4_1", "Red block"}, {"Enemies", "0"},         {"PowerUps", "0"},
    };
    for (const auto& [key, value] : entries)
        cat.WriteValue(key, value);
}

// The hand-made document and catalogue as the workspace's own.
inline void fillWorkspace(Workspace& ws) {
    fillDocument(ws.document().storeForKeyEdits());
    kiv::ConfigFile cat;
    fillCatalogue(cat);
    rom::Catalogue catalogue;
    catalogue.load(cat);
    ws.useCatalogue(std::move(catalogue));
}

// True when the 16 x 16 cell at (cx, cy) shows `picture`, looking only at the pixels from
// (inset, inset) on, so that grid lines on the cell's top and left edge can be left out.
inline bool cellShows(const QImage& canvas, int cx, int cy, const QImage& picture, int inset = 1) {
    if (picture.isNull())
        return false;
    for (int x = inset; x < 16; ++x)
        for (int y = inset; y < 16; ++y)
            if ((canvas.pixel(cx * 16 + x, cy * 16 + y) & 0xFFFFFF) !=
                (picture.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

inline bool cellIsWhite(const QImage& canvas, int cx, int cy) {
    QImage white(16, 16, QImage::Format_RGB32);
    white.fill(Qt::white);
    return cellShows(canvas, cx, cy, white);
}

inline QColor colorAt(const QImage& canvas, QPoint p) {
    return QColor(canvas.pixel(p));
}

} // namespace fixture
