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

// The "&Pipes" tab: the two pipes of the edited level (none for levels 12, 23 and 43), sorted by
// entry screen and entry X. Edits change the records only; the window writes them back in list
// order when it closes. Values are shown as the document writes them.
class PipesTab : public QFrame {
    Q_OBJECT

public:
    enum Column { ColEntry, ColEntryX, ColBonus, ColExit, ColExitX, ColExitY, ColSX };
    using Table = RecordTable<rom::PipeRecord>;

    explicit PipesTab(QWidget* parent = nullptr);

    // Offers screen number `number` in the entry and exit screen boxes.
    void addScreenNumber(int number);
    // Lists the level's pipes.
    void fillList(std::vector<rom::PipeRecord> records);
    const std::vector<rom::PipeRecord>& records() const { return table->records(); }
    void Tab4SortMainList();
    // Screens s and s + 1 exchanged places: entries and exits follow them, bonus screens stay.
    void swapScreenNumbers(int s);
    // Marks the entries and exits on screen number `s` in a preview.
    void paintPipes(PictureBox& box, int s) const;

    QTreeView* list() const { return lvPipes; }

public slots:
    void lvPipes_ItemClick(int row);
    void cmbEntry_Click();
    void cmbEntryX_Click();
    void cmbBonus_Click();
    void cmbExit_Click();
    void cmbExitX_Click();
    void cmbExitY_Click();

signals:
    // An edit changed the marks of these screen numbers.
    void edited(const QList<int>& screens);
    // The records differ from the document's.
    void changed();

private:
    static Table::Columns columns();
    void Tab4UpdateMainList();
    rom::PipeRecord recordFromBoxes(int row) const;
    void noRowSelected();
    void enableBoxes(bool on);

    bool pipeEditOn = false;
    QString lastEntryScreen;
    QString lastExitScreen;

    Table* table = nullptr;
    QTreeView* lvPipes = nullptr;
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
