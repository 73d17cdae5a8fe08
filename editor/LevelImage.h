#pragma once

// Pictures of whole levels, drawn without widgets, for files and the command line.

#include <QImage>

#include <string>

class PictureLibrary;
namespace kiv {
class ConfigFile;
}

// Every screen of `level` ("11" to "43") in playing order, side by side, each 320 x 256 as the
// editor draws it without the grid. With `withObjects` each screen also carries the marks of
// the Screen Manager's previews: the enemies' pictures, the power-up bars and the pipe boxes.
// Throws kiv::Error (invalid argument) for a level that is not one of the twelve or that has
// no screens.
QImage levelImage(const kiv::ConfigFile& kivLevel, const PictureLibrary& pictures,
                  const std::string& level, bool withObjects);

// Writes `image` to `path` as a PNG file. `path` ends up holding either its old content or the
// whole picture, never a part. Throws kiv::Error with the platform's file errors.
void saveLevelImage(const QImage& image, const std::string& path);
