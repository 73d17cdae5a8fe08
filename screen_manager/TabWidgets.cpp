#include "screen_manager/TabWidgets.h"

#include "screen_manager/ChoiceBox.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace sm {

namespace {
constexpr int TwipsPerPixel = 15;
}

QTreeWidget* makeListView(const QString& objectName, std::initializer_list<Column> columns,
                          QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setColumnCount(static_cast<int>(columns.size()));
    QStringList headers;
    for (const Column& c : columns)
        headers << QString::fromUtf8(c.header);
    list->setHeaderLabels(headers);
    list->header()->setStretchLastSection(false);
    int i = 0;
    for (const Column& c : columns) {
        list->setColumnWidth(i, c.twips / TwipsPerPixel);
        list->setColumnHidden(i, c.twips == 0);
        ++i;
    }
    return list;
}

QTreeWidgetItem* selectedRow(const QTreeWidget& list) {
    const auto rows = list.selectedItems();
    return rows.isEmpty() ? nullptr : rows.first();
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
