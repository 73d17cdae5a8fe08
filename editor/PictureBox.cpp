#include "editor/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QSize size, QWidget* parent)
    : QWidget(parent), image_(size, QImage::Format_RGB32) {
    setFixedSize(size);
    setFocusPolicy(Qt::ClickFocus);
    image_.fill(backColor_);
}

void PictureBox::clear() {
    image_.fill(backColor_);
    update();
}

void PictureBox::paintPicture(const QImage& picture, QPoint topLeft) {
    QPainter painter(&image_);
    painter.drawImage(topLeft, picture);
    update();
}

void PictureBox::drawLine(QPoint from, QPoint to, QColor color) {
    QPainter painter(&image_);
    painter.setPen(color);
    painter.drawLine(from, to);
    update();
}

void PictureBox::drawRect(QPoint from, QPoint to, QColor color) {
    QPainter painter(&image_);
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(from, to).normalized().adjusted(0, 0, -1, -1));
    update();
}

void PictureBox::fillRect(QPoint from, QPoint to, QColor color) {
    QPainter painter(&image_);
    painter.fillRect(QRect(from, to).normalized(), color);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // On a screen with more device pixels than points each pixel must stay a square.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, image_);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), event->modifiers(), event->position());
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}
