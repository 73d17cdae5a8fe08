#pragma once

// The level document as the program edits it: the store `kivLevel` (which stays the document,
// read and written whole by load, save, import and export) with typed operations over it. Each
// operation marks the sections a save must rewrite and the document as changed, so no caller
// keeps that bookkeeping itself.

#include "rom/DataUsage.h"
#include "rom/EditHistory.h"
#include "rom/EncodedScreens.h"
#include "rom/LevelRecords.h"
#include "rom/RomImage.h"
#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rom {

class LevelDocument {
public:
    // The whole document, for passes over every key (save, export, usage, drawing).
    const kiv::ConfigFile& kivLevel() const { return kivLevel_; }
    // The store itself, for planting values no typed operation would write (a test's damaged or
    // hand-edited document). Nothing is marked: such code calls markChanged itself. The screens
    // encoded so far are forgotten here and at each markChanged, as the writes could reach any.
    kiv::ConfigFile& storeForKeyEdits();

    // ---- Cells: an object code, or nothing where the cell is empty ----
    std::optional<int> cell(LevelId level, const std::string& ref, int x, int y) const;
    void setCell(LevelId level, const std::string& ref, int x, int y, std::optional<int> code);
    void clearScreen(LevelId level, const std::string& ref);

    // ---- Records ----
    std::vector<ScreenRef> screenOrder(LevelId level) const;
    void setScreenOrder(LevelId level, const std::vector<ScreenRef>& refs);
    std::vector<EnemyRecord> enemies(LevelId level) const;
    void setEnemies(LevelId level, const std::vector<EnemyRecord>& records);
    std::vector<PowerUpRecord> powerUps() const;
    void setPowerUps(const std::vector<PowerUpRecord>& records);
    std::vector<PipeRecord> pipes(LevelId level) const;
    void setPipes(LevelId level, const std::vector<PipeRecord>& records);

    // ---- Whole documents ----
    // Reads the ROM at `path` into a fresh store that replaces the document only on success;
    // the document then holds no unsaved changes. Throws kiv::Error.
    void loadROM(const std::string& path);
    // The same for an image already in memory.
    void loadROM(const RomImage& image);
    // Imports the level-data file `path` through the import check (see ImportCheck.h); on success
    // every section is marked changed. Returns the refusal text, "" once imported.
    std::string importFile(const std::string& path);
    // The same for level data already read into a store, such as a recovery copy: once imported
    // `levelData` holds the replaced document. Throws kiv::Error when the data fails the check.
    std::string importStore(kiv::ConfigFile& levelData);
    // Writes the document as a level-data file. Throws kiv::Error.
    void exportFile(const std::string& path) const;

    // ---- Encoding ----
    // Bytes each region's screens would take in a save, as rom::dataUsage gives them; only the
    // screens changed since the last measurement are encoded again. Throws kiv::Error.
    DataUsage dataUsage() const;
    // The encoder's source over the same kept screens, for a save of this document.
    ScreenSource encodedScreens() const { return encoded_.source(kivLevel_); }

    // ---- History of cell edits ----
    // Begins anew with each load and import; a save keeps it.
    EditHistory& history() { return history_; }
    const EditHistory& history() const { return history_; }

    // ---- Unsaved changes ----
    bool dataChanged() const { return dataChanged_; }
    // Goes up with every change of the content (each mark, and each load that forgets them):
    // whoever remembers it can tell cheaply whether the document changed since it last looked.
    uint64_t changeCount() const { return changeCount_; }
    const SectionFlags& sectionChanged() const { return sectionChanged_; }
    void markChanged(int section);
    void markAllChanged();
    // After a Save As: the sections stay marked, as the next save writes them again.
    void markSaved() { dataChanged_ = false; }
    // After opening a ROM: nothing is unsaved.
    void forgetChanges();

private:
    void noteChange(int section);

    kiv::ConfigFile kivLevel_;
    // Kept across measurements of a document that did not change; never part of the document.
    mutable EncodedScreens encoded_;
    EditHistory history_;
    kiv::ConfigFile scratch_;   // import check
    kiv::ConfigFile loadSpace_; // what a load decodes into; kept for its room
    bool dataChanged_ = false;
    uint64_t changeCount_ = 0;
    SectionFlags sectionChanged_{};
};

} // namespace rom
