#pragma once

#include <kiv/ConfigFile.h>

#include <string>

namespace rom {

// Checks that a save can write every part of the level data `levelData` and that the game would
// read its screens back as they stand: each number must be one its key can hold, each screen list
// must name designs of its world, and no screen may hold object 253 or 254 where the encoding
// starts a run of cells, as the game takes those bytes there for its run and column marks.
// Throws kiv::Error naming the first value that fails. Screens over their world's budget pass:
// the user can still trim them before saving. `levelData` itself is not changed.
void checkLevelData(const kiv::ConfigFile& levelData);

// What an import shows when the file is readable but holds no level data.
inline constexpr const char* NotLevelDataText = "Please import a valid Tarnwick Data file.";

// Imports the level-data file `path`: it is read into `scratch`, must hold Screens_11 and pass
// checkLevelData, and only then takes the place of `kivLevel` (the two stores are swapped).
// Returns NotLevelDataText for a file without Screens_11, "" once imported. A file that cannot be
// read, or fails the check, throws kiv::Error. Short of a finished import `kivLevel` is unchanged.
std::string importLevelData(const std::string& path, kiv::ConfigFile& kivLevel,
                            kiv::ConfigFile& scratch);

// The same for level data already read into `loaded` (a recovery copy read by the program): on
// success `loaded` holds the replaced document, otherwise `kivLevel` is unchanged.
std::string importLevelStore(kiv::ConfigFile& loaded, kiv::ConfigFile& kivLevel);

} // namespace rom
