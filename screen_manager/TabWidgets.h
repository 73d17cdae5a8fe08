#pragma once

#include <QStringList>

#include <initializer_list>
#include <utility>

class ChoiceBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Building blocks shared by the Screen Manager's window and tabs.
namespace sm {

struct Column {
    const char* header;
    int twips; // 0 hides the column: it only carries the sort key
};

// A report-style list view with one row selected at a time. Sorting is done on request only.
QTreeWidget* makeListView(const QString& objectName, std::initializer_list<Column> columns,
                          QWidget* parent);

QTreeWidgetItem* selectedRow(const QTreeWidget& list);

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
