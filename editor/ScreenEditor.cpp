#include "editor/ScreenEditor.h"

#include "editor/CrispPixmap.h"
#include "editor/Dialogs.h"
#include "editor/ObjectKindMark.h"
#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenRenderer.h"
#include "editor/Workspace.h"
#include "rom/LevelKeys.h"
#include "rom/Numbers.h"
#include "rom/RomLayout.h"
#include "rom/RomReader.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

namespace {

constexpr int CellSize = 16;
constexpr int DefaultLeftObject = 19;
const QSize PanelSize(729, 474);
const QSize ButtonSize(73, 25);
const QString CornerTip = QStringLiteral("Top-left corner will be placed where mouse is clicked");

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

std::string undoKey(int x, int y) {
    return std::to_string(x) + "_" + std::to_string(y);
}

std::size_t undoBit(int x, int y) {
    return static_cast<std::size_t>(x * rom::ScreenRows + y);
}

} // namespace

ScreenEditor::ScreenEditor(Workspace& workspace, const PictureLibrary& pictures, Dialogs& dialogs,
                           QWidget* parent)
    : QWidget(parent), ws(workspace), pictures(pictures), dialogs(dialogs) {
    setFixedSize(PanelSize);
    // The fixed layout was measured for a compact 8-point dialog font.
    QFont compact = font();
    compact.setPointSizeF(8);
    setFont(compact);
    createChoosers();
    createEditingArea();
    createTools();
    createObjectList();
    createPopup();
    for (QWidget* control : romControls())
        control->setEnabled(false);
}

ScreenEditor::~ScreenEditor() = default;

void ScreenEditor::createChoosers() {
    lblLevel = named(new QLabel(tr("&Level:"), this), "lblLevel");
    lblLevel->setGeometry(8, 8, 40, 22);
    cmbLevel = named(new QComboBox(this), "cmbLevel");
    cmbLevel->setGeometry(48, 8, 129, 22);
    for (std::string_view level : rom::Levels)
        cmbLevel->addItem(qs(rom::levelText(level)));
    lblLevel->setBuddy(cmbLevel);

    lblScreen = named(new QLabel(tr("&Screen:"), this), "lblScreen");
    lblScreen->setGeometry(8, 32, 40, 22);
    cmbScreen = named(new QComboBox(this), "cmbScreen");
    cmbScreen->setGeometry(48, 32, 129, 22);
    lblScreen->setBuddy(cmbScreen);

    cmdManager = named(new QPushButton(tr("Screen &Manager..."), this), "cmdManager");
    cmdManager->setGeometry(184, 32, 105, 25);

    connect(cmbLevel, &QComboBox::currentIndexChanged, this, &ScreenEditor::cmbLevel_Click);
    connect(cmbScreen, &QComboBox::currentIndexChanged, this, &ScreenEditor::cmbScreen_Click);
}

void ScreenEditor::createEditingArea() {
    const QSize area(rom::ScreenColumns * CellSize, rom::ScreenRows * CellSize);
    picEditor = named(new PictureBox(area, this), "picEditor");
    picEditor->move(8, 64);
    picEditor->setBackColor(render::Background);
    picEditor->setForeColor(render::GridColor);
    picEditor->clear();
    connect(picEditor, &PictureBox::mouseReleased, this, &ScreenEditor::picEditor_MouseUp);
    connect(picEditor, &PictureBox::keyPressed, this, &ScreenEditor::picEditor_KeyDown);
}

void ScreenEditor::createTools() {
    fraTools = named(new QGroupBox(tr("Tools"), this), "fraTools");
    fraTools->setGeometry(8, 328, 321, 137);

    for (int index = 0; index < 2; ++index) {
        auto* pic = new QLabel(fraTools);
        pic->setObjectName(QStringLiteral("picObject%1").arg(index));
        pic->setGeometry(8 + 32 * index, 16, 20, 20);
        pic->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pic->setAlignment(Qt::AlignCenter);
        pic->setAutoFillBackground(true);
        QPalette palette = pic->palette();
        palette.setColor(QPalette::Window, Qt::white);
        pic->setPalette(palette);
        picObject[index] = pic;
    }

    cmdEraser = named(new QPushButton(tr("&Eraser"), fraTools), "cmdEraser");
    cmdEraser->setGeometry(QRect(QPoint(8, 40), ButtonSize));
    cmdClear = named(new QPushButton(tr("&Clear screen"), fraTools), "cmdClear");
    cmdClear->setGeometry(QRect(QPoint(8, 72), ButtonSize));
    cmdUndo = named(new QPushButton(tr("&Undo"), fraTools), "cmdUndo");
    cmdUndo->setGeometry(QRect(QPoint(8, 104), ButtonSize));
    cmdUndo->setEnabled(false);
    connect(cmdEraser, &QPushButton::clicked, this, &ScreenEditor::cmdEraser_Click);
    connect(cmdClear, &QPushButton::clicked, this, &ScreenEditor::cmdClear_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &ScreenEditor::cmdUndo_Click);

    createPlacementOptions();
    fraTools->hide();
}

void ScreenEditor::createPlacementOptions() {
    using footprint::Placement;
    struct Option {
        const char* name;
        const char* caption;
        Placement placement;
        bool cornerTip;
    };
    const Option options[] = {
        {"optSingle", QT_TR_NOOP("Single ob&ject"), Placement::Single, false},
        {"optHorizontal", QT_TR_NOOP("Full &horizontal line"), Placement::Horizontal, false},
        {"optVertical", QT_TR_NOOP("Full &vertical line"), Placement::Vertical, false},
        {"opt4x4", QT_TR_NOOP("&4 x 4"), Placement::Block4, true},
        {"opt8x8", QT_TR_NOOP("&8 x 8"), Placement::Block8, true},
        {"optHorizontal4", QT_TR_NOOP("Hori&zontal line of 4"), Placement::Horizontal4, true},
        {"optVertical4", QT_TR_NOOP("Ver&tical line of 4"), Placement::Vertical4, true},
    };

    placementOptions = new QButtonGroup(this);
    int top = 16;
    for (const Option& option : options) {
        auto* button = named(new QRadioButton(tr(option.caption), fraTools), option.name);
        button->setGeometry(104, top, 209, 17);
        if (option.cornerTip)
            button->setToolTip(CornerTip);
        placementOptions->addButton(button, static_cast<int>(option.placement));
        top += 16;
    }
    placementOptions->button(static_cast<int>(Placement::Single))->setChecked(true);
}

void ScreenEditor::createObjectList() {
    lvObjects = named(new QListWidget(this), "lvObjects");
    lvObjects->setGeometry(336, 8, 385, 457);
    lvObjects->setIconSize(QSize(CellSize, CellSize));
    lvObjects->setSelectionMode(QAbstractItemView::SingleSelection);
    lvObjects->setUniformItemSizes(true);
    lvObjects->setItemDelegate(new objectkind::Delegate(lvObjects));
    lvObjects->viewport()->installEventFilter(this);
}

void ScreenEditor::createPopup() {
    mnuPopup = named(new QMenu(this), "mnuPopup");
    mnuPopupLeftButton = named(mnuPopup->addAction(tr("&Left button")), "mnuPopupLeftButton");
    mnuPopupRightButton = named(mnuPopup->addAction(tr("&Right button")), "mnuPopupRightButton");
    connect(mnuPopupLeftButton, &QAction::triggered, this, &ScreenEditor::mnuPopupLeftButton_Click);
    connect(mnuPopupRightButton, &QAction::triggered, this,
            &ScreenEditor::mnuPopupRightButton_Click);
}

QList<QWidget*> ScreenEditor::romControls() const {
    return {lblLevel, cmbLevel, lblScreen, cmbScreen, cmdManager, picEditor, lvObjects};
}

void ScreenEditor::enableEditing() {
    for (QWidget* control : romControls())
        control->setEnabled(true);
    fraTools->show();
}

void ScreenEditor::selectFirstLevel() {
    if (cmbLevel->currentIndex() != 0)
        cmbLevel->setCurrentIndex(0); // runs cmbLevel_Click
    else
        cmbLevel_Click();
}

QString ScreenEditor::levelText() const {
    return qs(level_.text());
}

std::string ScreenEditor::screen() const {
    return cmbScreen->currentText().toStdString();
}

footprint::Placement ScreenEditor::placement() const {
    return static_cast<footprint::Placement>(placementOptions->checkedId());
}

// ---- Level and screen selection ----

void ScreenEditor::cmbLevel_Click() {
    showLevelAt(std::string());
}

void ScreenEditor::showLevelAt(const std::string& screen) {
    if (cmbLevel->currentIndex() >= 0)
        level_ = rom::LevelId::at(cmbLevel->currentIndex());
    {
        // Filling the list must not draw the screens it passes through: the chosen screen is
        // drawn once, below.
        const QSignalBlocker blocker(cmbScreen);
        cmbScreen->clear();
        for (const rom::ScreenRef& ref : ws.document().screenOrder(level_))
            cmbScreen->addItem(qs(ref.value_or(kiv::ConfigFile::NotFound)));
        cmbScreen->setCurrentIndex(std::max(0, cmbScreen->findText(qs(screen))));
    }
    cmbScreen_Click();
    buildObjectList();
    giveObject(0, DefaultLeftObject);
}

void ScreenEditor::cmbScreen_Click() {
    showScreen();
    cmdUndo->setEnabled(false);

    const std::string ref = screen();
    if (rom::CheckDupScreen(ws.document().kivLevel(), std::string(level_.key()), ref)) {
        dialogs.message(
            this, tr("Screen Editor"),
            tr("There is a screen with the reference '%1' in level %2.  Therefore "
               "this screen's design will be overwritten with the screen in that "
               "level when saved to the ROM and you will need to edit that one "
               "instead.")
                .arg(qs(ref), qs(rom::levelText(rom::secondLevelOfWorld(level_.key())))),
            Dialogs::Icon::Exclamation);
    }
    emit documentShown();
}

void ScreenEditor::showScreen() {
    drawScreen(*picEditor, ws.document().kivLevel(), pictures, std::string(level_.key()), screen());
    drawGrid(*picEditor, cmbLevel->currentIndex(), cmbScreen->currentIndex());
}

void ScreenEditor::redraw() {
    showScreen();
}

// ---- Object list and mouse buttons ----

void ScreenEditor::buildObjectList() {
    lvObjects->clear();
    for (const rom::CatalogueEntry& object : ws.catalogue().objectsOfWorld(level_.worldDigit())) {
        auto* item =
            new QListWidgetItem(objectIcon(object.code), qs(object.description), lvObjects);
        item->setData(Qt::UserRole, qs(object.codeText));
        objectkind::mark(*item, level_.worldDigit() - '0', object.code);
    }
}

QIcon ScreenEditor::objectIcon(int code) const {
    const QImage picture = pictures.LoadObjectPicture(code, std::string(level_.key()));
    return crispIcon(picture, lvObjects->devicePixelRatioF());
}

void ScreenEditor::refreshPictures() {
    if (!cmbLevel->isEnabled())
        return;
    for (int i = 0; i < lvObjects->count(); ++i) {
        QListWidgetItem* item = lvObjects->item(i);
        item->setIcon(
            objectIcon(rom::leadingWhole(item->data(Qt::UserRole).toString().toStdString())));
    }
    for (int index = 0; index < 2; ++index)
        if (buttonObject_[index] != 0)
            giveObject(index, buttonObject_[index]);
    redraw();
    emit picturesChanged();
}

// The list selects the item under any button when the button goes down, so by the release the
// item the user pointed at is the selected one.
bool ScreenEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvObjects->viewport() && event->type() == QEvent::MouseButtonRelease)
        lvObjects_MouseUp(static_cast<QMouseEvent*>(event)->button());
    return QWidget::eventFilter(watched, event);
}

void ScreenEditor::lvObjects_MouseUp(Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    const QList<QListWidgetItem*> selected = lvObjects->selectedItems();
    if (selected.isEmpty())
        return;
    const std::string code = selected.first()->data(Qt::UserRole).toString().toStdString();
    giveObject(button == Qt::LeftButton ? 0 : 1, rom::leadingWhole(code));
}

void ScreenEditor::giveObject(int index, int code) {
    buttonPicture_[index] = pictures.LoadObjectPicture(code, std::string(level_.key()));
    picObject[index]->setPixmap(
        crispPixmap(buttonPicture_[index], picObject[index]->devicePixelRatioF()));
    buttonObject_[index] = code;
}

void ScreenEditor::makeEraser(int index) {
    buttonPicture_[index] = QImage();
    picObject[index]->clear();
    buttonObject_[index] = 0;
}

void ScreenEditor::cmdEraser_Click() {
    mnuPopup->popup(QCursor::pos());
}

void ScreenEditor::mnuPopupLeftButton_Click() {
    makeEraser(0);
}

void ScreenEditor::mnuPopupRightButton_Click() {
    makeEraser(1);
}

// ---- Editing ----

void ScreenEditor::picEditor_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPointF pos) {
    const std::string ref = screen();
    if (ref.empty())
        return;
    const int index = button == Qt::RightButton ? 1 : 0;
    const int object = buttonObject_[index];
    cmdUndo->setEnabled(true);
    kivUndo.DelAll();
    undoHeldZero_.reset();

    rom::LevelDocument& doc = ws.document();
    rom::EditStep step{level_, ref, {}};
    const std::optional<int> placed = object != 0 ? std::optional<int>(object) : std::nullopt;
    const footprint::Cell clicked = footprint::cellAt(pos.x(), pos.y());
    for (const footprint::Cell& cell : footprint::cellsOf(placement(), clicked)) {
        const std::optional<int> previous = doc.cell(level_, ref, cell.x, cell.y);
        kivUndo.WriteValue(undoKey(cell.x, cell.y), rom::num(previous.value_or(0)));
        undoHeldZero_[undoBit(cell.x, cell.y)] = previous == 0;
        step.cells.push_back({cell.x, cell.y, previous, placed});
        const QPoint topLeft(cell.x * CellSize, cell.y * CellSize);
        if (object != 0)
            picEditor->paintPicture(buttonPicture_[index], topLeft);
        else
            picEditor->fillRect(topLeft, topLeft + QPoint(CellSize, CellSize), render::Background);
        doc.setCell(level_, ref, cell.x, cell.y, placed);
    }
    lastClickStep_ = doc.history().record(std::move(step));
    drawGrid(*picEditor, cmbLevel->currentIndex(), cmbScreen->currentIndex());
    emit screenEdited(level_.screenSection());
    emit cellsChanged(level_.index(), qs(ref));
    emit documentShown();
}

void ScreenEditor::picEditor_KeyDown(int keyCode, Qt::KeyboardModifiers shift) {
    const Qt::KeyboardModifiers held =
        shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (cmdUndo->isEnabled() && keyCode == Qt::Key_Z && held == Qt::ControlModifier)
        cmdUndo_Click();
}

void ScreenEditor::cmdUndo_Click() {
    const std::string ref = screen();
    for (int x = 0; x < rom::ScreenColumns; ++x) {
        for (int y = 0; y < rom::ScreenRows; ++y) {
            const std::string saved = kivUndo.GetValue(undoKey(x, y));
            if (saved == kiv::ConfigFile::NotFound)
                continue;
            const bool wasEmpty = saved == "0" && !undoHeldZero_[undoBit(x, y)];
            ws.document().setCell(level_, ref, x, y,
                                  wasEmpty ? std::nullopt
                                           : std::optional<int>(rom::leadingWhole(saved)));
        }
    }
    // The click is taken back, so Edit > Redo can give it back again.
    ws.document().history().takenBack(lastClickStep_);
    // After a save the undone click is a change the saved ROM does not hold.
    emit screenEdited(level_.screenSection());
    emit cellsChanged(level_.index(), qs(ref));
    cmbScreen_Click();
}

void ScreenEditor::cmdClear_Click() {
    const Dialogs::Answer answer =
        dialogs.message(this, tr("Clear Screen"),
                        tr("Are you sure you want to remove all objects from the screen?"),
                        Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer == Dialogs::Answer::Yes) {
        const std::string ref = screen();
        rom::LevelDocument& doc = ws.document();
        rom::EditStep step{level_, ref, {}};
        for (int x = 0; x < rom::ScreenColumns; ++x)
            for (int y = 0; y < rom::ScreenRows; ++y)
                if (const std::optional<int> code = doc.cell(level_, ref, x, y))
                    step.cells.push_back({x, y, code, std::nullopt});
        // The cleared screen must reach the next save like any other edit.
        doc.clearScreen(level_, ref);
        doc.history().record(std::move(step));
        emit screenEdited(level_.screenSection());
        emit cellsChanged(level_.index(), qs(ref));
    }
    cmbScreen_Click();
}

// ---- History ----

bool ScreenEditor::undoStep() {
    const std::optional<rom::EditStep> step = ws.document().history().undo(ws.document());
    if (step)
        showStep(*step);
    return step.has_value();
}

bool ScreenEditor::redoStep() {
    const std::optional<rom::EditStep> step = ws.document().history().redo(ws.document());
    if (step)
        showStep(*step);
    return step.has_value();
}

void ScreenEditor::showStep(const rom::EditStep& step) {
    emit screenEdited(step.level.screenSection());
    emit cellsChanged(step.level.index(), qs(step.screen));
    if (step.level != level_) {
        // Straight to the step's screen: the level's first screen is not shown on the way.
        {
            const QSignalBlocker blocker(cmbLevel);
            cmbLevel->setCurrentIndex(step.level.index());
        }
        showLevelAt(step.screen);
        return;
    }
    const int position = cmbScreen->findText(qs(step.screen)) + 1;
    if (position > 0 && position != screenPosition()) {
        selectScreen(position);
        return;
    }
    // The step's screen is shown already (or is no longer in the level's order): as after any
    // change of the screen, it is drawn again and the Undo button's click is gone.
    showScreen();
    cmdUndo->setEnabled(false);
    emit documentShown();
}

// ---- Editing from elsewhere ----

int ScreenEditor::screenPosition() const {
    return cmbScreen->currentIndex() + 1;
}

void ScreenEditor::selectScreen(int position) {
    if (position >= 1 && position <= cmbScreen->count() && position != screenPosition())
        cmbScreen->setCurrentIndex(position - 1); // runs cmbScreen_Click
}

void ScreenEditor::editScreenAt(int position, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                QPointF pos) {
    if (position < 1 || position > cmbScreen->count())
        return;
    selectScreen(position);
    picEditor_MouseUp(button, shift, pos);
}
