#pragma once

#include <QHash>
#include <QImage>

#include <string_view>
#include <utility>

// The program's numbered pictures. Universal object pictures are numbered by object code,
// world pictures 1000 x world + code, the fallback is 500 and enemy pictures 600 + enemy code.
// Pictures are decoded once and kept, so drawing a screen costs no image decoding.
//
// Object pictures drawn from the tiles of the opened ROM can stand in for the bundled ones:
// they carry the same ids, so every lookup finds a picture exactly where it did before.
class PictureLibrary {
public:
    static constexpr int FallbackId = 500;
    static constexpr int EnemyBase = 600;

    enum class Source { Bundled, Rom };

    PictureLibrary();

    // The picture with this number, or a null image when there is none.
    QImage picture(int id) const;
    bool hasPicture(int id) const { return !picture(id).isNull(); }
    // The picture the program carries with this number, whatever the source.
    QImage bundledPicture(int id) const;

    // The picture of object `code` as it looks in the world of `level` ("11" to "43"):
    // the world's picture, else the universal one, else the fallback. Never null.
    QImage LoadObjectPicture(int code, std::string_view level) const;

    // The picture of an enemy type, or a null image when there is none.
    QImage enemyPicture(int code) const { return picture(EnemyBase + code); }

    // Pictures drawn from a ROM, by id; while the source is Rom they replace the bundled
    // pictures of the same ids. An empty set leaves every picture bundled.
    void setRomPictures(QHash<int, QImage> pictures) { romPictures_ = std::move(pictures); }
    bool hasRomPictures() const { return !romPictures_.isEmpty(); }
    Source source() const { return source_; }
    void setSource(Source source) { source_ = source; }

private:
    // Every id asked for so far, with a null image for the ids that have no picture.
    mutable QHash<int, QImage> cache_;
    QHash<int, QImage> romPictures_;
    Source source_ = Source::Bundled;
};
