#pragma once

#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <array>
#include <string>

// Everything the main window owns and hands to the editor and the Screen Manager.
struct Workspace {
    kiv::ConfigFile kivLevel;   // the level document
    kiv::ConfigFile kivUndo;    // cells of the last edit click
    kiv::ConfigFile kivSave;    // scratch: import check and encoding
    kiv::ConfigFile kivObjects; // the object catalogue (Objects.txt)

    std::string romFile;
    bool dataChanged = false;
    std::array<bool, rom::SectionCount> sectionChanged{};

    // Raised by the Screen Manager; the main window turns them into section flags.
    bool smChanged = false;
    bool smEnemyChanged = false;
    bool smPowerUpChanged = false;
    bool smPipeChanged = false;
};
