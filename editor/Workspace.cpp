#include "editor/Workspace.h"

void Workspace::openROM(const std::string& path) {
    document_.loadROM(path);
    romPath_ = path;
}

rom::SaveOutcome Workspace::saveROM(const std::string& outPath) {
    rom::SaveOutcome outcome = rom::saveROM(romPath_, outPath, document_.kivLevel(), kivSave_,
                                            document_.sectionChanged(), document_.encodedScreens());
    if (outcome.kind == rom::SaveOutcome::Kind::Saved)
        document_.markSaved();
    return outcome;
}

rom::BuiltImage Workspace::buildImage() {
    return rom::buildImage(romPath_, document_.kivLevel(), kivSave_, document_.sectionChanged(),
                           document_.encodedScreens());
}

rom::DataUsage Workspace::dataUsage() {
    return document_.dataUsage();
}
