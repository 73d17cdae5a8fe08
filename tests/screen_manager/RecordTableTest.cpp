// The record table under the Screen Manager's lists: cells drawn by the column schema, a stable
// sort on a column's text that carries the selection along, and the view built from the schema.

#include "screen_manager/RecordTable.h"
#include "screen_manager/TabWidgets.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

namespace {

struct Pair {
    int key;
    QString name;
};

using Table = RecordTable<Pair>;

Table::Columns pairColumns() {
    return {
        {"Name", 1500, [](const Pair& p) { return p.name; }},
        {"Key", 0, [](const Pair& p) { return QString::number(p.key); }},
    };
}

QStringList names(const Table& table) {
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts << table.index(row, 0).data().toString();
    return texts;
}

} // namespace

class RecordTableTest : public QObject {
    Q_OBJECT

private slots:
    void cellsAndHeadersComeFromTheSchema() {
        Table table(pairColumns());
        QAbstractItemModelTester tester(&table);
        table.setRecords({{3, "c"}, {1, "a"}});
        QCOMPARE(table.columnCount(), 2);
        QCOMPARE(table.headerData(0, Qt::Horizontal).toString(), "Name");
        QCOMPARE(table.headerData(1, Qt::Horizontal).toString(), "Key");
        QCOMPARE(table.index(0, 1).data().toString(), "3");
        QCOMPARE(table.index(1, 0).data().toString(), "a");
        QVERIFY(!table.index(1, 0).data(Qt::EditRole).isValid());
    }

    // Keys compare as text ("10" before "9"), and equal keys keep their order.
    void sortingIsStableOnTheColumnText_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ascending") << int(Qt::AscendingOrder) << QStringList{"x", "y", "n", "t"};
        QTest::newRow("descending") << int(Qt::DescendingOrder) << QStringList{"n", "t", "x", "y"};
    }
    void sortingIsStableOnTheColumnText() {
        QFETCH(int, order);
        QFETCH(QStringList, expected);
        Table table(pairColumns());
        QAbstractItemModelTester tester(&table);
        table.setRecords({{9, "n"}, {10, "x"}, {9, "t"}, {10, "y"}});
        table.sort(1, Qt::SortOrder(order));
        QCOMPARE(names(table), expected);
        QCOMPARE(table.record(0).name, expected.first());
    }

    void editedRecordsAnnounceTheirRowAndTheSelectionFollowsASort() {
        Table table(pairColumns());
        QAbstractItemModelTester tester(&table);
        table.setRecords({{1, "a"}, {2, "b"}, {3, "c"}});
        QItemSelectionModel selection(&table);
        selection.setCurrentIndex(table.index(0, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QSignalSpy changed(&table, &QAbstractItemModel::dataChanged);

        table.setRecord(0, {4, "a"});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex(), table.index(0, 0));
        QCOMPARE(changed.first().at(1).toModelIndex(), table.index(0, 1));
        table.sort(1);
        QCOMPARE(names(table), QStringList({"b", "c", "a"}));
        QCOMPARE(selection.currentIndex().row(), 2);
        QVERIFY(selection.isRowSelected(2));
        QCOMPARE(selection.selectedIndexes().size(), 2);
    }

    void theViewTakesNameWidthsAndHiddenColumnsFromTheSchema() {
        Table table(pairColumns());
        QWidget parent;
        QTreeView* view = sm::makeListView("lvPairs", table, &parent);
        QCOMPARE(view->objectName(), "lvPairs");
        QCOMPARE(view->model(), &table);
        QCOMPARE(view->columnWidth(0), 100);
        QVERIFY(!view->isColumnHidden(0));
        QVERIFY(view->isColumnHidden(1));
        QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!view->isSortingEnabled());
        QVERIFY(!view->header()->stretchLastSection());
    }
};

QTEST_MAIN(RecordTableTest)
#include "RecordTableTest.moc"
