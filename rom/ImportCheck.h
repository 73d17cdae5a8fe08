#pragma once

#include <kiv/ConfigFile.h>

namespace rom {

// Checks that a save can write every part of the level data `levelData` and that the game would
// read its screens back as they stand: each number must be one its key can hold, each screen list
// must name designs of its world, and no screen may hold object 253 or 254 where the encoding
// starts a run of cells, as the game takes those bytes there for its run and column marks.
// Throws kiv::Error naming the first value that fails. Screens over their world's budget pass:
// the user can still trim them before saving. `levelData` itself is not changed.
void checkLevelData(const kiv::ConfigFile& levelData);

} // namespace rom
