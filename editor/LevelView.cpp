#include "editor/LevelView.h"

#include "editor/LevelCanvas.h"
#include "editor/ScreenEditor.h"
#include "editor/Workspace.h"

#include <QAction>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int WheelStep = 120; // one notch of a mouse wheel
constexpr int NotchScroll = 3; // cells scrolled by a notch

} // namespace

LevelView::LevelView(Workspace& workspace, const PictureLibrary& pictures, ScreenEditor& editor,
                     const QList<QAction*>& editActions, QWidget* parent)
    : QMainWindow(parent), ws(workspace), editor(editor) {
    setObjectName(QStringLiteral("frmLevelView"));
    setWindowFlag(Qt::Window);
    canvas_ = new LevelCanvas(ws.document(), pictures, this);
    canvas_->setCatalogue(&ws.catalogue());
    scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("levelScroll"));
    scroll->setWidget(canvas_);
    scroll->setBackgroundRole(QPalette::Window);
    scroll->viewport()->installEventFilter(this);
    setCentralWidget(scroll);
    createActions(editActions);
    statusBar()->setSizeGripEnabled(true);

    connect(canvas_, &LevelCanvas::cellReleased, this, &LevelView::cellReleased);
    connect(canvas_, &LevelCanvas::screenChosen, this, &LevelView::screenChosen);
    connect(canvas_, &LevelCanvas::enemyDropped, this, &LevelView::moveEnemy);
    connect(canvas_, &LevelCanvas::powerUpDropped, this, &LevelView::movePowerUp);
    connect(canvas_, &LevelCanvas::markActivated, this,
            [this](const LevelMark& mark) { emit recordActivated(mark.kind, mark.record); });
    connect(canvas_, &LevelCanvas::pointerDescribed, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(canvas_, &LevelCanvas::zoomWheeled, this, &LevelView::zoomBy);

    connect(&editor, &ScreenEditor::documentShown, this, &LevelView::documentShown);
    connect(&editor, &ScreenEditor::cellsChanged, this, [this](int levelIndex, const QString& ref) {
        if (levelIndex != canvas_->level().index())
            return;
        canvas_->cellsChanged(ref.toStdString());
        cellsExplained_ = true;
    });
    connect(&editor, &ScreenEditor::picturesChanged, this, [this] {
        canvas_->forgetCells();
        canvas_->reloadRecords();
    });

    showLevelOfEditor();
    const int frame = 2 * scroll->frameWidth();
    resize(std::min(canvas_->width() + frame, screen()->availableGeometry().width() * 3 / 4),
           height());
    fitHeight();
}

// As tall as the level at its zoom, as far as the screen allows: the level runs across, so only
// the horizontal scroll bar is needed.
void LevelView::fitHeight() {
    if (isMaximized() || isFullScreen())
        return;
    ensurePolished();
    const int chrome = statusBar()->sizeHint().height() + tools->sizeHint().height() +
                       scroll->horizontalScrollBar()->sizeHint().height() +
                       2 * scroll->frameWidth();
    const int available = screen()->availableGeometry().height() * 9 / 10;
    resize(width(), std::min(canvas_->height() + chrome, available));
}

void LevelView::createActions(const QList<QAction*>& editActions) {
    tools = addToolBar(tr("Level view"));
    tools->setObjectName(QStringLiteral("tbLevelView"));
    tools->setMovable(false);
    tools->addActions(editActions);
    tools->addSeparator();

    mnuZoomOut = tools->addAction(tr("Zoom &out"));
    mnuZoomOut->setObjectName(QStringLiteral("mnuZoomOut"));
    mnuZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    lblZoom = new QLabel(tools);
    lblZoom->setObjectName(QStringLiteral("lblZoom"));
    lblZoom->setAlignment(Qt::AlignCenter);
    lblZoom->setMinimumWidth(lblZoom->fontMetrics().horizontalAdvance(QStringLiteral("00\u00D7")));
    tools->addWidget(lblZoom);
    mnuZoomIn = tools->addAction(tr("Zoom &in"));
    mnuZoomIn->setObjectName(QStringLiteral("mnuZoomIn"));
    // "+" shares a key with "=" on many keyboards, so Ctrl+= zooms in as well.
    mnuZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    const auto atCentre = [this] {
        const QPoint centre = scroll->viewport()->rect().center();
        return canvas_->mapFrom(scroll->viewport(), centre);
    };
    connect(mnuZoomIn, &QAction::triggered, this, [this, atCentre] { zoomBy(1, atCentre()); });
    connect(mnuZoomOut, &QAction::triggered, this, [this, atCentre] { zoomBy(-1, atCentre()); });
    tools->addSeparator();

    mnuShowObjects = tools->addAction(tr("Show &objects"));
    mnuShowObjects->setObjectName(QStringLiteral("mnuShowObjects"));
    mnuShowObjects->setCheckable(true);
    mnuShowObjects->setChecked(true);
    mnuShowObjects->setToolTip(tr("Show enemies, power-ups and pipes (hide them to see and edit "
                                  "the blocks underneath)"));
    connect(mnuShowObjects, &QAction::toggled, canvas_, &LevelCanvas::setMarksShown);
    showZoom();
}

int LevelView::zoom() const {
    return canvas_->zoom();
}

void LevelView::setZoom(int zoom) {
    zoomBy(zoom - canvas_->zoom(), QPoint(LevelLayout::Margin, LevelLayout::Margin));
}

// ---- Following the document and the main window ----

void LevelView::documentShown() {
    if (canvas_->level() != editor.level()) {
        showLevelOfEditor();
        return;
    }
    const uint64_t changes = ws.document().changeCount();
    if (changes != seenChanges_) {
        // Changes the editor did not describe (a load, an import, the Screen Manager) may have
        // touched any screen.
        if (!cellsExplained_)
            canvas_->forgetCells();
        canvas_->reloadRecords();
    }
    seenChanges_ = changes;
    cellsExplained_ = false;
    followSelection();
}

void LevelView::showLevelOfEditor() {
    canvas_->showLevel(editor.level());
    setWindowTitle(tr("Level view - %1").arg(editor.levelText()));
    seenChanges_ = ws.document().changeCount();
    cellsExplained_ = false;
    followSelection();
    scrollToSelected();
}

void LevelView::followSelection() {
    const int position = editor.screenPosition();
    if (position == canvas_->selectedPosition())
        return;
    canvas_->setSelectedPosition(position);
    if (!selectingHere_)
        scrollToSelected();
}

void LevelView::scrollToSelected() {
    const int position = canvas_->selectedPosition();
    if (position < 1)
        return;
    const QRect screen = canvas_->layout().screenRect(position);
    const QRect viewport = scroll->viewport()->rect();
    // With the margin around it, and its caption above.
    const QRect wanted = screen.adjusted(-LevelLayout::Margin, -screen.top(), LevelLayout::Margin,
                                         LevelLayout::Margin);
    scroll->ensureVisible(wanted.center().x(), wanted.center().y(),
                          std::min(wanted.width() + 1, viewport.width()) / 2,
                          std::min(wanted.height() + 1, viewport.height()) / 2);
}

// ---- Acting on the canvas ----

void LevelView::cellReleased(int position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                             QPoint pixel) {
    selectingHere_ = true;
    editor.editScreenAt(position, button, modifiers, QPointF(pixel));
    selectingHere_ = false;
}

void LevelView::screenChosen(int position) {
    selectingHere_ = true;
    editor.selectScreen(position);
    selectingHere_ = false;
}

// A moved record goes where the Screen Manager's list would put it, and the lists write their
// records back sorted.
void LevelView::moveEnemy(int record, const rom::EnemyPlace& place) {
    rom::LevelDocument& doc = ws.document();
    std::vector<rom::EnemyRecord> enemies = doc.enemies(canvas_->level());
    if (record < 0 || record >= static_cast<int>(enemies.size()))
        return;
    rom::EnemyRecord& enemy = enemies[static_cast<size_t>(record)];
    const rom::EnemyRecord before = enemy;
    enemy.screen = place.screen - 2;
    enemy.x = place.x;
    enemy.y = place.positionByte;
    if (enemy == before)
        return;
    rom::sortAsEnemyList(enemies);
    doc.setEnemies(canvas_->level(), enemies);
    canvas_->reloadRecords();
    seenChanges_ = doc.changeCount();
    emit documentEdited();
}

void LevelView::movePowerUp(int record, const rom::PowerUpPlace& place) {
    rom::LevelDocument& doc = ws.document();
    std::vector<rom::PowerUpRecord> powerUps = doc.powerUps();
    if (record < 0 || record >= static_cast<int>(powerUps.size()))
        return;
    rom::PowerUpRecord& powerUp = powerUps[static_cast<size_t>(record)];
    const rom::PowerUpRecord before = powerUp;
    powerUp.screen = place.screen;
    powerUp.x = place.x;
    if (powerUp == before)
        return;
    rom::sortAsPowerUpList(powerUps);
    doc.setPowerUps(powerUps);
    canvas_->reloadRecords();
    seenChanges_ = doc.changeCount();
    emit documentEdited();
}

// ---- Zoom and scrolling ----

void LevelView::zoomBy(int steps, QPoint anchor) {
    const int old = canvas_->zoom();
    const int zoom = std::clamp(old + steps, LevelLayout::MinZoom, LevelLayout::MaxZoom);
    if (zoom == old)
        return;
    QScrollBar* across = scroll->horizontalScrollBar();
    QScrollBar* down = scroll->verticalScrollBar();
    const QPoint inViewport = anchor - QPoint(across->value(), down->value());
    const QPointF level = QPointF(anchor - QPoint(LevelLayout::Margin, LevelLayout::Margin)) / old;
    canvas_->setZoom(zoom);
    fitHeight();
    const QPointF moved = level * zoom + QPointF(LevelLayout::Margin, LevelLayout::Margin);
    across->setValue(qRound(moved.x()) - inViewport.x());
    down->setValue(qRound(moved.y()) - inViewport.y());
    showZoom();
}

void LevelView::showZoom() {
    const int zoom = canvas_->zoom();
    lblZoom->setText(QStringLiteral("%1\u00D7").arg(zoom));
    mnuZoomIn->setEnabled(zoom < LevelLayout::MaxZoom);
    mnuZoomOut->setEnabled(zoom > LevelLayout::MinZoom);
    scroll->horizontalScrollBar()->setSingleStep(16 * zoom);
}

// The level runs across: a plain wheel scrolls it sideways when there is nothing to scroll down.
bool LevelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        QScrollBar* across = scroll->horizontalScrollBar();
        if (!(wheel->modifiers() & Qt::ControlModifier) &&
            scroll->verticalScrollBar()->maximum() == 0 && wheel->angleDelta().x() == 0) {
            across->setValue(across->value() - wheel->angleDelta().y() * NotchScroll *
                                                   across->singleStep() / WheelStep);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
