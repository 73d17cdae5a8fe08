#pragma once

#include "rom/LevelRecords.h"
#include "screen_manager/RecordTable.h"

#include <QFrame>
#include <QImage>
#include <QList>
#include <QPoint>

#include <vector>

class ChoiceBox;
class PictureBox;
class PictureLibrary;
class QCheckBox;
class QLabel;
class QTreeView;
namespace rom {
class Catalogue;
}

// The "&Enemies" tab: every enemy of the edited level, one row per record, sorted by screen and
// X. Edits change the records only; the window writes them back in list order when it closes.
// Screens are shown as the user numbers them: the stored screen plus 2.
class EnemiesTab : public QFrame {
    Q_OBJECT

public:
    enum Column { ColType, ColHard, ColScreen, ColX, ColY, ColSX };
    using Table = RecordTable<rom::EnemyRecord>;

    EnemiesTab(const rom::Catalogue& catalogue, const PictureLibrary& pictures,
               QWidget* parent = nullptr);

    // Offers screen number `number` in the screen box (numbers above 3 only).
    void addScreenNumber(int number);
    // Lists the level's records and fills the type box from the catalogue.
    void fillList(std::vector<rom::EnemyRecord> records);
    const std::vector<rom::EnemyRecord>& records() const { return table->records(); }
    void Tab2SortMainList();
    // Screens s and s + 1 exchanged places: their enemies follow them.
    void swapScreenNumbers(int s);
    // Paints the enemies of screen number `s` into a preview.
    void paintEnemies(PictureBox& box, int s) const;

    // The catalogue description of enemy type `type`; "" when the catalogue has none.
    QString Tab2GetEnemyInfo(rom::Field type) const;
    // The type the catalogue describes as `description`; nothing when none is.
    rom::Field Tab2GetEnemyType(const QString& description) const;
    // The picture of the type described by `eType`; the fallback picture when there is none.
    QImage Tab2GetEnemyPicture(const QString& eType) const;
    // The top-left pixel of `picture` for an enemy at X `eX` with position byte `eY`.
    static QPoint Tab2EnemyCoordinates(const QImage& picture, rom::Field eX, rom::Field eY);

    QTreeView* list() const { return lvEnemies; }

public slots:
    void lvEnemies_ItemClick(int row);
    void cmbType_Click();
    void chkHard_Click();
    void cmbScreen_Click();
    void cmbX_Click();
    void cmbY_Click();

signals:
    // An edit changed the marks of these screen numbers.
    void edited(const QList<int>& screens);
    // The records differ from the document's.
    void changed();

private:
    static Table::Columns columns(const EnemiesTab& tab);
    void Tab2UpdateMainList();
    // The selected row's record with the boxes' values.
    rom::EnemyRecord recordFromBoxes(int row) const;
    // Moves X to 2 when the boxes put the enemy on screen 4 further left; true when it did,
    // and the row was updated on the way.
    bool keepOffScreenFourEdge();
    void noRowSelected();
    void enableBoxes(bool on);
    QImage pictureOf(const rom::EnemyRecord& record) const;
    QImage pictureOfCode(int code) const;
    void showPicture(const QImage& picture);

    const rom::Catalogue& catalogue;
    const PictureLibrary& pictures;

    bool enemyEditOn = false;
    QString lastEnemyScreen;

    Table* table = nullptr;
    QTreeView* lvEnemies = nullptr;
    QLabel* lblType = nullptr;
    ChoiceBox* cmbType = nullptr;
    QCheckBox* chkHard = nullptr;
    QLabel* lblScreen = nullptr;
    ChoiceBox* cmbScreen = nullptr;
    QLabel* lblX = nullptr;
    ChoiceBox* cmbX = nullptr;
    QLabel* lblY = nullptr;
    ChoiceBox* cmbY = nullptr;
    QLabel* picEnemy = nullptr;
};
