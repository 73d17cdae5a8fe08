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

// The "&Pipes" tab: the two pipes of the edited level (none for levels 12, 23 and 43), sorted by
// entry screen and entry X. Edits stay in the list until the window closes; Tab4WriteKIV then
// writes the rows back in list order. Values are shown as the document holds them.
class PipesTab : public QFrame {
    Q_OBJECT

public:
    enum Column { ColEntry, ColEntryX, ColBonus, ColExit, ColExitX, ColExitY, ColSX };

    PipesTab(ManagerWorkspace& workspace, const ScreenNumbering& numbering,
             QWidget* parent = nullptr);

    // Offers screen number `number` in the entry and exit screen boxes.
    void addScreenNumber(int number);
    // Builds the two rows from the level document.
    void fillList();
    void Tab4WriteKIV();
    void Tab4SortMainList();
    // Screens s and s + 1 exchanged places: entries and exits follow them, bonus screens stay.
    void swapScreenNumbers(int s);
    // Marks the entries and exits on screen number `s` in a preview.
    void paintPipes(PictureBox& box, int s) const;

    QTreeWidget* list() const { return lvPipes; }

public slots:
    void lvPipes_ItemClick(QTreeWidgetItem* item);
    void cmbEntry_Click();
    void cmbEntryX_Click();
    void cmbBonus_Click();
    void cmbExit_Click();
    void cmbExitX_Click();
    void cmbExitY_Click();

signals:
    // An edit changed the marks of these screen numbers.
    void edited(const QList<int>& screens);

private:
    void Tab4UpdateMainList();
    void noRowSelected();
    void enableBoxes(bool on);
    QString document(const std::string& key) const;

    ManagerWorkspace& ws;
    const ScreenNumbering& numbering;

    bool pipeEditOn = false;
    QString lastEntryScreen;
    QString lastExitScreen;

    QTreeWidget* lvPipes = nullptr;
    QLabel* lblEntry = nullptr;
    ChoiceBox* cmbEntry = nullptr;
    QLabel* lblEntryX = nullptr;
    ChoiceBox* cmbEntryX = nullptr;
    QLabel* lblBonus = nullptr;
    ChoiceBox* cmbBonus = nullptr;
    QLabel* lblExit = nullptr;
    ChoiceBox* cmbExit = nullptr;
    QLabel* lblExitX = nullptr;
    ChoiceBox* cmbExitX = nullptr;
    QLabel* lblExitY = nullptr;
    ChoiceBox* cmbExitY = nullptr;
};
