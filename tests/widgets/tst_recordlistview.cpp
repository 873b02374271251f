#include "widgets/RecordListView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

class RecordListViewTest : public QObject {
    Q_OBJECT

private slots:
    void rowsFollowAddedAndRemovedRecords();
    void arrowsSidewaysScrollAndKeepTheRow();
};

namespace {

void fill(QStandardItemModel &model, int first, int count)
{
    for (int row = first; row < first + count; ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            model.setItem(row, column, new QStandardItem(QStringLiteral("%1/%2").arg(row).arg(column)));
}

// The row the key leads to is current, in sight, and found again at its place.
void verifyShownAfterKey(RecordListView &view, Qt::Key key, int row)
{
    QTest::keyClick(&view, key);
    QCOMPARE(view.currentIndex().row(), row);
    const QRect cell = view.visualRect(view.currentIndex());
    QVERIFY(view.viewport()->rect().contains(cell));
    QCOMPARE(view.indexAt(cell.center()), view.currentIndex());
}

} // namespace

void RecordListViewTest::rowsFollowAddedAndRemovedRecords()
{
    QStandardItemModel model(0, 12);
    fill(model, 0, 100);
    RecordListView view;
    view.setModel(&model);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    // No section per record: adding one costs the same in any length of list.
    QCOMPARE(view.verticalHeader()->count(), 0);

    verifyShownAfterKey(view, Qt::Key_End, 99);
    fill(model, 100, 50);
    verifyShownAfterKey(view, Qt::Key_End, 149);
    verifyShownAfterKey(view, Qt::Key_Home, 0);
    verifyShownAfterKey(view, Qt::Key_End, 149);

    // With the rows above and the end taken away the list still reaches the bottom.
    model.removeRows(0, 60);
    model.removeRows(model.rowCount() - 10, 10);
    QVERIFY(view.indexAt(QPoint(1, view.viewport()->height() - 2)).isValid());
    verifyShownAfterKey(view, Qt::Key_End, 79);
    model.removeRows(0, 75);
    QCOMPARE(view.verticalScrollBar()->maximum(), 0);
    verifyShownAfterKey(view, Qt::Key_Home, 0);
    QCOMPARE(view.indexAt(QPoint(1, 1)).data().toString(), QStringLiteral("135/0"));
}

void RecordListViewTest::arrowsSidewaysScrollAndKeepTheRow()
{
    QStandardItemModel model(0, 12);
    fill(model, 0, 5);
    RecordListView view;
    view.setModel(&model);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setCurrentIndex(model.index(2, 0));
    QScrollBar *sideways = view.horizontalScrollBar();
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(sideways->value(), sideways->singleStep());
    QCOMPARE(view.header()->offset(), sideways->value());
    QTest::keyClick(&view, Qt::Key_Left);
    QCOMPARE(sideways->value(), 0);
    QCOMPARE(view.currentIndex(), model.index(2, 0));
    QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
}

QTEST_MAIN(RecordListViewTest)
#include "tst_recordlistview.moc"
