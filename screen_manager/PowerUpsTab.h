#pragma once

#include "rom/LevelRecords.h"
#include "screen_manager/RecordTable.h"

#include <QFrame>
#include <QList>

#include <vector>

class ChoiceBox;
class PictureBox;
class QLabel;
class QTreeView;
struct ScreenNumbering;
namespace rom {
class Catalogue;
}

// The "Power-&ups" tab: the game's single list of 75 power-ups, each row carrying its own level,
// sorted by level, screen and X. Edits change the records only; the window writes them back in
// list order when it closes, so the records stay grouped by level.
class PowerUpsTab : public QFrame {
    Q_OBJECT

public:
    enum Column { ColType, ColLevel, ColScreen, ColX, ColLSX };
    using Table = RecordTable<rom::PowerUpRecord>;

    PowerUpsTab(const ScreenNumbering& numbering, const rom::Catalogue& catalogue,
                QWidget* parent = nullptr);

    // Lists all the records and fills the type box from the catalogue.
    void fillList(std::vector<rom::PowerUpRecord> records);
    const std::vector<rom::PowerUpRecord>& records() const { return table->records(); }
    void Tab3SortMainList();
    // Screens s and s + 1 of the edited level exchanged places: its power-ups follow them.
    void swapScreenNumbers(int s);
    // Marks the edited level's power-ups on screen number `s` in a preview.
    void paintPowerUps(PictureBox& box, int s) const;

    // The catalogue description of power-up type `type`; "" when the catalogue has none.
    QString Tab3GetPowerUpInfo(rom::Field type) const;
    // The type the catalogue describes as `description`; nothing when none is.
    rom::Field Tab3GetPowerUpType(const QString& description) const;

    QTreeView* list() const { return lvPowerups; }

public slots:
    void lvPowerups_ItemClick(int row);
    void cmbTypeP_Click();
    void cmbLevelP_Click();
    void cmbScreenP_Click();
    void cmbXP_Click();

signals:
    // An edit changed the marks of these screen numbers of the edited level.
    void edited(const QList<int>& screens);
    // The records differ from the document's.
    void changed();

private:
    static Table::Columns columns(const PowerUpsTab& tab);
    void Tab3UpdateMainList();
    rom::PowerUpRecord recordFromBoxes(int row) const;
    void noRowSelected();
    void enableBoxes(bool on);
    // The place the next edit moves a power-up away from, so its old mark can be cleared.
    void rememberPlace();
    bool isCurrentLevel(const QString& levelText) const;
    bool isCurrentLevel(const rom::PowerUpRecord& record) const;

    const ScreenNumbering& numbering;
    const rom::Catalogue& catalogue;

    bool powerUpEditOn = false;
    QString lastPowerUpScreen;
    QString lastPowerUpLevel;

    Table* table = nullptr;
    QTreeView* lvPowerups = nullptr;
    QLabel* lblTypeP = nullptr;
    ChoiceBox* cmbTypeP = nullptr;
    QLabel* lblLevelP = nullptr;
    ChoiceBox* cmbLevelP = nullptr;
    QLabel* lblScreenP = nullptr;
    ChoiceBox* cmbScreenP = nullptr;
    QLabel* lblXP = nullptr;
    ChoiceBox* cmbXP = nullptr;
};
