#include "grid/model/cellstore.h"
#include "grid/model/transferlimits.h"
#include "grid/transfer/copyformat.h"
#include "grid/transfer/pasteparser.h"
#include "platform/core/exceptions.h"
#include "support/testregistry.h"

#include <QTest>

namespace {

// A grid of the editor's size whose rows 1.. hold `rows`, cells split at
// "|", from column 1 on.
CellStore storeOf(const QStringList &rows)
{
    CellStore cells(247, 6);
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList texts = rows[r].split(u'|');
        for (int c = 0; c < texts.size(); ++c)
            cells.setText(c + 1, r + 1, texts[c]);
    }
    return cells;
}

// Every cell with text as "col,row=text", column first.
QStringList filledCells(const CellStore &cells)
{
    QStringList filled;
    for (int col = 0; col < cells.colCount(); ++col)
        for (int row = 0; row < cells.rowCount(); ++row)
            if (!cells.text(col, row).isEmpty())
                filled << QStringLiteral("%1,%2=%3").arg(col).arg(row).arg(cells.text(col, row));
    return filled;
}

QString errorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const EInvalidGridOperation &e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

} // namespace

// Text leaving and entering the grid: the copy format and the paste parser.
class CopyPasteTest : public QObject {
    Q_OBJECT

private slots:
    void copyFormat_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QRect>("block");
        QTest::addColumn<QString>("text");
        auto row = [](const char *name, QStringList rows, QRect block, const char *text) {
            QTest::newRow(name) << rows << block << QString::fromUtf8(text);
        };
        row("2 x 2", {"1|2", "3|4"}, {1, 1, 2, 2}, "1\t2\r\n3\t4");
        row("empty cells keep their tabs", {"|", "|"}, {1, 1, 2, 2}, "\t\r\n\t");
        row("cell texts unchanged", {"a\r\nb|c\td", "\"q\"|"}, {1, 1, 2, 2}, "a\r\nb\tc\td\r\n\"q\"\t");
        row("beyond the grid reads empty", {}, {246, 5, 2, 2}, "\t\r\n\t");
    }
    void copyFormat()
    {
        QFETCH(QStringList, rows);
        QFETCH(QRect, block);
        QFETCH(QString, text);
        QCOMPARE(copyText(storeOf(rows), block), text);
    }

    void cut()
    {
        CellStore cells = storeOf({"1|2|3", "4|5|6"});
        QCOMPARE(cutText(cells, QRect(2, 1, 2, 2)), QStringLiteral("2\t3\r\n5\t6"));
        QCOMPARE(filledCells(cells), (QStringList{"1,1=1", "1,2=4"}));
        QCOMPARE(errorOf([&] { (void)cutText(cells, QRect(0, 0, 5000, 5000)); }),
                 QStringLiteral("The selection is too large to copy"));
        QCOMPARE(filledCells(cells), (QStringList{"1,1=1", "1,2=4"}));
    }

    void paste_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("area"); // count: the fields of the text
        QTest::addColumn<QSize>("counts");
        QTest::addColumn<QStringList>("cells"); // every cell with text afterwards; (2,2) held "old"
        auto row = [](const char *name, QPoint start, const char *text, QRect area, QSize counts,
                      QStringList cells) {
            QTest::newRow(name) << start << QString::fromUtf8(text) << area << counts << cells;
        };
        const QSize same(247, 6);
        row("rows by CR LF", {1, 1}, "1\t2\r\n3\t4", {1, 1, 2, 2}, same,
            {"1,1=1", "1,2=3", "2,1=2", "2,2=4"});
        row("last column grows the columns", {246, 1}, "1\t2", {246, 1, 2, 1}, {248, 6},
            {"2,2=old", "246,1=1", "247,1=2"});
        row("final CR LF on the last row", {1, 5}, "x\r\n", {1, 5, 1, 2}, {247, 7}, {"1,5=x", "2,2=old"});
        row("rows past the last grow one by one", {1, 4}, "a\r\nb\r\nc\r\nd", {1, 4, 1, 4}, {247, 8},
            {"1,4=a", "1,5=b", "1,6=c", "1,7=d", "2,2=old"});
        row("grows both ways", {246, 5}, "a\tb\r\nc\td\te", {246, 5, 3, 2}, {249, 7},
            {"2,2=old", "246,5=a", "246,6=c", "247,5=b", "247,6=d", "248,6=e"});
        row("the character after CR is skipped", {1, 1}, "a\rbc", {1, 1, 1, 2}, same,
            {"1,1=a", "1,2=c", "2,2=old"});
        row("LF alone stays in the cell", {1, 1}, "a\nb\tc", {1, 1, 2, 1}, same,
            {"1,1=a\nb", "2,1=c", "2,2=old"});
        row("empty fields empty cells", {1, 2}, "a\t\tb", {1, 2, 3, 1}, same, {"1,2=a", "3,2=b"});
        row("the empty text writes nothing", {2, 2}, "", {}, same, {"2,2=old"});
    }
    void paste()
    {
        QFETCH(QPoint, start);
        QFETCH(QString, text);
        QFETCH(QRect, area);
        QFETCH(QSize, counts);
        QFETCH(QStringList, cells);
        CellStore store(247, 6);
        store.setText(2, 2, QStringLiteral("old"));
        const PasteResult result = pasteText(store, start, text);
        const qsizetype fields = text.isEmpty() ? 0 : text.count(u'\t') + text.count(u'\r') + 1;
        QCOMPARE(result.count, fields);
        QCOMPARE(result.area, area);
        QCOMPARE(QSize(store.colCount(), store.rowCount()), counts);
        QCOMPARE(filledCells(store), cells);
    }

    // Each refusal leaves every cell and both counts as they were.
    void pasteRefusals_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("start outside") << QPoint(247, 1) << "a"
                                       << "Grid index out of range";
        QTest::newRow("text too long")
            << QPoint(1, 1) << QString(TransferLimits::kMaxTextLength + 1, u'x')
            << "Texts of more than 16777216 characters cannot be taken into the grid";
        QTest::newRow("cell too long, after good lines")
            << QPoint(1, 1) << "a\tb\r\n" + QString(TransferLimits::kMaxCellLength + 1, u'x')
            << "A cell text of more than 32767 characters cannot be taken into the grid";
        QTest::newRow("too many columns") << QPoint(2, 1) << QString(TransferLimits::kMaxGridCount - 1, u'\t')
                                          << "The grid cannot grow beyond 16777216 columns or 16777216 rows";
    }
    void pasteRefusals()
    {
        QFETCH(QPoint, start);
        QFETCH(QString, text);
        QFETCH(QString, error);
        CellStore store = storeOf({"keep|this"});
        QCOMPARE(errorOf([&] { pasteText(store, start, text); }), error);
        QCOMPARE(QSize(store.colCount(), store.rowCount()), QSize(247, 6));
        QCOMPARE(filledCells(store), (QStringList{"1,1=keep", "2,1=this"}));
    }
};

DAVOVO_TEST(CopyPasteTest);
#include "copypastetest.moc"
