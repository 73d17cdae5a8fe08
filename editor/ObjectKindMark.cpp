#include "editor/ObjectKindMark.h"

#include "rom/ObjectKind.h"

#include <QListWidgetItem>
#include <QPainter>

namespace objectkind {

namespace {

QString tipOf(rom::ObjectKind kind) {
    switch (kind) {
    case rom::ObjectKind::Scenery:
        return QObject::tr("Scenery: Mario passes through it");
    case rom::ObjectKind::Solid:
        return QObject::tr("Solid: Mario stands on it and cannot pass");
    case rom::ObjectKind::SemiSolid:
        return QObject::tr("Semi-solid: Mario stands on it and jumps through from below");
    case rom::ObjectKind::HiddenBlock:
        return QObject::tr("Hidden block: blank until Mario hits it from below");
    case rom::ObjectKind::Breakable:
        return QObject::tr("Breakable block");
    case rom::ObjectKind::Mystery:
        return QObject::tr("Mystery: the power-up record at its place says what comes out");
    case rom::ObjectKind::Coin:
        return QObject::tr("Coin");
    case rom::ObjectKind::BossSwitch:
        return QObject::tr("Boss switch: touching it ends a boss level");
    case rom::ObjectKind::EnterablePipe:
        return QObject::tr("Pipe entrance: standing on it lets Mario go down the pipe");
    case rom::ObjectKind::InvisibleWall:
        return QObject::tr("Invisible wall: nothing shows here, but Mario cannot pass");
    }
    return {};
}

QColor colourOf(const QString& kind, const QPalette& palette) {
    const QString wall = QString::fromLatin1(rom::kindName(rom::ObjectKind::InvisibleWall));
    const QString scenery = QString::fromLatin1(rom::kindName(rom::ObjectKind::Scenery));
    if (kind == wall)
        return QColor(200, 0, 0);
    return kind == scenery ? palette.color(QPalette::Disabled, QPalette::Text)
                           : palette.color(QPalette::Text);
}

} // namespace

void mark(QListWidgetItem& item, int world, int code) {
    const rom::ObjectKind kind = rom::objectKind(world, code);
    item.setData(KindRole, QString::fromLatin1(rom::kindName(kind)));
    item.setToolTip(tipOf(kind));
}

void Delegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QString kind = index.data(KindRole).toString();
    if (kind.isEmpty())
        return;
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                             : colourOf(kind, option.palette));
    painter->drawText(option.rect.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, kind);
    painter->restore();
}

} // namespace objectkind
