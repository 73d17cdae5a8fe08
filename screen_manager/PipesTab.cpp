#include "screen_manager/PipesTab.h"

#include "editor/PictureBox.h"
#include "editor/ScreenMarks.h"
#include "editor/ScreenNumbering.h"
#include "rom/LevelKeys.h"
#include "screen_manager/ChoiceBox.h"
#include "screen_manager/FieldText.h"
#include "screen_manager/ManagerWorkspace.h"
#include "screen_manager/TabWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <array>
#include <tuple>

using sm::qs;
using sm::valueOf;

namespace {

// The document's field names, in column order.
constexpr std::array<const char*, 6> Fields = {"entryscreen", "entryx", "bonusscreen",
                                               "exitscreen",  "exitx",  "exity"};

QString sortKey(const QString& entry, const QString& entryX) {
    return sm::twoDigits(entry) + sm::twoDigits(entryX);
}

QString swapped(const QString& screen, int s, bool& changed) {
    const double number = valueOf(screen);
    if (number != s && number != s + 1)
        return screen;
    changed = true;
    return QString::number(number == s ? s + 1 : s);
}

} // namespace

PipesTab::PipesTab(ManagerWorkspace& workspace, const ScreenNumbering& numbering, QWidget* parent)
    : QFrame(parent), ws(workspace), numbering(numbering) {
    lvPipes = sm::makeListView(QStringLiteral("lvPipes"),
                               {{"Entry", 1235},
                                {"Entry X", 1235},
                                {"Bonus", 1235},
                                {"Exit", 1235},
                                {"Exit X", 1235},
                                {"Exit Y", 1235},
                                {"SX", 882}},
                               this);
    std::tie(lblEntry, cmbEntry) = sm::makeLabelledBox(
        tr("Entry &screen:"), QStringLiteral("lblEntry"), QStringLiteral("cmbEntry"), {}, this);
    std::tie(lblEntryX, cmbEntryX) =
        sm::makeLabelledBox(tr("E&ntry X:"), QStringLiteral("lblEntryX"),
                            QStringLiteral("cmbEntryX"), sm::numberTexts(0, 19), this);
    std::tie(lblBonus, cmbBonus) =
        sm::makeLabelledBox(tr("&Bonus screen:"), QStringLiteral("lblBonus"),
                            QStringLiteral("cmbBonus"), sm::numberTexts(1, 2), this);
    std::tie(lblExit, cmbExit) = sm::makeLabelledBox(tr("Exi&t screen:"), QStringLiteral("lblExit"),
                                                     QStringLiteral("cmbExit"), {}, this);
    std::tie(lblExitX, cmbExitX) =
        sm::makeLabelledBox(tr("Exit &X:"), QStringLiteral("lblExitX"), QStringLiteral("cmbExitX"),
                            sm::numberTexts(0, 19), this);
    std::tie(lblExitY, cmbExitY) =
        sm::makeLabelledBox(tr("Exit &Y:"), QStringLiteral("lblExitY"), QStringLiteral("cmbExitY"),
                            sm::numberTexts(0, 17), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lvPipes, 0, 0, 1, 2);
    int row = 1;
    for (auto [label, box] : std::initializer_list<sm::LabelledBox>{{lblEntry, cmbEntry},
                                                                    {lblEntryX, cmbEntryX},
                                                                    {lblBonus, cmbBonus},
                                                                    {lblExit, cmbExit},
                                                                    {lblExitX, cmbExitX},
                                                                    {lblExitY, cmbExitY}}) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->setRowStretch(0, 1);

    connect(lvPipes, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QTreeWidgetItem* selected = sm::selectedRow(*lvPipes))
            lvPipes_ItemClick(selected);
        else
            noRowSelected();
    });
    connect(cmbEntry, &ChoiceBox::changed, this, &PipesTab::cmbEntry_Click);
    connect(cmbEntryX, &ChoiceBox::changed, this, &PipesTab::cmbEntryX_Click);
    connect(cmbBonus, &ChoiceBox::changed, this, &PipesTab::cmbBonus_Click);
    connect(cmbExit, &ChoiceBox::changed, this, &PipesTab::cmbExit_Click);
    connect(cmbExitX, &ChoiceBox::changed, this, &PipesTab::cmbExitX_Click);
    connect(cmbExitY, &ChoiceBox::changed, this, &PipesTab::cmbExitY_Click);
}

void PipesTab::addScreenNumber(int number) {
    cmbEntry->addChoices({QString::number(number)});
    cmbExit->addChoices({QString::number(number)});
}

void PipesTab::fillList() {
    for (int k = 1; k <= 2; ++k) {
        QStringList texts;
        for (const char* field : Fields)
            texts << document(rom::pipeKey(numbering.curLevel, field, k));
        texts << sortKey(texts[ColEntry], texts[ColEntryX]);
        new QTreeWidgetItem(lvPipes, texts);
    }
    Tab4SortMainList();
}

void PipesTab::Tab4WriteKIV() {
    for (int i = 0; i < lvPipes->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& row = *lvPipes->topLevelItem(i);
        for (int column = ColEntry; column <= ColExitY; ++column)
            sm::writeField(ws.kivLevel, rom::pipeKey(numbering.curLevel, Fields[column], i + 1),
                           row.text(column));
    }
}

void PipesTab::Tab4SortMainList() {
    lvPipes->sortItems(ColSX, Qt::AscendingOrder);
}

void PipesTab::swapScreenNumbers(int s) {
    for (int i = 0; i < lvPipes->topLevelItemCount(); ++i) {
        QTreeWidgetItem& row = *lvPipes->topLevelItem(i);
        bool entryChanged = false;
        bool exitChanged = false;
        row.setText(ColEntry, swapped(row.text(ColEntry), s, entryChanged));
        row.setText(ColExit, swapped(row.text(ColExit), s, exitChanged));
        if (entryChanged)
            row.setText(ColSX, sortKey(row.text(ColEntry), row.text(ColEntryX)));
        if (entryChanged || exitChanged)
            ws.smPipeChanged = true;
    }
    Tab4SortMainList();
    // The boxes show the selected row's new screens, or the next edit would write the old ones.
    if (QTreeWidgetItem* row = sm::selectedRow(*lvPipes))
        lvPipes_ItemClick(row);
}

void PipesTab::paintPipes(PictureBox& box, int s) const {
    const auto fill = [&box](const QRect& mark) {
        box.fillRect(mark.topLeft(), mark.bottomRight(), marks::PipeColor);
    };
    for (int i = 0; i < lvPipes->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& row = *lvPipes->topLevelItem(i);
        if (valueOf(row.text(ColEntry)) == s)
            fill(marks::pipeEntryBar(valueOf(row.text(ColEntryX))));
        if (valueOf(row.text(ColExit)) == s)
            fill(marks::pipeExitBox(valueOf(row.text(ColExitX)), valueOf(row.text(ColExitY))));
    }
}

void PipesTab::lvPipes_ItemClick(QTreeWidgetItem* item) {
    if (!item)
        return;
    if (sm::selectedRow(*lvPipes) != item) {
        const QSignalBlocker quiet(lvPipes);
        lvPipes->setCurrentItem(item);
    }
    enableBoxes(true);
    pipeEditOn = false;
    cmbEntry->setText(item->text(ColEntry));
    cmbEntryX->setText(item->text(ColEntryX));
    cmbBonus->setText(item->text(ColBonus));
    cmbExit->setText(item->text(ColExit));
    cmbExitX->setText(item->text(ColExitX));
    cmbExitY->setText(item->text(ColExitY));
    pipeEditOn = true;
}

void PipesTab::cmbEntry_Click() {
    Tab4UpdateMainList();
    lastEntryScreen = cmbEntry->text();
}

void PipesTab::cmbEntryX_Click() {
    Tab4UpdateMainList();
}

void PipesTab::cmbBonus_Click() {
    Tab4UpdateMainList();
}

void PipesTab::cmbExit_Click() {
    Tab4UpdateMainList();
    lastExitScreen = cmbExit->text();
}

void PipesTab::cmbExitX_Click() {
    Tab4UpdateMainList();
}

void PipesTab::cmbExitY_Click() {
    Tab4UpdateMainList();
}

void PipesTab::Tab4UpdateMainList() {
    if (!pipeEditOn)
        return;
    QTreeWidgetItem* row = sm::selectedRow(*lvPipes);
    if (!row)
        return;
    const std::array<ChoiceBox*, 6> boxes = {cmbEntry, cmbEntryX, cmbBonus,
                                             cmbExit,  cmbExitX,  cmbExitY};
    for (int column = ColEntry; column <= ColExitY; ++column)
        row->setText(column, boxes[column]->text());
    row->setText(ColSX, sortKey(cmbEntry->text(), cmbEntryX->text()));
    Tab4SortMainList();
    ws.smPipeChanged = true;

    QList<int> screens;
    for (const QString& screen :
         {cmbEntry->text(), cmbExit->text(), lastEntryScreen, lastExitScreen})
        if (!screen.isEmpty())
            screens << static_cast<int>(valueOf(screen));
    emit edited(screens);
}

void PipesTab::noRowSelected() {
    // Boxes that stayed enabled would take edits that no row receives.
    pipeEditOn = false;
    enableBoxes(false);
}

void PipesTab::enableBoxes(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{lblEntry, cmbEntry, lblEntryX, cmbEntryX,
                                                      lblBonus, cmbBonus, lblExit, cmbExit,
                                                      lblExitX, cmbExitX, lblExitY, cmbExitY})
        w->setEnabled(on);
}

QString PipesTab::document(const std::string& key) const {
    return qs(ws.kivLevel.GetValue(key));
}
