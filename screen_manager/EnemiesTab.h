#pragma once

#include <QFrame>
#include <QImage>
#include <QList>
#include <QPoint>

#include <string>

class ChoiceBox;
class PictureBox;
class PictureLibrary;
class QCheckBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
struct ScreenNumbering;
struct ManagerWorkspace;

// The "&Enemies" tab: every enemy of the edited level, one row per record, sorted by screen and
// X. Edits stay in the list until the window closes; Tab2WriteKIV then writes the rows back in
// list order. Screens are shown as the user numbers them: the stored screen plus 2.
class EnemiesTab : public QFrame {
    Q_OBJECT

public:
    enum Column { ColType, ColHard, ColScreen, ColX, ColY, ColSX };

    EnemiesTab(ManagerWorkspace& workspace, const ScreenNumbering& numbering,
               const PictureLibrary& pictures, QWidget* parent = nullptr);

    // Offers screen number `number` in the screen box (numbers above 3 only).
    void addScreenNumber(int number);
    // Builds the rows from the level document and fills the type box from the catalogue.
    void fillList();
    void Tab2WriteKIV();
    void Tab2SortMainList();
    // Screens s and s + 1 exchanged places: their enemies follow them.
    void swapScreenNumbers(int s);
    // Paints the enemies of screen number `s` into a preview.
    void paintEnemies(PictureBox& box, int s) const;

    // With `hexType`, the catalogue description of that type ("" if none); else the decimal
    // catalogue code of description `descType` ("" if none).
    QString Tab2GetEnemyInfo(const QString& hexType, const QString& descType) const;
    // The picture of the type described by `eType`; the fallback picture when there is none.
    QImage Tab2GetEnemyPicture(const QString& eType) const;
    // The top-left pixel of `picture` for an enemy at X `eX` with position byte `eY`.
    static QPoint Tab2EnemyCoordinates(const QImage& picture, const QString& eX, const QString& eY);

    QTreeWidget* list() const { return lvEnemies; }

public slots:
    void lvEnemies_ItemClick(QTreeWidgetItem* item);
    void cmbType_Click();
    void chkHard_Click();
    void cmbScreen_Click();
    void cmbX_Click();
    void cmbY_Click();

signals:
    // An edit changed the marks of these screen numbers.
    void edited(const QList<int>& screens);

private:
    void Tab2UpdateMainList();
    // Moves X to 2 when the boxes put the enemy on screen 4 further left; true when it did,
    // and the row was updated on the way.
    bool keepOffScreenFourEdge();
    void noRowSelected();
    void enableBoxes(bool on);
    QString typeTextOf(const QTreeWidgetItem& row) const;
    QImage pictureOf(const QTreeWidgetItem& row) const;
    QImage pictureOfCode(int code) const;
    void showPicture(const QImage& picture);
    QString catalogue(const std::string& key) const;
    QString document(const std::string& key) const;

    ManagerWorkspace& ws;
    const ScreenNumbering& numbering;
    const PictureLibrary& pictures;

    bool enemyEditOn = false;
    QString lastEnemyScreen;

    QTreeWidget* lvEnemies = nullptr;
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
