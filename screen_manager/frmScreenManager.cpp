#include "screen_manager/frmScreenManager.h"

#include "editor/PictureBox.h"
#include "editor/ScreenEditor.h"
#include "editor/ScreenRenderer.h"
#include "editor/WaitCursor.h"
#include "editor/Workspace.h"
#include "rom/LevelKeys.h"
#include "screen_manager/EnemiesTab.h"
#include "screen_manager/FieldText.h"
#include "screen_manager/ManagerChanges.h"
#include "screen_manager/PipesTab.h"
#include "screen_manager/PowerUpsTab.h"
#include "screen_manager/ScreenOrderTab.h"
#include "screen_manager/ScreenPreviews.h"
#include "screen_manager/TabWidgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>

#include <QVBoxLayout>
#include <algorithm>

using sm::qs;

namespace {

constexpr int PreviewColumns = 3;
const QSize TabFrameSize(281, 489);

} // namespace

frmScreenManager::frmScreenManager(Workspace& workspace, ManagerChanges& changes,
                                   ScreenEditor& mainEditor, const PictureLibrary& pictures,
                                   QWidget* parent)
    : QDialog(parent), ws(workspace), changes(changes), mainEditor(mainEditor), pictures(pictures),
      numbering(ScreenNumbering::forLevel(std::string(mainEditor.level().key()))),
      level(mainEditor.level()), topScreen(numbering.firstScreen) {
    buildWindow();
    Form_Load();
}

frmScreenManager::~frmScreenManager() = default;

void frmScreenManager::buildWindow() {
    setObjectName(QStringLiteral("frmScreenManager"));
    setWindowTitle(tr("Screen Manager"));
    setModal(true);
    createControls();
    layOutControls();
    connectHandlers();
    ShowTab();
}

void frmScreenManager::createControls() {
    previewGrid = new ScreenPreviews(this);
    cmdScrollUp = sm::glyphButton(QStringLiteral("\u25B2"), tr("Scroll up"),
                                  QStringLiteral("cmdScrollUp"), this);
    cmdScrollDown = sm::glyphButton(QStringLiteral("\u25BC"), tr("Scroll down"),
                                    QStringLiteral("cmdScrollDown"), this);
    chkAutoRefresh = new QCheckBox(tr("&Auto-refresh"), this);
    chkAutoRefresh->setObjectName(QStringLiteral("chkAutoRefresh"));
    chkAutoRefresh->setChecked(true);
    cmdRefresh = sm::glyphButton(QStringLiteral("\u21BB"), tr("Refresh"),
                                 QStringLiteral("cmdRefresh"), this);
    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    tab1 = new QTabBar(this);
    tab1->setObjectName(QStringLiteral("tab1"));
    for (const QString& caption :
         {tr("Screen &Order"), tr("&Enemies"), tr("Power-&ups"), tr("&Pipes")})
        tab1->addTab(caption);
    // All four tabs stay in view above the frames, whichever is selected.
    tab1->setUsesScrollButtons(false);
    tab1->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 6px; }"));
    tabOrder = new ScreenOrderTab(numbering, this);
    tabEnemies = new EnemiesTab(ws.catalogue(), pictures, this);
    tabPowerUps = new PowerUpsTab(numbering, ws.catalogue(), this);
    tabPipes = new PipesTab(this);
    fraTab = {tabOrder, tabEnemies, tabPowerUps, tabPipes};
    for (int i = 0; i < 4; ++i) {
        fraTab[i]->setObjectName(QStringLiteral("fraTab%1").arg(i));
        fraTab[i]->setFrameShape(QFrame::StyledPanel);
        fraTab[i]->setFixedSize(TabFrameSize);
    }
}

void frmScreenManager::layOutControls() {
    auto* previewButtons = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdScrollUp, cmdScrollDown, chkAutoRefresh, cmdRefresh})
        previewButtons->addWidget(w);
    previewButtons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(previewGrid);
    left->addLayout(previewButtons);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    right->addWidget(tab1);
    for (QFrame* frame : fraTab)
        right->addWidget(frame);
    right->addStretch();
    right->addSpacing(8);
    right->addWidget(cmdClose, 0, Qt::AlignRight);

    auto* root = new QHBoxLayout(this);
    root->addLayout(left);
    root->addLayout(right);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void frmScreenManager::connectHandlers() {
    connect(tab1, &QTabBar::currentChanged, this, &frmScreenManager::ShowTab);
    connect(tabOrder, &ScreenOrderTab::orderEdited, this, &frmScreenManager::Tab1WriteKIV);
    connect(tabEnemies, &EnemiesTab::changed, this, [this] { tabChanged(tabEnemies); });
    connect(tabPowerUps, &PowerUpsTab::changed, this, [this] { tabChanged(tabPowerUps); });
    connect(tabPipes, &PipesTab::changed, this, [this] { tabChanged(tabPipes); });
    connect(tabOrder, &ScreenOrderTab::screensSwapped, this, &frmScreenManager::screensSwapped);
    connect(tabOrder, &ScreenOrderTab::screenReplaced, this, [this](int s) { redrawIfShown({s}); });
    connect(tabEnemies, &EnemiesTab::edited, this, &frmScreenManager::redrawIfShown);
    connect(tabPowerUps, &PowerUpsTab::edited, this, &frmScreenManager::redrawIfShown);
    connect(tabPipes, &PipesTab::edited, this, &frmScreenManager::redrawIfShown);
    connect(cmdScrollUp, &QPushButton::clicked, this, &frmScreenManager::cmdScrollUp_Click);
    connect(cmdScrollDown, &QPushButton::clicked, this, &frmScreenManager::cmdScrollDown_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &frmScreenManager::cmdRefresh_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmScreenManager::cmdClose_Click);
}

void frmScreenManager::Form_Load() {
    std::vector<rom::ScreenRef> order;
    if (numbering.sharedScreens > 0) {
        order = ws.document().screenOrder(*rom::LevelId::fromKey(numbering.sharedLevel));
        order.resize(static_cast<size_t>(numbering.sharedScreens));
    }
    for (rom::ScreenRef& own : ws.document().screenOrder(level))
        order.push_back(std::move(own));
    for (int i = 1; i <= static_cast<int>(order.size()); ++i) {
        const int s = numbering.numberOffset + i;
        if (s > 3)
            tabEnemies->addScreenNumber(s);
        if (i > 2)
            tabPipes->addScreenNumber(i);
    }
    tabOrder->fillList(std::move(order));
    tabEnemies->fillList(ws.document().enemies(level));
    tabPowerUps->fillList(ws.document().powerUps());
    if (numbering.numberOffset == 0)
        tabPipes->fillList(ws.document().pipes(level));
    drawScreens(false);
}

void frmScreenManager::Form_Unload() {
    if (unloaded)
        return;
    unloaded = true;
    if (changes.smEnemyChanged)
        ws.document().setEnemies(level, tabEnemies->records());
    if (changes.smPowerUpChanged)
        ws.document().setPowerUps(tabPowerUps->records());
    if (changes.smPipeChanged)
        ws.document().setPipes(level, tabPipes->records());
    mainEditor.cmbLevel_Click();
}

void frmScreenManager::Tab1WriteKIV() {
    ws.document().setScreenOrder(level, tabOrder->ownReferences());
    changes.smChanged = true;
}

void frmScreenManager::tabChanged(QFrame* tab) {
    if (tab == tabEnemies)
        changes.smEnemyChanged = true;
    else if (tab == tabPowerUps)
        changes.smPowerUpChanged = true;
    else if (tab == tabPipes)
        changes.smPipeChanged = true;
}

const kiv::ConfigFile& frmScreenManager::document() const {
    return ws.document().kivLevel();
}

void frmScreenManager::drawScreens(bool autoRefresh) {
    if (autoRefresh && !chkAutoRefresh->isChecked())
        return;
    const WaitCursor hourglass;
    for (int i = 0; i < ScreenPreviews::Count; ++i) {
        const int s = topScreen + i;
        const std::string reference = numbering.referenceOf(document(), s);
        PictureBox& box = previewGrid->picEditor(i);
        previewGrid->lblRef(i).clear();
        box.hide();
        if (reference == kiv::ConfigFile::NotFound)
            continue;
        drawScreen(box, document(), pictures, numbering.levelOfScreen(s), reference);
        previewGrid->lblRef(i).setText(QString::number(s) + QStringLiteral(": ") + qs(reference));
        tabEnemies->paintEnemies(box, s);
        tabPowerUps->paintPowerUps(box, s);
        if (numbering.numberOffset == 0)
            tabPipes->paintPipes(box, s);
        box.show();
    }
    const std::string beyond = document().GetValue(
        rom::screenKey(numbering.curLevel, numbering.ownPosition(topScreen + 6)));
    cmdScrollDown->setEnabled(beyond != kiv::ConfigFile::NotFound);
    cmdScrollUp->setEnabled(topScreen != numbering.firstScreen);
}

namespace {

// The row of the first record equal to `target`: equal records are shown alike.
template <typename Record>
int rowOf(const std::vector<Record>& rows, const std::vector<Record>& document, int record) {
    if (record < 0 || record >= static_cast<int>(document.size()))
        return -1;
    const auto found = std::find(rows.begin(), rows.end(), document[static_cast<size_t>(record)]);
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

} // namespace

void frmScreenManager::showRecord(LevelMark::Kind kind, int record) {
    int tab = 0;
    int row = -1;
    QTreeView* list = nullptr;
    switch (kind) {
    case LevelMark::Kind::Enemy:
        tab = 1;
        list = tabEnemies->list();
        row = rowOf(tabEnemies->records(), ws.document().enemies(level), record);
        break;
    case LevelMark::Kind::PowerUp:
        tab = 2;
        list = tabPowerUps->list();
        row = rowOf(tabPowerUps->records(), ws.document().powerUps(), record);
        break;
    case LevelMark::Kind::PipeEntry:
    case LevelMark::Kind::PipeExit:
        tab = 3;
        list = tabPipes->list();
        row = rowOf(tabPipes->records(), ws.document().pipes(level), record);
        break;
    }
    tab1->setCurrentIndex(tab);
    if (row < 0)
        return;
    const QModelIndex index = list->model()->index(row, 0);
    list->setCurrentIndex(index);
    list->scrollTo(index);
}

void frmScreenManager::ShowTab() {
    for (int i = 0; i < 4; ++i)
        fraTab[i]->setVisible(i == tab1->currentIndex());
}

void frmScreenManager::cmdScrollUp_Click() {
    topScreen -= PreviewColumns;
    drawScreens(false);
}

void frmScreenManager::cmdScrollDown_Click() {
    topScreen += PreviewColumns;
    drawScreens(false);
}

void frmScreenManager::cmdRefresh_Click() {
    drawScreens(false);
}

void frmScreenManager::cmdClose_Click() {
    close();
}

void frmScreenManager::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmScreenManager::closeEvent(QCloseEvent* event) {
    // A window that was never shown closes without passing through done().
    Form_Unload();
    QDialog::closeEvent(event);
}

void frmScreenManager::screensSwapped(int s) {
    if (s > 4)
        tabEnemies->swapScreenNumbers(s);
    tabPowerUps->swapScreenNumbers(s);
    if (numbering.numberOffset == 0)
        tabPipes->swapScreenNumbers(s);
    redrawIfShown({s, s + 1});
}

void frmScreenManager::redrawIfShown(const QList<int>& screens) {
    for (int s : screens) {
        if (s >= topScreen && s < topScreen + ScreenPreviews::Count) {
            drawScreens(true);
            return;
        }
    }
}
