#pragma once

// The Screen Manager over the sample ROM, with the main editor it reports back to, and helpers
// that place enemies, power-ups and pipes where a test wants them.

#include "editor/PictureLibrary.h"
#include "editor/ScreenEditor.h"
#include "editor/Workspace.h"
#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"
#include "screen_manager/ChoiceBox.h"
#include "screen_manager/ManagerChanges.h"
#include "screen_manager/frmScreenManager.h"
#include "tests/support/SampleWorkspace.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QTreeView>

#include <memory>
#include <stdexcept>
#include <string>

struct ManagerFixture {
    QTemporaryDir dir;
    PictureLibrary pictures;
    Workspace workspace;
    ManagerChanges changes;
    ScriptedDialogs dialogs;
    std::unique_ptr<ScreenEditor> editor;

    ManagerFixture() {
        const QString rom = writeSampleRom(dir.path());
        if (rom.isEmpty())
            throw std::runtime_error("cannot write the sample ROM");
        workspace.openROM(rom.toStdString());
        loadCatalogue(workspace);
        useOwnKinds();
        editor = std::make_unique<ScreenEditor>(workspace, pictures, dialogs);
        editor->enableEditing();
        editor->selectFirstLevel();
    }

    // A few enemy and power-up kinds of our own, so that descriptions are known to the tests;
    // the sample's other types have no entry and must survive a write-back unchanged.
    void useOwnKinds() {
        const std::pair<const char*, const char*> kinds[] = {
            {"Enemies", "3"},
            {"CodeE1", "0"},
            {"DescE1", "Walking mushroom"},
            {"CodeE2", "2"},
            {"DescE2", "Piranha plant"},
            {"CodeE3", "16"},
            {"DescE3", "Leaping fish"},
            {"PowerUps", "3"},
            {"CodeP1", "40"},
            {"DescP1", "Mushroom"},
            {"CodeP2", "192"},
            {"DescP2", "Coins"},
            {"CodeP3", "240"},
            {"DescP3", "Nothing"},
        };
        kiv::ConfigFile objects;
        objects.ConfigLoad(catalogueFile());
        for (const auto& [key, value] : kinds)
            objects.WriteValue(key, value);
        rom::Catalogue catalogue;
        catalogue.load(objects);
        workspace.useCatalogue(std::move(catalogue));
    }

    std::unique_ptr<frmScreenManager> open(const QString& levelText) {
        auto* cmbLevel = editor->findChild<QComboBox*>("cmbLevel");
        cmbLevel->setCurrentIndex(cmbLevel->findText(levelText));
        return std::make_unique<frmScreenManager>(workspace, changes, *editor, pictures);
    }

    // The document's keys, for setting up what the lists are to show.
    kiv::ConfigFile& kivLevel() { return workspace.document().storeForKeyEdits(); }
    std::string get(const std::string& key) const {
        return workspace.document().kivLevel().GetValue(key);
    }
    void set(const std::string& key, const std::string& value) {
        kivLevel().WriteValue(key, value);
    }

    void setEnemy(const std::string& level, int k, int storedScreen, int x, const std::string& y,
                  const std::string& type, const std::string& hard = "N") {
        set(rom::enemyKey(level, "screen", k), std::to_string(storedScreen));
        set(rom::enemyKey(level, "x", k), std::to_string(x));
        set(rom::enemyKey(level, "y", k), y);
        set(rom::enemyKey(level, "type", k), type);
        set(rom::enemyKey(level, "hard", k), hard);
    }
    int enemyCount(const std::string& level) const {
        return std::stoi(get(rom::enemiesKey(level)));
    }
    // Every enemy of the level onto the level's last screen, out of the tests' way.
    void parkEnemies(const std::string& level) {
        const int lastStored = std::stoi(get(rom::screensKey(level))) - 2;
        for (int k = 1; k <= enemyCount(level); ++k)
            setEnemy(level, k, lastStored, k % 10, "C", "2");
    }

    void setPowerUp(int k, const std::string& level, int screen, int x, const std::string& type) {
        set(rom::powerUpKey("level", k), level);
        set(rom::powerUpKey("screen", k), std::to_string(screen));
        set(rom::powerUpKey("x", k), std::to_string(x));
        set(rom::powerUpKey("type", k), type);
    }
    // The power-ups of `level` onto screen 16; returns the first record of the level.
    int parkPowerUps(const std::string& level) {
        int first = 0;
        for (int k = rom::PowerUpCount; k >= 1; --k) {
            if (get(rom::powerUpKey("level", k)) != level)
                continue;
            set(rom::powerUpKey("screen", k), "16");
            first = k;
        }
        return first;
    }

    void setPipe(const std::string& level, int k, int entry, int entryX, int bonus, int exit,
                 const std::string& exitX, int exitY) {
        set(rom::pipeKey(level, "entryscreen", k), std::to_string(entry));
        set(rom::pipeKey(level, "entryx", k), std::to_string(entryX));
        set(rom::pipeKey(level, "bonusscreen", k), std::to_string(bonus));
        set(rom::pipeKey(level, "exitscreen", k), std::to_string(exit));
        set(rom::pipeKey(level, "exitx", k), exitX);
        set(rom::pipeKey(level, "exity", k), std::to_string(exitY));
    }
};

// The text a list view shows in a cell.
inline QString cellText(const QTreeView* list, int row, int column) {
    return list->model()->index(row, column).data().toString();
}

inline int rowCount(const QTreeView* list) {
    return list->model()->rowCount();
}

// The texts of a list view's rows in list order, one column.
inline QStringList columnTexts(const QTreeView* list, int column) {
    QStringList texts;
    for (int i = 0; i < rowCount(list); ++i)
        texts << cellText(list, i, column);
    return texts;
}

// The first row whose column `column` reads `text`; -1 when none does.
inline int rowWith(const QTreeView* list, int column, const QString& text) {
    return static_cast<int>(columnTexts(list, column).indexOf(text));
}

// Makes `row` the current and only selected row, as the keyboard does.
inline void selectRow(QTreeView* list, int row) {
    list->setCurrentIndex(list->model()->index(row, 0));
}

inline bool isSelected(const QTreeView* list, int row) {
    return list->selectionModel()->isSelected(list->model()->index(row, 0));
}

// Picks `text` in a drop-down box as the user would.
inline void choose(QObject* window, const char* box, const QString& text) {
    auto* combo = window->findChild<ChoiceBox*>(box);
    combo->setCurrentIndex(combo->findText(text));
}
