#include "screen_manager/PowerUpsTab.h"

#include "editor/PictureBox.h"
#include "editor/ScreenMarks.h"
#include "editor/ScreenNumbering.h"
#include "rom/Counts.h"
#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"
#include "screen_manager/ChoiceBox.h"
#include "screen_manager/FieldText.h"
#include "screen_manager/ManagerWorkspace.h"
#include "screen_manager/TabWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <tuple>

using sm::qs;
using sm::valueOf;

namespace {

QString withoutDash(QString levelText) {
    return levelText.remove(QLatin1Char('-'));
}

QString sortKey(const QString& levelText, const QString& screen, const QString& x) {
    return withoutDash(levelText) + sm::twoDigits(screen) + sm::twoDigits(x);
}

QStringList levelTexts() {
    QStringList texts;
    for (std::string_view level : rom::Levels)
        texts << qs(rom::levelText(level));
    return texts;
}

} // namespace

PowerUpsTab::PowerUpsTab(ManagerWorkspace& workspace, const ScreenNumbering& numbering,
                         QWidget* parent)
    : QFrame(parent), ws(workspace), numbering(numbering) {
    lvPowerups = sm::makeListView(
        QStringLiteral("lvPowerups"),
        {{"Type", 3881}, {"Level", 1235}, {"Screen", 1235}, {"X", 882}, {"LSX", 0}}, this);
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

    connect(lvPowerups, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QTreeWidgetItem* row = sm::selectedRow(*lvPowerups))
            lvPowerups_ItemClick(row);
        else
            noRowSelected();
    });
    connect(cmbTypeP, &ChoiceBox::changed, this, &PowerUpsTab::cmbTypeP_Click);
    connect(cmbLevelP, &ChoiceBox::changed, this, &PowerUpsTab::cmbLevelP_Click);
    connect(cmbScreenP, &ChoiceBox::changed, this, &PowerUpsTab::cmbScreenP_Click);
    connect(cmbXP, &ChoiceBox::changed, this, &PowerUpsTab::cmbXP_Click);
}

void PowerUpsTab::fillList() {
    for (int k = 1; k <= Count; ++k) {
        const QString level = document(rom::powerUpKey("level", k));
        const QString levelText =
            sm::isMissing(level) ? level : level.left(1) + QLatin1Char('-') + level.right(1);
        const QString screen = document(rom::powerUpKey("screen", k));
        const QString x = document(rom::powerUpKey("x", k));
        const QString type = document(rom::powerUpKey("type", k));
        auto* row = new QTreeWidgetItem(lvPowerups, {Tab3GetPowerUpInfo(type, {}), levelText,
                                                     screen, x, sortKey(levelText, screen, x)});
        // The stored type stands in for a description that the catalogue lacks.
        row->setData(ColType, Qt::UserRole, type);
    }
    Tab3SortMainList();

    QStringList descriptions;
    const int kinds = rom::boundedCount(sm::ss(catalogue("PowerUps")), rom::CatalogueCapacity);
    for (int i = 1; i <= kinds; ++i)
        descriptions << catalogue("DescP" + rom::num(i));
    cmbTypeP->addChoices(descriptions);
}

void PowerUpsTab::Tab3WriteKIV() {
    for (int i = 0; i < lvPowerups->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& row = *lvPowerups->topLevelItem(i);
        const int k = i + 1;
        auto write = [&](const char* field, const QString& value) {
            sm::writeField(ws.kivLevel, rom::powerUpKey(field, k), value);
        };
        const QString code = Tab3GetPowerUpInfo({}, row.text(ColType));
        write("type", code.isEmpty() ? row.data(ColType, Qt::UserRole).toString() : code);
        write("level", withoutDash(row.text(ColLevel)));
        write("screen", row.text(ColScreen));
        write("x", row.text(ColX));
    }
}

void PowerUpsTab::Tab3SortMainList() {
    lvPowerups->sortItems(ColLSX, Qt::AscendingOrder);
}

void PowerUpsTab::swapScreenNumbers(int s) {
    for (int i = 0; i < lvPowerups->topLevelItemCount(); ++i) {
        QTreeWidgetItem& row = *lvPowerups->topLevelItem(i);
        const double screen = valueOf(row.text(ColScreen));
        if (!isCurrentLevel(row.text(ColLevel)) || (screen != s && screen != s + 1))
            continue;
        row.setText(ColScreen, QString::number(screen == s ? s + 1 : s));
        row.setText(ColLSX, sortKey(row.text(ColLevel), row.text(ColScreen), row.text(ColX)));
        ws.smPowerUpChanged = true;
    }
    Tab3SortMainList();
    // The boxes show the selected row's new screen, or the next edit would write the old one.
    if (QTreeWidgetItem* row = sm::selectedRow(*lvPowerups))
        lvPowerups_ItemClick(row);
}

void PowerUpsTab::paintPowerUps(PictureBox& box, int s) const {
    for (int i = 0; i < lvPowerups->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& row = *lvPowerups->topLevelItem(i);
        if (!isCurrentLevel(row.text(ColLevel)) || valueOf(row.text(ColScreen)) != s)
            continue;
        const QRect bar = marks::powerUpBar(valueOf(row.text(ColX)));
        box.fillRect(bar.topLeft(), bar.bottomRight(), marks::PowerUpColor);
    }
}

QString PowerUpsTab::Tab3GetPowerUpInfo(const QString& numType, const QString& descType) const {
    const int count = rom::boundedCount(sm::ss(catalogue("PowerUps")), rom::CatalogueCapacity);
    for (int i = 1; i <= count; ++i) {
        const std::string n = rom::num(i);
        if (!numType.isEmpty()) {
            if (catalogue("CodeP" + n) == numType)
                return catalogue("DescP" + n);
        } else if (catalogue("DescP" + n) == descType) {
            return catalogue("CodeP" + n);
        }
    }
    return {};
}

void PowerUpsTab::lvPowerups_ItemClick(QTreeWidgetItem* item) {
    if (!item)
        return;
    if (sm::selectedRow(*lvPowerups) != item) {
        const QSignalBlocker quiet(lvPowerups);
        lvPowerups->setCurrentItem(item);
    }
    enableBoxes(true);
    powerUpEditOn = false;
    cmbTypeP->setText(item->text(ColType));
    lastPowerUpLevel = withoutDash(item->text(ColLevel));
    cmbLevelP->setText(item->text(ColLevel));
    lastPowerUpScreen = item->text(ColScreen);
    cmbScreenP->setText(item->text(ColScreen));
    cmbXP->setText(item->text(ColX));
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
    QTreeWidgetItem* row = sm::selectedRow(*lvPowerups);
    if (!row)
        return;
    row->setText(ColType, cmbTypeP->text());
    row->setText(ColLevel, cmbLevelP->text());
    row->setText(ColScreen, cmbScreenP->text());
    row->setText(ColX, cmbXP->text());
    row->setText(ColLSX, sortKey(cmbLevelP->text(), cmbScreenP->text(), cmbXP->text()));
    Tab3SortMainList();
    ws.smPowerUpChanged = true;

    QList<int> shown;
    if (isCurrentLevel(cmbLevelP->text()))
        shown << static_cast<int>(valueOf(cmbScreenP->text()));
    if (isCurrentLevel(lastPowerUpLevel))
        shown << static_cast<int>(valueOf(lastPowerUpScreen));
    emit edited(shown);
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

QString PowerUpsTab::catalogue(const std::string& key) const {
    return qs(ws.kivObjects.GetValue(key));
}

QString PowerUpsTab::document(const std::string& key) const {
    return qs(ws.kivLevel.GetValue(key));
}
