#pragma once

#include <QComboBox>
#include <QStringList>

// A drop-down list that can also show a value it does not offer. A list row may hold a value
// that none of the items matches (a fraction, a screen outside the offered range, a type the
// catalogue does not know); the box shows it unchanged and hands it back through text() until
// the user picks an item, so copying the box into the row never loses it.
class ChoiceBox : public QComboBox {
    Q_OBJECT

public:
    explicit ChoiceBox(const QStringList& items = {}, QWidget* parent = nullptr);

    // Appends items without changing what the box shows (an empty box stays empty).
    void addChoices(const QStringList& items);
    // Selects the item with exactly this text, or shows the text with no item selected.
    void setText(const QString& text);
    QString text() const;

signals:
    // The shown text changed, whether the user picked an item or the program set it.
    void changed();

private:
    void indexChanged(int index);

    QString other_;
};
