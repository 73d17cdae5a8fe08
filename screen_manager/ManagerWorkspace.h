#pragma once

// What the Screen Manager's lists work on while they still edit the document key by key: the
// document's store, the catalogue's enemy and power-up entries under their keys, and the
// Manager's own record of what it changed, which markChanges hands to the document once the
// Manager has closed.

#include "rom/LevelDocument.h"
#include "rom/LevelId.h"

#include <kiv/ConfigFile.h>

class Workspace;

struct ManagerWorkspace {
    explicit ManagerWorkspace(Workspace& workspace);

    kiv::ConfigFile& kivLevel;
    kiv::ConfigFile kivObjects;

    bool smChanged = false; // the screen order of the Manager's level
    bool smEnemyChanged = false;
    bool smPowerUpChanged = false;
    bool smPipeChanged = false;

    // Marks the sections the flags name (for the screen order, the section of `level`'s world)
    // and clears the flags.
    void markChanges(rom::LevelDocument& document, rom::LevelId level);
};
