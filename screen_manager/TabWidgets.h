#pragma once

#include "rom/Catalogue.h"
#include "screen_manager/RecordTable.h"

#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class ChoiceBox;
class QAbstractItemModel;
class QLabel;
class QObject;
class QPushButton;
class QTreeView;
class QWidget;

// Building blocks shared by the Screen Manager's window and tabs.
namespace sm {

// A report-style view of `model` with one row selected at a time, its columns `twips` wide
// (0 hides a column). Sorting is done on request only.
QTreeView* makeListView(const QString& objectName, QAbstractItemModel& model,
                        const std::vector<int>& twips, QWidget* parent);

template <typename Record>
QTreeView* makeListView(const QString& objectName, RecordTable<Record>& model, QWidget* parent) {
    std::vector<int> twips;
    for (const TableColumn<Record>& c : model.columns())
        twips.push_back(c.twips);
    return makeListView(objectName, static_cast<QAbstractItemModel&>(model), twips, parent);
}

// The row of the first selected cell, -1 when none is selected.
int selectedRow(const QTreeView& list);
// Makes `row` current and selected without announcing the change.
void selectQuietly(QTreeView& list, int row);
// Calls `onRow` with the selected row whenever the selection changes, or `onNone` when no row is
// left selected.
void followSelection(QTreeView& list, QObject* receiver, std::function<void(int)> onRow,
                     std::function<void()> onNone);

// The descriptions of catalogue entries, in catalogue order, for a type box.
QStringList descriptionsOf(const std::vector<rom::CatalogueEntry>& entries);

using LabelledBox = std::pair<QLabel*, ChoiceBox*>;
// A caption label whose access key moves to its drop-down box; both start disabled.
LabelledBox makeLabelledBox(const QString& caption, const QString& labelName,
                            const QString& boxName, const QStringList& items, QWidget* parent);

// A small button showing an arrow or refresh glyph, explained by its tool tip.
QPushButton* glyphButton(const QString& glyph, const QString& toolTip, const QString& objectName,
                         QWidget* parent);

// "first" ... "last" as decimal texts.
QStringList numberTexts(int first, int last);

} // namespace sm
