#pragma once

#include <QFrame>
#include <QList>

#include <string>

class ChoiceBox;
class PictureBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
struct ScreenNumbering;
struct ManagerWorkspace;

// The "Power-&ups" tab: the game's single list of 75 power-ups, each row carrying its own level,
// sorted by level, screen and X. Edits stay in the list until the window closes; Tab3WriteKIV
// then writes the rows back in list order, so the records stay grouped by level.
class PowerUpsTab : public QFrame {
    Q_OBJECT

public:
    enum Column { ColType, ColLevel, ColScreen, ColX, ColLSX };
    static constexpr int Count = 75;

    PowerUpsTab(ManagerWorkspace& workspace, const ScreenNumbering& numbering,
                QWidget* parent = nullptr);

    // Builds all 75 rows from the level document and fills the type box from the catalogue.
    void fillList();
    void Tab3WriteKIV();
    void Tab3SortMainList();
    // Screens s and s + 1 of the edited level exchanged places: its power-ups follow them.
    void swapScreenNumbers(int s);
    // Marks the edited level's power-ups on screen number `s` in a preview.
    void paintPowerUps(PictureBox& box, int s) const;

    // With `numType`, the catalogue description of that type ("" if none); else the catalogue
    // code of description `descType` ("" if none).
    QString Tab3GetPowerUpInfo(const QString& numType, const QString& descType) const;

    QTreeWidget* list() const { return lvPowerups; }

public slots:
    void lvPowerups_ItemClick(QTreeWidgetItem* item);
    void cmbTypeP_Click();
    void cmbLevelP_Click();
    void cmbScreenP_Click();
    void cmbXP_Click();

signals:
    // An edit changed the marks of these screen numbers of the edited level.
    void edited(const QList<int>& screens);

private:
    void Tab3UpdateMainList();
    void noRowSelected();
    void enableBoxes(bool on);
    // The place the next edit moves a power-up away from, so its old mark can be cleared.
    void rememberPlace();
    bool isCurrentLevel(const QString& levelText) const;
    QString catalogue(const std::string& key) const;
    QString document(const std::string& key) const;

    ManagerWorkspace& ws;
    const ScreenNumbering& numbering;

    bool powerUpEditOn = false;
    QString lastPowerUpScreen;
    QString lastPowerUpLevel;

    QTreeWidget* lvPowerups = nullptr;
    QLabel* lblTypeP = nullptr;
    ChoiceBox* cmbTypeP = nullptr;
    QLabel* lblLevelP = nullptr;
    ChoiceBox* cmbLevelP = nullptr;
    QLabel* lblScreenP = nullptr;
    ChoiceBox* cmbScreenP = nullptr;
    QLabel* lblXP = nullptr;
    ChoiceBox* cmbXP = nullptr;
};
