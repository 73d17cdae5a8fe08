#include "screen_manager/ChoiceBox.h"

#include <QSignalBlocker>

ChoiceBox::ChoiceBox(const QStringList& items, QWidget* parent) : QComboBox(parent) {
    addChoices(items);
    connect(this, &QComboBox::currentIndexChanged, this, &ChoiceBox::indexChanged);
}

void ChoiceBox::addChoices(const QStringList& items) {
    const QSignalBlocker quiet(this);
    const int index = currentIndex();
    addItems(items);
    setCurrentIndex(index);
}

void ChoiceBox::setText(const QString& text) {
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        setCurrentIndex(index);
        return;
    }
    const QString before = this->text();
    other_ = text;
    setPlaceholderText(text);
    if (currentIndex() != -1)
        setCurrentIndex(-1);
    else if (before != text)
        emit changed();
}

QString ChoiceBox::text() const {
    return currentIndex() >= 0 ? currentText() : other_;
}

void ChoiceBox::indexChanged(int index) {
    if (index >= 0) {
        other_.clear();
        setPlaceholderText({});
    }
    emit changed();
}
