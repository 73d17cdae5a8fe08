#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A picture box that keeps what was drawn on it: every drawing call paints into a backing
// image, and the widget shows that image. Coordinates are pixels of the image.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QSize size, QWidget* parent = nullptr);

    const QImage& image() const { return image_; }
    QColor backColor() const { return backColor_; }
    void setBackColor(QColor color) { backColor_ = color; }
    QColor foreColor() const { return foreColor_; }
    void setForeColor(QColor color) { foreColor_ = color; }

    void clear();
    // Paints `picture` at its own size with its top-left corner at `topLeft`.
    void paintPicture(const QImage& picture, QPoint topLeft);
    // Lines and rectangles take inclusive corners, as the classic picture box does.
    void drawLine(QPoint from, QPoint to, QColor color);
    void drawRect(QPoint from, QPoint to, QColor color);
    void fillRect(QPoint from, QPoint to, QColor color);

    QSize sizeHint() const override { return image_.size(); }

signals:
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage image_;
    QColor backColor_ = Qt::white;
    QColor foreColor_ = Qt::black;
};
