#include "editor/LevelCanvas.h"

#include "editor/ScreenImage.h"
#include "editor/ScreenMarks.h"
#include "rom/Catalogue.h"
#include "rom/LevelDocument.h"
#include "rom/Numbers.h"

#include <kiv/ConfigFile.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

const QColor LineColor(160, 160, 160);
const QColor NoPlaceColor(255, 0, 0);
constexpr int CaptionPadding = 4;
constexpr qreal GhostOpacity = 0.6;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QString hexText(int value) {
    return qs(rom::hexText(static_cast<unsigned>(value)));
}

} // namespace

LevelCanvas::LevelCanvas(const rom::LevelDocument& document, const PictureLibrary& pictures,
                         QWidget* parent)
    : QWidget(parent), document(document), pictures(pictures) {
    setObjectName(QStringLiteral("levelCanvas"));
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus); // Escape lets go of a dragged mark
    setAttribute(Qt::WA_OpaquePaintEvent);
    clickTimer_.setSingleShot(true);
    connect(&clickTimer_, &QTimer::timeout, this, &LevelCanvas::sendClick);
    relayout();
}

// ---- What is shown ----

void LevelCanvas::showLevel(rom::LevelId level) {
    level_ = level;
    drag_.reset();
    pendingClick_.reset();
    forgetCells();
    reloadRecords();
}

void LevelCanvas::reloadRecords() {
    refs_.clear();
    for (const rom::ScreenRef& ref : document.screenOrder(level_))
        refs_.push_back(ref.value_or(kiv::ConfigFile::NotFound));
    marks_.emplace(document.kivLevel(), pictures, std::string(level_.key()));
    relayout();
    update();
}

void LevelCanvas::cellsChanged(const std::string& ref) {
    const auto cached = cells_.find(qs(ref));
    if (cached == cells_.end())
        return;
    if (!cached->isNull())
        spare_.push_back(std::move(*cached));
    cells_.erase(cached);
    for (int k = 1; k <= static_cast<int>(refs_.size()); ++k)
        if (refs_[static_cast<size_t>(k - 1)] == ref)
            update(layout_.screenRect(k));
}

void LevelCanvas::forgetCells() {
    // The pictures' memory is drawn on again: fresh memory costs more than the drawing itself.
    for (QImage& picture : cells_)
        if (!picture.isNull())
            spare_.push_back(std::move(picture));
    cells_.clear();
    update();
}

void LevelCanvas::setZoom(int zoom) {
    layout_ = LevelLayout(static_cast<int>(refs_.size()), zoom, 0);
    relayout();
}

void LevelCanvas::setSelectedPosition(int position) {
    if (position == selected_)
        return;
    if (selected_ > 0)
        update(layout_.captionRect(selected_));
    selected_ = position;
    update(layout_.captionRect(selected_));
}

void LevelCanvas::setMarksShown(bool shown) {
    marksShown_ = shown;
    drag_.reset();
    update();
}

void LevelCanvas::relayout() {
    const int captionHeight = fontMetrics().height() + CaptionPadding;
    layout_ = LevelLayout(static_cast<int>(refs_.size()), layout_.zoom(), captionHeight);
    setFixedSize(layout_.size());
    update();
}

const QImage& LevelCanvas::screenPicture(int position) {
    const std::string& ref = refs_[static_cast<size_t>(position - 1)];
    const QString key = qs(ref);
    const auto cached = cells_.constFind(key);
    if (cached != cells_.constEnd())
        return *cached;
    if (ref == kiv::ConfigFile::NotFound)
        return *cells_.insert(key, QImage());
    QImage picture;
    if (spare_.empty()) {
        picture = QImage(render::ScreenWidth, render::ScreenHeight, QImage::Format_RGB32);
    } else {
        picture = std::move(spare_.back());
        spare_.pop_back();
    }
    picture.fill(render::Background);
    QPainter painter(&picture);
    paintScreenCells(painter, document.kivLevel(), pictures, std::string(level_.key()), ref);
    painter.end();
    return *cells_.insert(key, std::move(picture));
}

// ---- Painting ----

void LevelCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintArea(painter, event->rect());
}

void LevelCanvas::paintArea(QPainter& painter, const QRect& area) {
    painter.fillRect(area, palette().window());
    const auto [first, last] = layout_.positionsIn(area);
    for (int k = first; k <= last; ++k) {
        paintCaption(painter, k);
        paintScreen(painter, k);
        painter.fillRect(layout_.lineRect(k), LineColor);
    }
    paintDrag(painter);
}

void LevelCanvas::paintCaption(QPainter& painter, int position) {
    const QRect caption = layout_.captionRect(position);
    const bool selected = position == selected_;
    if (selected)
        painter.fillRect(caption, palette().highlight());
    painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::WindowText));
    QString text = QString::number(position) + QStringLiteral(": ") +
                   qs(refs_[static_cast<size_t>(position - 1)]);
    const int s = marks_->numbering().screenNumberOf(position);
    if (s != position)
        text += tr("  (screen %1)").arg(s);
    painter.drawText(caption.adjusted(CaptionPadding, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     text);
}

// The pictures are pixel art: they are scaled by whole numbers, without smoothing.
void LevelCanvas::paintScreen(QPainter& painter, int position) {
    const QRect screen = layout_.screenRect(position);
    const QImage& cells = screenPicture(position);
    if (cells.isNull())
        painter.fillRect(screen, render::Background);
    else
        painter.drawImage(screen, cells);
    if (!marksShown_)
        return;
    painter.save();
    painter.translate(screen.topLeft());
    painter.scale(zoom(), zoom());
    painter.setClipRect(0, 0, render::ScreenWidth, render::ScreenHeight);
    marks_->paint(painter, position);
    painter.restore();
}

void LevelCanvas::paintDrag(QPainter& painter) {
    if (!drag_ || !drag_->moving)
        return;
    const Landing where = landing();
    painter.save();
    painter.setOpacity(GhostOpacity);
    if (where.position > 0) {
        painter.translate(layout_.screenRect(where.position).topLeft());
        painter.scale(zoom(), zoom());
    } else {
        // Nowhere to land: the mark follows the pointer, framed in red, and goes back if let go.
        painter.translate(dragPointer_ + drag_->offset);
        painter.scale(zoom(), zoom());
        painter.translate(-anchorOf(drag_->mark));
    }
    const QRect area = where.position > 0 ? where.area : drag_->mark.area;
    if (drag_->mark.kind == LevelMark::Kind::Enemy)
        painter.drawImage(area.topLeft(), drag_->mark.picture);
    else
        painter.fillRect(area, marks::PowerUpColor);
    if (where.position == 0) {
        painter.setOpacity(1);
        painter.setPen(QPen(NoPlaceColor, 0));
        painter.drawRect(area);
    }
    painter.restore();
}

// ---- Marks under the pointer and where they land ----

QPoint LevelCanvas::anchorOf(const LevelMark& mark) {
    if (mark.kind == LevelMark::Kind::Enemy)
        return {mark.area.left(), mark.area.top() + mark.picture.height()};
    return {mark.area.left(), 0};
}

const LevelMark* LevelCanvas::markAt(QPoint point) const {
    if (!marksShown_ || !marks_)
        return nullptr;
    const std::optional<LevelLayout::Place> place = layout_.screenAt(point);
    return place ? marks_->markAt(place->position, place->pixel) : nullptr;
}

LevelCanvas::Landing LevelCanvas::landing() const {
    Landing where;
    const std::optional<LevelLayout::Place> place = layout_.columnAt(dragPointer_ + drag_->offset);
    if (!place)
        return where;
    const LevelMark& mark = drag_->mark;
    const int s = marks_->numbering().screenNumberOf(place->position);
    if (mark.kind == LevelMark::Kind::Enemy) {
        where.enemy = rom::enemyPlaceAt(s, place->pixel.x(), place->pixel.y());
        if (where.enemy)
            where.area =
                QRect(marks::enemyTopLeft(mark.picture, where.enemy->x, where.enemy->positionByte),
                      mark.picture.size());
    } else {
        where.powerUp = rom::powerUpPlaceAt(s, place->pixel.x());
        if (where.powerUp)
            where.area = marks::powerUpBar(where.powerUp->x);
    }
    if (where.enemy || where.powerUp)
        where.position = place->position;
    return where;
}

void LevelCanvas::describe(QPoint point) {
    const std::optional<LevelLayout::Place> place = layout_.screenAt(point);
    if (!place) {
        emit pointerDescribed(QString());
        return;
    }
    QString text = tr("Screen %1 (%2), cell %3, %4")
                       .arg(place->position)
                       .arg(qs(refs_[static_cast<size_t>(place->position - 1)]))
                       .arg(place->pixel.x() / render::Cell)
                       .arg(place->pixel.y() / render::Cell);
    if (const LevelMark* mark = markAt(point)) {
        text += QStringLiteral(" - ") + nameOf(*mark) +
                (mark->isMovable() ? tr(": drag to move it, double-click to open it in the "
                                        "Screen Manager")
                                   : tr(": double-click to open it in the Screen Manager"));
    }
    emit pointerDescribed(text);
}

QString LevelCanvas::nameOf(const LevelMark& mark) const {
    static const char* const kinds[] = {QT_TR_NOOP("Enemy"), QT_TR_NOOP("Power-up"),
                                        QT_TR_NOOP("Pipe entry"), QT_TR_NOOP("Pipe exit")};
    QString name = tr(kinds[static_cast<int>(mark.kind)]);
    if (!catalogue_ || !mark.isMovable())
        return name;
    const auto& entries =
        mark.kind == LevelMark::Kind::Enemy ? catalogue_->enemies() : catalogue_->powerUps();
    if (const rom::CatalogueEntry* entry = rom::Catalogue::withCode(entries, mark.type))
        name += QStringLiteral(" \u201C") + qs(entry->description) + QStringLiteral("\u201D");
    return name;
}

void LevelCanvas::describeLanding() {
    const Landing where = landing();
    const bool enemy = drag_->mark.kind == LevelMark::Kind::Enemy;
    if (where.enemy)
        emit pointerDescribed(tr("%1 to screen %2, X %3, Y %4")
                                  .arg(nameOf(drag_->mark))
                                  .arg(where.enemy->screen)
                                  .arg(where.enemy->x)
                                  .arg(hexText(where.enemy->positionByte)));
    else if (where.powerUp)
        emit pointerDescribed(tr("%1 to screen %2, X %3")
                                  .arg(nameOf(drag_->mark))
                                  .arg(where.powerUp->screen)
                                  .arg(where.powerUp->x));
    else
        emit pointerDescribed(enemy ? tr("No place for the enemy here: it goes back")
                                    : tr("No place for the power-up here: it goes back"));
}

// ---- Mouse ----

void LevelCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    // The second press of a double-click comes before the double-click itself; a press anywhere
    // else means the click waiting for it was a click.
    if (pendingClick_ && !isSecondPress(point, event->button())) {
        clickTimer_.stop();
        sendClick();
    }
    swallowRelease_ = false;
    if (event->button() != Qt::LeftButton)
        return;
    // Any mark waits to see whether it is double-clicked; enemies and power-ups may be dragged.
    if (const LevelMark* mark = markAt(point)) {
        const std::optional<LevelLayout::Place> place = layout_.screenAt(point);
        drag_ = Drag{*mark, point, layout_.pointOf(place->position, anchorOf(*mark)) - point};
        dragPointer_ = point;
    }
}

void LevelCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (!drag_ || !drag_->mark.isMovable()) {
        const LevelMark* mark = markAt(point);
        setCursor(mark && mark->isMovable() ? Qt::OpenHandCursor : Qt::ArrowCursor);
        describe(point);
        return;
    }
    if (!drag_->moving &&
        (point - drag_->pressPoint).manhattanLength() < QApplication::startDragDistance())
        return;
    drag_->moving = true;
    setCursor(Qt::ClosedHandCursor);
    dragPointer_ = point;
    describeLanding();
    update();
}

void LevelCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (swallowRelease_) {
        swallowRelease_ = false;
        return;
    }
    const QPoint point = event->position().toPoint();
    if (drag_ && event->button() == Qt::LeftButton) {
        const bool moved = drag_->moving;
        if (moved) {
            dragPointer_ = point;
            finishDrag();
            return;
        }
        drag_.reset();
        // A click on a mark edits the cell under it, unless it turns into a double-click.
        if (const std::optional<LevelLayout::Place> place = layout_.screenAt(point)) {
            pendingClick_ =
                Click{place->position, place->pixel, event->button(), event->modifiers()};
            clickTimer_.start(QApplication::doubleClickInterval());
        }
        return;
    }
    if (const int caption = layout_.captionAt(point)) {
        emit screenChosen(caption);
        return;
    }
    if (const std::optional<LevelLayout::Place> place = layout_.screenAt(point))
        emit cellReleased(place->position, event->button(), event->modifiers(), place->pixel);
}

void LevelCanvas::finishDrag() {
    const Landing where = landing();
    const int record = drag_->mark.record;
    if (!where.enemy && !where.powerUp)
        emit pointerDescribed(drag_->mark.kind == LevelMark::Kind::Enemy
                                  ? tr("No place for the enemy there: it went back")
                                  : tr("No place for the power-up there: it went back"));
    drag_.reset();
    setCursor(Qt::ArrowCursor);
    update();
    if (where.enemy)
        emit enemyDropped(record, *where.enemy);
    else if (where.powerUp)
        emit powerUpDropped(record, *where.powerUp);
}

bool LevelCanvas::isSecondPress(QPoint point, Qt::MouseButton button) const {
    const std::optional<LevelLayout::Place> place = layout_.screenAt(point);
    return button == pendingClick_->button && place && place->position == pendingClick_->position &&
           (place->pixel - pendingClick_->pixel).manhattanLength() * zoom() <
               QApplication::startDragDistance();
}

void LevelCanvas::sendClick() {
    if (!pendingClick_)
        return;
    const Click click = *pendingClick_;
    pendingClick_.reset();
    emit cellReleased(click.position, click.button, click.modifiers, click.pixel);
}

void LevelCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    const LevelMark* mark =
        event->button() == Qt::LeftButton ? markAt(event->position().toPoint()) : nullptr;
    if (!mark) {
        mousePressEvent(event);
        return;
    }
    clickTimer_.stop();
    pendingClick_.reset();
    drag_.reset();
    swallowRelease_ = true;
    // The Screen Manager waits for the user; the mouse event should not wait with it.
    const LevelMark activated = *mark;
    QMetaObject::invokeMethod(
        this, [this, activated] { emit markActivated(activated); }, Qt::QueuedConnection);
}

void LevelCanvas::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta != 0)
        emit zoomWheeled(delta > 0 ? 1 : -1, event->position().toPoint());
    event->accept();
}

void LevelCanvas::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || !drag_ || !drag_->moving) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool enemy = drag_->mark.kind == LevelMark::Kind::Enemy;
    drag_.reset();
    swallowRelease_ = true; // the button still held lets go of nothing
    setCursor(Qt::ArrowCursor);
    update();
    emit pointerDescribed(enemy ? tr("The enemy went back") : tr("The power-up went back"));
}

void LevelCanvas::leaveEvent(QEvent*) {
    if (!drag_)
        emit pointerDescribed(QString());
}
