#include "screen_manager/PipesTab.h"

#include "editor/PictureBox.h"
#include "editor/ScreenMarks.h"
#include "rom/Numbers.h"
#include "screen_manager/ChoiceBox.h"
#include "screen_manager/FieldText.h"
#include "screen_manager/TabWidgets.h"

#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTreeView>

#include <cmath>
#include <tuple>

using rom::PipeRecord;

namespace {

QString eighthsText(rom::Field eighths) {
    return sm::shown(eighths, [](int v) { return sm::qs(rom::eighthsText(v)); });
}

rom::Field eighthsOf(const QString& text) {
    return sm::fieldOf(text, [](std::string_view t) {
        return static_cast<int>(std::lround(rom::leadingNumber(t) * 8));
    });
}

// Screen s as s + 1 and s + 1 as s; true when `screen` was either.
bool swapped(rom::Field& screen, int s) {
    if (screen != s && screen != s + 1)
        return false;
    screen = screen == s ? s + 1 : s;
    return true;
}

double cells(rom::Field field) {
    return field.value_or(0);
}

} // namespace

PipesTab::Table::Columns PipesTab::columns() {
    return {
        {"Entry", 1235, [](const PipeRecord& r) { return sm::decimalText(r.entryScreen); }},
        {"Entry X", 1235, [](const PipeRecord& r) { return sm::decimalText(r.entryX); }},
        {"Bonus", 1235, [](const PipeRecord& r) { return sm::decimalText(r.bonusScreen); }},
        {"Exit", 1235, [](const PipeRecord& r) { return sm::decimalText(r.exitScreen); }},
        {"Exit X", 1235, [](const PipeRecord& r) { return eighthsText(r.exitXEighths); }},
        {"Exit Y", 1235, [](const PipeRecord& r) { return eighthsText(r.exitYEighths); }},
        {"SX", 882,
         [](const PipeRecord& r) {
             return sm::twoDigits(sm::decimalText(r.entryScreen)) +
                    sm::twoDigits(sm::decimalText(r.entryX));
         }},
    };
}

PipesTab::PipesTab(QWidget* parent) : QFrame(parent) {
    table = new Table(columns(), this);
    lvPipes = sm::makeListView(QStringLiteral("lvPipes"), *table, this);
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

    sm::followSelection(
        *lvPipes, this, [this](int row) { lvPipes_ItemClick(row); }, [this] { noRowSelected(); });
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

void PipesTab::fillList(std::vector<PipeRecord> records) {
    table->setRecords(std::move(records));
    Tab4SortMainList();
}

void PipesTab::Tab4SortMainList() {
    table->sort(ColSX, Qt::AscendingOrder);
}

void PipesTab::swapScreenNumbers(int s) {
    bool moved = false;
    for (int i = 0; i < table->count(); ++i) {
        PipeRecord r = table->record(i);
        const bool entry = swapped(r.entryScreen, s);
        const bool exit = swapped(r.exitScreen, s);
        if (!entry && !exit)
            continue;
        table->setRecord(i, r);
        moved = true;
    }
    if (moved)
        emit changed();
    Tab4SortMainList();
    // The boxes show the selected row's new screens, or the next edit would write the old ones.
    const int row = sm::selectedRow(*lvPipes);
    if (row >= 0)
        lvPipes_ItemClick(row);
}

void PipesTab::paintPipes(PictureBox& box, int s) const {
    const auto fill = [&box](const QRect& mark) {
        box.fillRect(mark.topLeft(), mark.bottomRight(), marks::PipeColor);
    };
    for (const PipeRecord& r : records()) {
        if (r.entryScreen == s)
            fill(marks::pipeEntryBar(cells(r.entryX)));
        if (r.exitScreen == s)
            fill(marks::pipeExitBox(cells(r.exitXEighths) / 8, cells(r.exitYEighths) / 8));
    }
}

void PipesTab::lvPipes_ItemClick(int row) {
    if (row < 0)
        return;
    if (sm::selectedRow(*lvPipes) != row)
        sm::selectQuietly(*lvPipes, row);
    enableBoxes(true);
    pipeEditOn = false;
    cmbEntry->setText(table->text(row, ColEntry));
    cmbEntryX->setText(table->text(row, ColEntryX));
    cmbBonus->setText(table->text(row, ColBonus));
    cmbExit->setText(table->text(row, ColExit));
    cmbExitX->setText(table->text(row, ColExitX));
    cmbExitY->setText(table->text(row, ColExitY));
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
    const int row = sm::selectedRow(*lvPipes);
    if (row < 0)
        return;
    table->setRecord(row, recordFromBoxes(row));
    Tab4SortMainList();
    emit changed();

    QList<int> screens;
    for (const QString& screen :
         {cmbEntry->text(), cmbExit->text(), lastEntryScreen, lastExitScreen})
        if (!screen.isEmpty())
            screens << sm::numberOf(screen);
    emit edited(screens);
}

PipeRecord PipesTab::recordFromBoxes(int row) const {
    PipeRecord r = table->record(row);
    r.entryScreen = sm::decimalOf(cmbEntry->text());
    r.entryX = sm::decimalOf(cmbEntryX->text());
    r.bonusScreen = sm::decimalOf(cmbBonus->text());
    r.exitScreen = sm::decimalOf(cmbExit->text());
    r.exitXEighths = eighthsOf(cmbExitX->text());
    r.exitYEighths = eighthsOf(cmbExitY->text());
    return r;
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
