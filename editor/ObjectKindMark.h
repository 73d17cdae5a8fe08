#pragma once

// The object list marks each object with what Mario meets there (rom::ObjectKind), right-aligned
// beside the description, so a user knows what stands and what walks through before playing.

#include <QStyledItemDelegate>

class QListWidgetItem;

namespace objectkind {

// The item's kind name ("Solid", "Invisible wall", ...), as the list shows it.
inline constexpr int KindRole = Qt::UserRole + 1;

// Gives `item` the kind of `code` in world 1..4: the kind name and a tip that says it in full.
void mark(QListWidgetItem& item, int world, int code);

// Draws an item as usual, then its kind name at the right edge: grey for scenery, dark for the
// rest, red for an invisible wall, which nothing on the screen shows.
class Delegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace objectkind
