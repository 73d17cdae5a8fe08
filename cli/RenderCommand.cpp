#include "cli/RenderCommand.h"

#include "editor/LevelImage.h"
#include "editor/PictureLibrary.h"
#include "editor/RomPictures.h"
#include "editor/ScreenImage.h"
#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"
#include "rom/RomReader.h"

#include <kiv/ConfigFile.h>
#include <kiv/Error.h>

#include <algorithm>

namespace cli {

namespace {

constexpr std::string_view ObjectsOption = "--objects";

using Kind = RenderOutcome::Kind;

RenderOutcome fileFailure(const std::string& verb, const std::string& file, const kiv::Error& e) {
    return {Kind::Failed, "Unable to " + verb + " file: '" + file + "' - " + e.description() +
                              ", " + std::to_string(e.number())};
}

bool isLevel(const std::string& level) {
    return std::find(rom::Levels.begin(), rom::Levels.end(), level) != rom::Levels.end();
}

} // namespace

RenderOutcome render(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    bool withObjects = false;
    for (auto arg = args.begin() + 1; arg != args.end(); ++arg) {
        if (*arg == ObjectsOption)
            withObjects = true;
        else if (arg->starts_with("--"))
            return {Kind::WrongUsage, "render has no option '" + *arg + "'."};
        else
            files.push_back(*arg);
    }
    if (files.size() != 3)
        return {Kind::WrongUsage,
                "render takes a ROM file, a level and an output file, and optionally --objects."};
    const std::string& romPath = files[0];
    const std::string& outPath = files[2];
    const std::string level = rom::levelFromText(files[1]);
    if (!isLevel(level))
        return {Kind::Failed,
                "There is no level '" + files[1] + "': choose one of 1-1 to 4-3 (or 11 to 43)."};

    kiv::ConfigFile kivLevel;
    PictureLibrary pictures;
    try {
        const rom::RomImage image = rom::RomImage::fromFile(romPath);
        rom::loadROM(image, kivLevel);
        pictures.setRomPictures(rompictures::objectPictures(image, pictures));
        pictures.setSource(PictureLibrary::Source::Rom);
    } catch (const kiv::Error& e) {
        return fileFailure("load", romPath, e);
    }
    QImage picture;
    try {
        picture = levelImage(kivLevel, pictures, level, withObjects);
    } catch (const kiv::Error& e) {
        return {Kind::Failed, "Unable to draw level " + rom::levelText(level) + " - " +
                                  e.description() + ", " + std::to_string(e.number())};
    }
    try {
        saveLevelImage(picture, outPath);
    } catch (const kiv::Error& e) {
        return fileFailure("write", outPath, e);
    }
    return {Kind::Done, "Level image written: " + outPath + " (" + rom::levelText(level) + ", " +
                            std::to_string(picture.width() / render::ScreenWidth) + " screens)"};
}

} // namespace cli
