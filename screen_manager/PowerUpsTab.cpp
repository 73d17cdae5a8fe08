#include "screen_manager/PowerUpsTab.h"

#include "editor/PictureBox.h"
#include "editor/ScreenMarks.h"
#include "editor/ScreenNumbering.h"
#include "rom/Catalogue.h"
#include "rom/LevelKeys.h"
#include "rom/ObjectPlacement.h"
#include "rom/RomLayout.h"
#include "screen_manager/ChoiceBox.h"
#include "screen_manager/FieldText.h"
#include "screen_manager/TabWidgets.h"

#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTreeView>

#include <tuple>

using rom::PowerUpRecord;
using sm::qs;

namespace {

QString withoutDash(QString levelText) {
    return levelText.remove(QLatin1Char('-'));
}

// "1-1" for level 11, as the level box offers it.
QString levelText(const PowerUpRecord& r) {
    return sm::shown(r.level, [](int level) {
        const QString digits = QString::number(level);
        return digits.left(1) + QLatin1Char('-') + digits.right(1);
    });
}

QStringList levelTexts() {
    QStringList texts;
    for (std::string_view level : rom::Levels)
        texts << qs(rom::levelText(level));
    return texts;
}

} // namespace

PowerUpsTab::Table::Columns PowerUpsTab::columns(const PowerUpsTab& tab) {
    return {
        {"Type", 3881, [&tab](const PowerUpRecord& r) { return tab.Tab3GetPowerUpInfo(r.type); }},
        {"Level", 1235, levelText},
        {"Screen", 1235, [](const PowerUpRecord& r) { return sm::decimalText(r.screen); }},
        {"X", 882, [](const PowerUpRecord& r) { return sm::decimalText(r.x); }},
        {"LSX", 0, [](const PowerUpRecord& r) { return qs(rom::powerUpListKey(r)); }},
    };
}

PowerUpsTab::PowerUpsTab(const ScreenNumbering& numbering, const rom::Catalogue& catalogue,
                         QWidget* parent)
    : QFrame(parent), numbering(numbering), catalogue(catalogue) {
    table = new Table(columns(*this), this);
    lvPowerups = sm::makeListView(QStringLiteral("lvPowerups"), *table, this);
    std::tie(lblTypeP, cmbTypeP) = sm::makeLabelledBox(tr("&Type:"), QStringLiteral("lblTypeP"),
                                                       QStringLiteral("cmbTypeP"), {}, this);
    std::tie(lblLevelP, cmbLevelP) =
        sm::makeLabelledBox(tr("&Level:"), QStringLiteral("lblLevelP"), QStringLiteral("cmbLevelP"),
                            levelTexts(), this);
    std::tie(lblScreenP, cmbScreenP) =
        sm::makeLabelledBox(tr("&Screen:"), QStringLiteral("lblScreenP"),
                            QStringLiteral("cmbScreenP"), sm::numberTexts(1, 25), this);
    std::tie(lblXP, cmbXP) = sm::makeLabelledBox(
        tr("&X:"), QStringLiteral("lblXP"), QStringLiteral("cmbXP"), sm::numberTexts(0, 19), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lvPowerups, 0, 0, 1, 4);
    grid->addWidget(lblTypeP, 1, 0);
    grid->addWidget(cmbTypeP, 1, 1, 1, 3);
    grid->addWidget(lblLevelP, 2, 0);
    grid->addWidget(cmbLevelP, 2, 1);
    grid->addWidget(lblScreenP, 3, 0);
    grid->addWidget(cmbScreenP, 3, 1);
    grid->addWidget(lblXP, 4, 0);
    grid->addWidget(cmbXP, 4, 1);
    grid->setRowStretch(0, 1);

    sm::followSelection(
        *lvPowerups, this, [this](int row) { lvPowerups_ItemClick(row); },
        [this] { noRowSelected(); });
    connect(cmbTypeP, &ChoiceBox::changed, this, &PowerUpsTab::cmbTypeP_Click);
    connect(cmbLevelP, &ChoiceBox::changed, this, &PowerUpsTab::cmbLevelP_Click);
    connect(cmbScreenP, &ChoiceBox::changed, this, &PowerUpsTab::cmbScreenP_Click);
    connect(cmbXP, &ChoiceBox::changed, this, &PowerUpsTab::cmbXP_Click);
}

void PowerUpsTab::fillList(std::vector<PowerUpRecord> records) {
    table->setRecords(std::move(records));
    Tab3SortMainList();
    cmbTypeP->addChoices(sm::descriptionsOf(catalogue.powerUps()));
}

void PowerUpsTab::Tab3SortMainList() {
    table->sort(ColLSX, Qt::AscendingOrder);
}

void PowerUpsTab::swapScreenNumbers(int s) {
    bool moved = false;
    for (int i = 0; i < table->count(); ++i) {
        PowerUpRecord r = table->record(i);
        if (!isCurrentLevel(r) || !r.screen || (*r.screen != s && *r.screen != s + 1))
            continue;
        r.screen = *r.screen == s ? s + 1 : s;
        table->setRecord(i, r);
        moved = true;
    }
    if (moved)
        emit changed();
    Tab3SortMainList();
    // The boxes show the selected row's new screen, or the next edit would write the old one.
    const int row = sm::selectedRow(*lvPowerups);
    if (row >= 0)
        lvPowerups_ItemClick(row);
}

void PowerUpsTab::paintPowerUps(PictureBox& box, int s) const {
    for (const PowerUpRecord& r : records()) {
        if (!isCurrentLevel(r) || r.screen != s)
            continue;
        const QRect bar = marks::powerUpBar(r.x.value_or(0));
        box.fillRect(bar.topLeft(), bar.bottomRight(), marks::PowerUpColor);
    }
}

QString PowerUpsTab::Tab3GetPowerUpInfo(rom::Field type) const {
    const rom::CatalogueEntry* kind =
        type ? rom::Catalogue::withCode(catalogue.powerUps(), *type) : nullptr;
    return kind ? qs(kind->description) : QString();
}

rom::Field PowerUpsTab::Tab3GetPowerUpType(const QString& description) const {
    const rom::CatalogueEntry* kind =
        rom::Catalogue::withDescription(catalogue.powerUps(), sm::ss(description));
    return kind ? rom::Field(kind->code) : std::nullopt;
}

void PowerUpsTab::lvPowerups_ItemClick(int row) {
    if (row < 0)
        return;
    if (sm::selectedRow(*lvPowerups) != row)
        sm::selectQuietly(*lvPowerups, row);
    enableBoxes(true);
    powerUpEditOn = false;
    cmbTypeP->setText(table->text(row, ColType));
    lastPowerUpLevel = withoutDash(table->text(row, ColLevel));
    cmbLevelP->setText(table->text(row, ColLevel));
    lastPowerUpScreen = table->text(row, ColScreen);
    cmbScreenP->setText(table->text(row, ColScreen));
    cmbXP->setText(table->text(row, ColX));
    powerUpEditOn = true;
}

void PowerUpsTab::cmbTypeP_Click() {
    Tab3UpdateMainList();
}

void PowerUpsTab::cmbLevelP_Click() {
    Tab3UpdateMainList();
    rememberPlace();
}

void PowerUpsTab::cmbScreenP_Click() {
    Tab3UpdateMainList();
    rememberPlace();
}

void PowerUpsTab::cmbXP_Click() {
    Tab3UpdateMainList();
}

void PowerUpsTab::Tab3UpdateMainList() {
    if (!powerUpEditOn)
        return;
    const int row = sm::selectedRow(*lvPowerups);
    if (row < 0)
        return;
    table->setRecord(row, recordFromBoxes(row));
    Tab3SortMainList();
    emit changed();

    QList<int> shown;
    if (isCurrentLevel(cmbLevelP->text()))
        shown << sm::numberOf(cmbScreenP->text());
    if (isCurrentLevel(lastPowerUpLevel))
        shown << sm::numberOf(lastPowerUpScreen);
    emit edited(shown);
}

PowerUpRecord PowerUpsTab::recordFromBoxes(int row) const {
    PowerUpRecord r = table->record(row);
    // A type the catalogue does not describe shows no description and stays as stored.
    if (const rom::Field type = Tab3GetPowerUpType(cmbTypeP->text()))
        r.type = type;
    r.level = sm::decimalOf(withoutDash(cmbLevelP->text()));
    r.screen = sm::decimalOf(cmbScreenP->text());
    r.x = sm::decimalOf(cmbXP->text());
    return r;
}

void PowerUpsTab::noRowSelected() {
    // Boxes that stayed enabled would take edits that no row receives.
    powerUpEditOn = false;
    enableBoxes(false);
}

void PowerUpsTab::enableBoxes(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{lblTypeP, cmbTypeP, lblLevelP, cmbLevelP,
                                                      lblScreenP, cmbScreenP, lblXP, cmbXP})
        w->setEnabled(on);
}

void PowerUpsTab::rememberPlace() {
    lastPowerUpLevel = withoutDash(cmbLevelP->text());
    lastPowerUpScreen = cmbScreenP->text();
}

bool PowerUpsTab::isCurrentLevel(const QString& levelText) const {
    return withoutDash(levelText) == qs(numbering.curLevel);
}

bool PowerUpsTab::isCurrentLevel(const PowerUpRecord& record) const {
    return isCurrentLevel(levelText(record));
}
