#include "grid/model/cellstore.h"
#include "grid/model/gridundo.h"
#include "support/testregistry.h"

#include <QTest>

class GridUndoTest : public QObject {
    Q_OBJECT

private slots:
    // Undo and redo write the recorded texts back and name the first cell
    // changed, in column order.
    void undoAndRedoRestoreTheTexts()
    {
        CellStore cells(5, 4);
        QList<QPoint> restored;
        GridUndo undo(cells, [&](QPoint first) { restored << first; });
        const CellStore before = cells;
        cells.setText(3, 1, QStringLiteral("a"));
        cells.setText(2, 3, QStringLiteral("b"));
        undo.recordSince(before, QRect(QPoint(0, 0), QPoint(4, 3)));
        QCOMPARE(undo.steps(), 1);
        undo.undo();
        QCOMPARE(cells.text(3, 1), QString());
        QCOMPARE(cells.text(2, 3), QString());
        undo.redo();
        QCOMPARE(cells.text(2, 3), QStringLiteral("b"));
        QCOMPARE(restored, (QList<QPoint>{{2, 3}, {2, 3}}));
        undo.recordEdit({1, 1}, QStringLiteral("x"), QStringLiteral("x"));
        QCOMPARE(undo.steps(), 1); // no change, no step
    }

    void keepsTheNewestThousandSteps()
    {
        CellStore cells(2, 2);
        GridUndo undo(cells, {});
        for (int i = 0; i <= GridUndo::kMaxSteps; ++i) {
            const QString was = cells.text(1, 1);
            cells.setText(1, 1, QString::number(i));
            undo.recordEdit({1, 1}, was, cells.text(1, 1));
        }
        QCOMPARE(undo.steps(), GridUndo::kMaxSteps);
        while (undo.canUndo())
            undo.undo();
        QCOMPARE(cells.text(1, 1), QStringLiteral("0")); // the first step was dropped
    }

    // Each step after the first holds 20 MB (10 MB of text before, 10 MB
    // after): the oldest let go of their texts once all hold more than
    // 64 MB, so three stay undoable.
    void boundedMemory()
    {
        CellStore cells(2, 2);
        GridUndo undo(cells, {});
        const qsizetype length = 5 << 20; // 10 MB of UTF-16 per step
        for (int i = 0; i < 8; ++i) {
            const QString was = cells.text(1, 1);
            cells.setText(1, 1, QString(length, QChar(u'a' + i)));
            undo.recordEdit({1, 1}, was, cells.text(1, 1));
            QVERIFY(undo.bytes() <= GridUndo::kMaxBytes);
        }
        int undone = 0;
        while (undo.canUndo()) {
            undo.undo();
            ++undone;
        }
        QCOMPARE(undone, 3);
        QCOMPARE(cells.text(1, 1), QString(length, QChar(u'a' + 7 - undone)));

        // A change larger than the whole budget is not kept, nor what came before.
        cells.setText(1, 1, QString(GridUndo::kMaxBytes, u'z'));
        undo.recordEdit({1, 1}, QString(), cells.text(1, 1));
        QCOMPARE(undo.steps(), 0);
        QCOMPARE(undo.bytes(), 0);
    }
};

DAVOVO_TEST(GridUndoTest);

#include "gridundotest.moc"
