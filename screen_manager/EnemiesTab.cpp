#include "screen_manager/EnemiesTab.h"

#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenMarks.h"
#include "editor/ScreenNumbering.h"
#include "rom/Counts.h"
#include "rom/LevelKeys.h"
#include "screen_manager/ChoiceBox.h"
#include "screen_manager/FieldText.h"
#include "screen_manager/ManagerWorkspace.h"
#include "screen_manager/TabWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <tuple>

using sm::qs;
using sm::valueOf;

namespace {

// The position bytes the Y box offers: bit 5 clear and a row of 0 to 19.
QStringList positionTexts() {
    QStringList texts;
    for (int fine : {0x00, 0x40, 0x80, 0xC0})
        for (int row = 0; row < 20; ++row)
            texts << sm::hexText(fine + row);
    return texts;
}

QString sortKey(const QString& screen, const QString& x) {
    return sm::twoDigits(screen) + x;
}

} // namespace

EnemiesTab::EnemiesTab(ManagerWorkspace& workspace, const ScreenNumbering& numbering,
                       const PictureLibrary& pictures, QWidget* parent)
    : QFrame(parent), ws(workspace), numbering(numbering), pictures(pictures) {
    lvEnemies = sm::makeListView(
        QStringLiteral("lvEnemies"),
        {{"Type", 3881}, {"Hard", 1235}, {"Screen", 1235}, {"X", 882}, {"Y", 882}, {"SX", 0}},
        this);
    std::tie(lblType, cmbType) = sm::makeLabelledBox(tr("&Type:"), QStringLiteral("lblType"),
                                                     QStringLiteral("cmbType"), {}, this);
    chkHard = new QCheckBox(tr("&Hard"), this);
    chkHard->setObjectName(QStringLiteral("chkHard"));
    chkHard->setEnabled(false);
    std::tie(lblScreen, cmbScreen) = sm::makeLabelledBox(
        tr("&Screen:"), QStringLiteral("lblScreen"), QStringLiteral("cmbScreen"), {}, this);
    std::tie(lblX, cmbX) = sm::makeLabelledBox(tr("&X:"), QStringLiteral("lblX"),
                                               QStringLiteral("cmbX"), sm::numberTexts(0, 9), this);
    std::tie(lblY, cmbY) = sm::makeLabelledBox(tr("&Y:"), QStringLiteral("lblY"),
                                               QStringLiteral("cmbY"), positionTexts(), this);
    picEnemy = new QLabel(this);
    picEnemy->setObjectName(QStringLiteral("picEnemy"));
    picEnemy->setFixedSize(64, 64);
    picEnemy->setAlignment(Qt::AlignCenter);
    picEnemy->hide();

    auto* grid = new QGridLayout(this);
    grid->addWidget(lvEnemies, 0, 0, 1, 4);
    grid->addWidget(lblType, 1, 0);
    grid->addWidget(cmbType, 1, 1, 1, 3);
    grid->addWidget(lblScreen, 2, 0);
    grid->addWidget(cmbScreen, 2, 1);
    grid->addWidget(chkHard, 2, 2, 1, 2);
    grid->addWidget(lblX, 3, 0);
    grid->addWidget(cmbX, 3, 1);
    grid->addWidget(picEnemy, 3, 2, 2, 2, Qt::AlignCenter);
    grid->addWidget(lblY, 4, 0);
    grid->addWidget(cmbY, 4, 1);
    grid->setRowStretch(0, 1);

    connect(lvEnemies, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QTreeWidgetItem* row = sm::selectedRow(*lvEnemies))
            lvEnemies_ItemClick(row);
        else
            noRowSelected();
    });
    connect(cmbType, &ChoiceBox::changed, this, &EnemiesTab::cmbType_Click);
    connect(chkHard, &QCheckBox::toggled, this, &EnemiesTab::chkHard_Click);
    connect(cmbScreen, &ChoiceBox::changed, this, &EnemiesTab::cmbScreen_Click);
    connect(cmbX, &ChoiceBox::changed, this, &EnemiesTab::cmbX_Click);
    connect(cmbY, &ChoiceBox::changed, this, &EnemiesTab::cmbY_Click);
}

void EnemiesTab::addScreenNumber(int number) {
    cmbScreen->addChoices({QString::number(number)});
}

void EnemiesTab::fillList() {
    const std::string& nn = numbering.curLevel;
    const int count = rom::shownEnemyCount(ws.kivLevel, nn);
    for (int k = 1; k <= count; ++k) {
        const QString type = document(rom::enemyKey(nn, "type", k));
        const QString stored = document(rom::enemyKey(nn, "screen", k));
        const QString screen =
            sm::isMissing(stored) ? stored : QString::number(valueOf(stored) + 2);
        const QString x = document(rom::enemyKey(nn, "x", k));
        auto* row = new QTreeWidgetItem(
            lvEnemies, {sm::isMissing(type) ? QString() : Tab2GetEnemyInfo(type, {}),
                        document(rom::enemyKey(nn, "hard", k)), screen, x,
                        document(rom::enemyKey(nn, "y", k)), sortKey(screen, x)});
        // The stored type stands in for a description that the catalogue lacks.
        row->setData(ColType, Qt::UserRole, type);
    }
    Tab2SortMainList();

    QStringList descriptions;
    const int kinds = rom::boundedCount(sm::ss(catalogue("Enemies")), rom::CatalogueCapacity);
    for (int i = 1; i <= kinds; ++i)
        descriptions << catalogue("DescE" + rom::num(i));
    cmbType->addChoices(descriptions);
}

void EnemiesTab::Tab2WriteKIV() {
    const std::string& nn = numbering.curLevel;
    for (int i = 0; i < lvEnemies->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& row = *lvEnemies->topLevelItem(i);
        const int k = i + 1;
        auto write = [&](const char* field, const QString& value) {
            sm::writeField(ws.kivLevel, rom::enemyKey(nn, field, k), value);
        };
        const QString screen = row.text(ColScreen);
        write("screen", sm::isMissing(screen) ? screen : QString::number(valueOf(screen) - 2));
        write("hard", row.text(ColHard));
        write("type", typeTextOf(row));
        write("x", row.text(ColX));
        write("y", row.text(ColY));
    }
}

void EnemiesTab::Tab2SortMainList() {
    lvEnemies->sortItems(ColSX, Qt::AscendingOrder);
}

void EnemiesTab::swapScreenNumbers(int s) {
    for (int i = 0; i < lvEnemies->topLevelItemCount(); ++i) {
        QTreeWidgetItem& row = *lvEnemies->topLevelItem(i);
        const double screen = valueOf(row.text(ColScreen));
        if (screen != s && screen != s + 1)
            continue;
        row.setText(ColScreen, QString::number(screen == s ? s + 1 : s));
        row.setText(ColSX, sortKey(row.text(ColScreen), row.text(ColX)));
        ws.smEnemyChanged = true;
    }
    Tab2SortMainList();
    // The boxes show the selected row's new screen, or the next edit would write the old one.
    if (QTreeWidgetItem* row = sm::selectedRow(*lvEnemies))
        lvEnemies_ItemClick(row);
}

void EnemiesTab::paintEnemies(PictureBox& box, int s) const {
    for (int i = 0; i < lvEnemies->topLevelItemCount(); ++i) {
        const QTreeWidgetItem& row = *lvEnemies->topLevelItem(i);
        if (valueOf(row.text(ColScreen)) != s)
            continue;
        const QImage picture = pictureOf(row);
        if (!picture.isNull())
            box.paintPicture(picture,
                             Tab2EnemyCoordinates(picture, row.text(ColX), row.text(ColY)));
    }
}

QString EnemiesTab::Tab2GetEnemyInfo(const QString& hexType, const QString& descType) const {
    const int count = rom::boundedCount(sm::ss(catalogue("Enemies")), rom::CatalogueCapacity);
    for (int i = 1; i <= count; ++i) {
        const std::string n = rom::num(i);
        if (!hexType.isEmpty()) {
            if (valueOf(catalogue("CodeE" + n)) == sm::hexValueOf(hexType))
                return catalogue("DescE" + n);
        } else if (catalogue("DescE" + n) == descType) {
            return catalogue("CodeE" + n);
        }
    }
    return {};
}

QImage EnemiesTab::Tab2GetEnemyPicture(const QString& eType) const {
    const QString code = Tab2GetEnemyInfo({}, eType);
    return code.isEmpty() ? pictures.picture(PictureLibrary::FallbackId)
                          : pictureOfCode(static_cast<int>(valueOf(code)));
}

QPoint EnemiesTab::Tab2EnemyCoordinates(const QImage& picture, const QString& eX,
                                        const QString& eY) {
    return marks::enemyTopLeft(picture, valueOf(eX), eY);
}

void EnemiesTab::lvEnemies_ItemClick(QTreeWidgetItem* item) {
    if (!item)
        return;
    if (sm::selectedRow(*lvEnemies) != item) {
        const QSignalBlocker quiet(lvEnemies);
        lvEnemies->setCurrentItem(item);
    }
    enableBoxes(true);
    enemyEditOn = false;
    cmbType->setText(item->text(ColType));
    showPicture(pictureOf(*item));
    chkHard->setChecked(item->text(ColHard) == QLatin1String("Y"));
    lastEnemyScreen = item->text(ColScreen);
    cmbScreen->setText(item->text(ColScreen));
    cmbX->setText(item->text(ColX));
    cmbY->setText(item->text(ColY));
    enemyEditOn = true;
}

void EnemiesTab::cmbType_Click() {
    showPicture(Tab2GetEnemyPicture(cmbType->text()));
    Tab2UpdateMainList();
}

void EnemiesTab::chkHard_Click() {
    Tab2UpdateMainList();
}

void EnemiesTab::cmbScreen_Click() {
    if (!keepOffScreenFourEdge())
        Tab2UpdateMainList();
    lastEnemyScreen = cmbScreen->text();
}

void EnemiesTab::cmbX_Click() {
    if (!keepOffScreenFourEdge())
        Tab2UpdateMainList();
}

bool EnemiesTab::keepOffScreenFourEdge() {
    // On screen 4 an enemy stands at X 2 or more, whichever of the two boxes the user chose
    // last. Showing a row leaves a stored position as it is.
    if (!enemyEditOn || valueOf(cmbScreen->text()) != 4 || valueOf(cmbX->text()) >= 2)
        return false;
    // Setting the box runs cmbX_Click again, which copies the corrected boxes into the row.
    cmbX->setText(QStringLiteral("2"));
    return true;
}

void EnemiesTab::noRowSelected() {
    // Boxes that stayed enabled would take edits that no row receives.
    enemyEditOn = false;
    enableBoxes(false);
    picEnemy->hide();
}

void EnemiesTab::enableBoxes(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{lblType, cmbType, chkHard, lblScreen,
                                                      cmbScreen, lblX, cmbX, lblY, cmbY})
        w->setEnabled(on);
}

void EnemiesTab::cmbY_Click() {
    Tab2UpdateMainList();
}

void EnemiesTab::Tab2UpdateMainList() {
    if (!enemyEditOn)
        return;
    QTreeWidgetItem* row = sm::selectedRow(*lvEnemies);
    if (!row)
        return;
    row->setText(ColType, cmbType->text());
    row->setText(ColHard, chkHard->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"));
    row->setText(ColScreen, cmbScreen->text());
    row->setText(ColX, cmbX->text());
    row->setText(ColY, cmbY->text());
    row->setText(ColSX, sortKey(cmbScreen->text(), cmbX->text()));
    Tab2SortMainList();
    ws.smEnemyChanged = true;
    emit edited(
        {static_cast<int>(valueOf(cmbScreen->text())), static_cast<int>(valueOf(lastEnemyScreen))});
}

QString EnemiesTab::typeTextOf(const QTreeWidgetItem& row) const {
    const QString code = Tab2GetEnemyInfo({}, row.text(ColType));
    return code.isEmpty() ? row.data(ColType, Qt::UserRole).toString()
                          : sm::hexText(static_cast<int>(valueOf(code)));
}

QImage EnemiesTab::pictureOf(const QTreeWidgetItem& row) const {
    return pictureOfCode(sm::hexValueOf(typeTextOf(row)));
}

QImage EnemiesTab::pictureOfCode(int code) const {
    const QImage picture = pictures.enemyPicture(code);
    return picture.isNull() ? pictures.picture(PictureLibrary::FallbackId) : picture;
}

void EnemiesTab::showPicture(const QImage& picture) {
    picEnemy->setPixmap(QPixmap::fromImage(picture));
    picEnemy->show();
}

QString EnemiesTab::catalogue(const std::string& key) const {
    return qs(ws.kivObjects.GetValue(key));
}

QString EnemiesTab::document(const std::string& key) const {
    return qs(ws.kivLevel.GetValue(key));
}
