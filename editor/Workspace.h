#pragma once

// Everything the main window owns and hands to the editor and the Screen Manager: the level
// document, the object catalogue, the opened ROM and the encoder's scratch store. Windows edit
// the document through its typed operations, which keep the unsaved-changes bookkeeping.

#include "rom/Catalogue.h"
#include "rom/DataUsage.h"
#include "rom/LevelDocument.h"
#include "rom/RomWriter.h"

#include <kiv/ConfigFile.h>

#include <string>
#include <utility>

class Workspace {
public:
    rom::LevelDocument& document() { return document_; }
    const rom::LevelDocument& document() const { return document_; }

    const rom::Catalogue& catalogue() const { return catalogue_; }
    // Reads Objects.txt at `path`; throws kiv::Error and keeps the catalogue it had.
    void loadCatalogue(const std::string& path) { catalogue_.load(path); }
    void useCatalogue(rom::Catalogue catalogue) { catalogue_ = std::move(catalogue); }

    // The ROM the document was read from; empty until one has been opened.
    const std::string& romPath() const { return romPath_; }
    bool hasRom() const { return !romPath_.empty(); }
    // Reads the ROM at `path` into the document and makes it the opened ROM; the document then
    // holds no unsaved changes. Throws kiv::Error and leaves document and path as they were.
    void openROM(const std::string& path);
    // Save As: writes the document's changed sections into a copy of the opened ROM at `outPath`.
    // Once saved nothing is unsaved; the sections stay marked, as the next save starts again from
    // the opened ROM.
    rom::SaveOutcome saveROM(const std::string& outPath);
    // The image Save As would write now, with the same refusals, built in memory; the document
    // keeps its unsaved changes.
    rom::BuiltImage buildImage();
    // The bytes each world's screens would take in a save, re-encoding only the screens changed
    // since the last measurement or save. Throws kiv::Error.
    rom::DataUsage dataUsage();

    // The encoder's scratch store, which only save writes.
    const kiv::ConfigFile& kivSave() const { return kivSave_; }

private:
    rom::LevelDocument document_;
    rom::Catalogue catalogue_;
    kiv::ConfigFile kivSave_;
    std::string romPath_;
};
