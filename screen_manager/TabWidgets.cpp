#include "screen_manager/TabWidgets.h"

#include "screen_manager/ChoiceBox.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>

namespace sm {

namespace {
constexpr int TwipsPerPixel = 15;
}

QTreeView* makeListView(const QString& objectName, QAbstractItemModel& model,
                        const std::vector<int>& twips, QWidget* parent) {
    auto* list = new QTreeView(parent);
    list->setObjectName(objectName);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setModel(&model);
    list->header()->setStretchLastSection(false);
    for (int i = 0; i < static_cast<int>(twips.size()); ++i) {
        list->setColumnWidth(i, twips[i] / TwipsPerPixel);
        list->setColumnHidden(i, twips[i] == 0);
    }
    return list;
}

int selectedRow(const QTreeView& list) {
    const QModelIndexList cells = list.selectionModel()->selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

void followSelection(QTreeView& list, QObject* receiver, std::function<void(int)> onRow,
                     std::function<void()> onNone) {
    QObject::connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, receiver,
                     [&list, onRow = std::move(onRow), onNone = std::move(onNone)] {
                         const int row = selectedRow(list);
                         if (row >= 0)
                             onRow(row);
                         else
                             onNone();
                     });
}

QStringList descriptionsOf(const std::vector<rom::CatalogueEntry>& entries) {
    QStringList descriptions;
    for (const rom::CatalogueEntry& entry : entries)
        descriptions << QString::fromStdString(entry.description);
    return descriptions;
}

void selectQuietly(QTreeView& list, int row) {
    {
        const QSignalBlocker quiet(list.selectionModel());
        list.setCurrentIndex(list.model()->index(row, 0));
    }
    // The view heard nothing either, so it redraws the new selection itself.
    list.viewport()->update();
}

LabelledBox makeLabelledBox(const QString& caption, const QString& labelName,
                            const QString& boxName, const QStringList& items, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(labelName);
    auto* box = new ChoiceBox(items, parent);
    box->setObjectName(boxName);
    label->setBuddy(box);
    label->setEnabled(false);
    box->setEnabled(false);
    return {label, box};
}

QPushButton* glyphButton(const QString& glyph, const QString& toolTip, const QString& objectName,
                         QWidget* parent) {
    auto* button = new QPushButton(glyph, parent);
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    button->setFixedSize(28, 28);
    return button;
}

QStringList numberTexts(int first, int last) {
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts << QString::number(n);
    return texts;
}

} // namespace sm
