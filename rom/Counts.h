#pragma once

// The counts a level document keeps (Screens_NN, Enemies_NN) decide how far every loop over its
// screens and enemies runs. The game's tables hold only so many of each, so a count is read
// through these functions, never straight from its text: a damaged or hand-edited document with
// a count of billions must neither hang the program nor write past a table.

#include <kiv/ConfigFile.h>

#include <string>
#include <string_view>

namespace rom {

// How many screens the pointer table of `level` holds, and how many records its enemy table
// holds; 0 for a name that is no level.
int screenCapacity(std::string_view level);
int enemyCapacity(std::string_view level);

// The count the key `key` holds, when its text is a whole decimal number from 0 to `capacity`
// (nothing trimmed). Otherwise throws kiv::Error naming the key and its value: TypeMismatch for a
// text that is no whole number, SubscriptOutOfRange for a number outside 0 to `capacity`.
int checkedCount(const kiv::ConfigFile& doc, const std::string& key, int capacity,
                 std::string_view table);
int screenCount(const kiv::ConfigFile& doc, std::string_view level);
int enemyCount(const kiv::ConfigFile& doc, std::string_view level);

// For showing a document rather than saving it: the number at the start of the text (fractions
// cut off, as the lists have always read it), held within 0 to `capacity`. A text that starts
// with no number counts as 0. Never throws.
int boundedCount(std::string_view text, int capacity);
int shownScreenCount(const kiv::ConfigFile& doc, std::string_view level);
int shownEnemyCount(const kiv::ConfigFile& doc, std::string_view level);

// The most entries a group of the object catalogue (Objects.txt) can list: one per object code.
inline constexpr int CatalogueCapacity = 256;

} // namespace rom
