#include "screen_manager/EnemiesTab.h"

#include "editor/CrispPixmap.h"
#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenMarks.h"
#include "rom/Catalogue.h"
#include "rom/Numbers.h"
#include "rom/ObjectPlacement.h"
#include "screen_manager/ChoiceBox.h"
#include "screen_manager/FieldText.h"
#include "screen_manager/TabWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPixmap>
#include <QTreeView>

#include <tuple>

using rom::EnemyRecord;
using sm::qs;

namespace {

QString hexText(int value) {
    return qs(rom::hexText(static_cast<unsigned>(value)));
}

QStringList positionTexts() {
    QStringList texts;
    for (int byte : rom::enemyPositionBytes())
        texts << hexText(byte);
    return texts;
}

QString screenText(const EnemyRecord& r) {
    return sm::shown(r.screen, [](int stored) { return QString::number(stored + 2); });
}

} // namespace

EnemiesTab::Table::Columns EnemiesTab::columns(const EnemiesTab& tab) {
    return {
        {"Type", 3881, [&tab](const EnemyRecord& r) { return tab.Tab2GetEnemyInfo(r.type); }},
        {"Hard", 1235,
         [](const EnemyRecord& r) {
             return sm::shown(r.hard, [](bool on) { return QString(on ? "Y" : "N"); });
         }},
        {"Screen", 1235, screenText},
        {"X", 882, [](const EnemyRecord& r) { return sm::decimalText(r.x); }},
        {"Y", 882, [](const EnemyRecord& r) { return sm::shown(r.y, hexText); }},
        {"SX", 0, [](const EnemyRecord& r) { return qs(rom::enemyListKey(r)); }},
    };
}

EnemiesTab::EnemiesTab(const rom::Catalogue& catalogue, const PictureLibrary& pictures,
                       QWidget* parent)
    : QFrame(parent), catalogue(catalogue), pictures(pictures) {
    table = new Table(columns(*this), this);
    lvEnemies = sm::makeListView(QStringLiteral("lvEnemies"), *table, this);
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

    sm::followSelection(
        *lvEnemies, this, [this](int row) { lvEnemies_ItemClick(row); },
        [this] { noRowSelected(); });
    connect(cmbType, &ChoiceBox::changed, this, &EnemiesTab::cmbType_Click);
    connect(chkHard, &QCheckBox::toggled, this, &EnemiesTab::chkHard_Click);
    connect(cmbScreen, &ChoiceBox::changed, this, &EnemiesTab::cmbScreen_Click);
    connect(cmbX, &ChoiceBox::changed, this, &EnemiesTab::cmbX_Click);
    connect(cmbY, &ChoiceBox::changed, this, &EnemiesTab::cmbY_Click);
}

void EnemiesTab::addScreenNumber(int number) {
    cmbScreen->addChoices({QString::number(number)});
}

void EnemiesTab::fillList(std::vector<EnemyRecord> records) {
    table->setRecords(std::move(records));
    Tab2SortMainList();
    cmbType->addChoices(sm::descriptionsOf(catalogue.enemies()));
}

void EnemiesTab::Tab2SortMainList() {
    table->sort(ColSX, Qt::AscendingOrder);
}

void EnemiesTab::swapScreenNumbers(int s) {
    bool moved = false;
    for (int i = 0; i < table->count(); ++i) {
        EnemyRecord r = table->record(i);
        if (!r.screen || (*r.screen + 2 != s && *r.screen + 2 != s + 1))
            continue;
        r.screen = *r.screen + 2 == s ? s - 1 : s - 2;
        table->setRecord(i, r);
        moved = true;
    }
    if (moved)
        emit changed();
    Tab2SortMainList();
    // The boxes show the selected row's new screen, or the next edit would write the old one.
    const int row = sm::selectedRow(*lvEnemies);
    if (row >= 0)
        lvEnemies_ItemClick(row);
}

void EnemiesTab::paintEnemies(PictureBox& box, int s) const {
    for (const EnemyRecord& r : records()) {
        if (!r.screen || *r.screen + 2 != s)
            continue;
        const QImage picture = pictureOf(r);
        if (!picture.isNull())
            box.paintPicture(picture, Tab2EnemyCoordinates(picture, r.x, r.y));
    }
}

QString EnemiesTab::Tab2GetEnemyInfo(rom::Field type) const {
    const rom::CatalogueEntry* kind =
        type ? rom::Catalogue::withCode(catalogue.enemies(), *type) : nullptr;
    return kind ? qs(kind->description) : QString();
}

rom::Field EnemiesTab::Tab2GetEnemyType(const QString& description) const {
    const rom::CatalogueEntry* kind =
        rom::Catalogue::withDescription(catalogue.enemies(), sm::ss(description));
    return kind ? rom::Field(kind->code) : std::nullopt;
}

QImage EnemiesTab::Tab2GetEnemyPicture(const QString& eType) const {
    const rom::Field code = Tab2GetEnemyType(eType);
    return code ? pictureOfCode(*code) : pictures.picture(PictureLibrary::FallbackId);
}

QPoint EnemiesTab::Tab2EnemyCoordinates(const QImage& picture, rom::Field eX, rom::Field eY) {
    // A missing field places the enemy as a zero does.
    return marks::enemyTopLeft(picture, eX.value_or(0), eY.value_or(0));
}

void EnemiesTab::lvEnemies_ItemClick(int row) {
    if (row < 0)
        return;
    if (sm::selectedRow(*lvEnemies) != row)
        sm::selectQuietly(*lvEnemies, row);
    enableBoxes(true);
    enemyEditOn = false;
    cmbType->setText(table->text(row, ColType));
    showPicture(pictureOf(table->record(row)));
    chkHard->setChecked(table->text(row, ColHard) == QLatin1String("Y"));
    lastEnemyScreen = table->text(row, ColScreen);
    cmbScreen->setText(table->text(row, ColScreen));
    cmbX->setText(table->text(row, ColX));
    cmbY->setText(table->text(row, ColY));
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
    if (!enemyEditOn || rom::leadingNumber(sm::ss(cmbScreen->text())) != 4 ||
        rom::leadingNumber(sm::ss(cmbX->text())) >= 2)
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
    const int row = sm::selectedRow(*lvEnemies);
    if (row < 0)
        return;
    table->setRecord(row, recordFromBoxes(row));
    Tab2SortMainList();
    emit changed();
    emit edited({sm::numberOf(cmbScreen->text()), sm::numberOf(lastEnemyScreen)});
}

EnemyRecord EnemiesTab::recordFromBoxes(int row) const {
    EnemyRecord r = table->record(row);
    // A type the catalogue does not describe shows no description and stays as stored.
    if (const rom::Field type = Tab2GetEnemyType(cmbType->text()))
        r.type = type;
    r.hard = chkHard->isChecked();
    r.screen =
        sm::fieldOf(cmbScreen->text(), [](std::string_view t) { return rom::leadingWhole(t) - 2; });
    r.x = sm::decimalOf(cmbX->text());
    r.y = sm::fieldOf(cmbY->text(), rom::leadingHex);
    return r;
}

QImage EnemiesTab::pictureOf(const EnemyRecord& record) const {
    return pictureOfCode(record.type.value_or(0));
}

QImage EnemiesTab::pictureOfCode(int code) const {
    const QImage picture = pictures.enemyPicture(code);
    return picture.isNull() ? pictures.picture(PictureLibrary::FallbackId) : picture;
}

void EnemiesTab::showPicture(const QImage& picture) {
    picEnemy->setPixmap(crispPixmap(picture, picEnemy->devicePixelRatioF()));
    picEnemy->show();
}
