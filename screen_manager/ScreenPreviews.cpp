#include "screen_manager/ScreenPreviews.h"

#include "editor/PictureBox.h"

#include <QGridLayout>
#include <QLabel>

ScreenPreviews::ScreenPreviews(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < Count; ++i) {
        captions[i] = new QLabel(this);
        captions[i]->setObjectName(QStringLiteral("lblRef%1").arg(i));
        boxes[i] = new PictureBox(QSize(320, 256), this);
        boxes[i]->setObjectName(QStringLiteral("picEditor%1").arg(i));
        QSizePolicy keepPlace = boxes[i]->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        boxes[i]->setSizePolicy(keepPlace);
        const int row = 2 * (i / 3);
        grid->addWidget(captions[i], row, i % 3);
        grid->addWidget(boxes[i], row + 1, i % 3);
    }
}
