#include "editor/editorgrid.h"
#include "colour/colourtable.h"
#include "colour/splpalfile.h"
#include "editor/colourcommands.h"
#include "platform/core/exceptions.h"
#include "support/acceptedintegers.h"
#include "support/recordingdialogs.h"
#include "support/tempdir.h"
#include "support/showfocused.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>

namespace {

// A colour reference value: red + green x 256 + blue x 65536.
QColor fromColourRef(quint32 ref)
{
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

const QColor kMaroon = fromColourRef(128);
const QColor kSilver = fromColourRef(12632256);

// The area of a widget that paint events covered since it was made.
class PaintedArea : public QObject {
public:
    explicit PaintedArea(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
    QRegion region;
};

// The editor window's grid, shown and focused on cell (1, 1).
class EditorWindow {
public:
    EditorWindow()
    {
        grid.resize(900, 220);
        grid.writeColumnHeaders();
    }
    [[nodiscard]] bool showFocused() { return ::showFocused(grid, grid); }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void type(const QString &text)
    {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    // Types key by key, with the repaints a user's screen sees in between:
    // the editor appearing, an expose, a resize.
    void typeRepainting(const QString &text)
    {
        for (QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            grid.viewport()->repaint();
            grid.resize(grid.width() + 1, grid.height());
            QApplication::processEvents();
        }
    }
    [[nodiscard]] QImage image() { return grid.viewport()->grab().toImage(); }
    [[nodiscard]] QColor swatchCentre(const QImage &image, int col) const
    {
        return image.pixelColor(grid.cellRect(col, EditorGrid::kSwatchRow).center());
    }
    // A point of the fixed cell inside its edges and away from its text.
    [[nodiscard]] QColor fixedBackground(const QImage &image) const
    {
        const QRect rect = grid.cellRect(0, 4);
        return image.pixelColor(rect.right() - 3, rect.bottom() - 3);
    }
    // The lightest pixel inside a cell's edges: its text's colour where the
    // glyphs cover whole pixels.
    [[nodiscard]] QColor lightest(const QImage &image, const QRect &rect) const
    {
        QColor best(0, 0, 0);
        for (int y = rect.top() + 1; y < rect.bottom(); ++y)
            for (int x = rect.left() + 1; x < rect.right(); ++x)
                if (image.pixelColor(x, y).lightness() > best.lightness())
                    best = image.pixelColor(x, y);
        return best;
    }

    ColourTable table;
    EditorGrid grid{table};
};

} // namespace

class EditorGridTest : public QObject {
    Q_OBJECT

private slots:
    void init() { recordedDialogs().reset(); }

    void headers()
    {
        ColourTable table;
        EditorGrid grid(table);
        grid.writeColumnHeaders();
        QCOMPARE(grid.colCount(), 247);
        QCOMPARE(grid.rowCount(), 6);
        QCOMPARE(grid.cell(0, 0), QStringLiteral("Location"));
        QCOMPARE(grid.cell(1, 0), QStringLiteral("0"));
        QCOMPARE(grid.cell(2, 0), QStringLiteral("1"));
        QCOMPARE(grid.cell(246, 0), QStringLiteral("245"));
        const QStringList rows{"Location", "Red", "Green", "Blue", "???", "Color"};
        for (int row = 0; row < rows.size(); ++row)
            QCOMPARE(grid.cell(0, row), rows[row]);
        QCOMPARE(grid.colWidth(0), 45);
        QCOMPARE(grid.colWidth(246), 45);
        QCOMPARE(grid.rowHeight(5), 21);
    }

    void freshGridShowsZerosAndBlackSwatches()
    {
        EditorWindow w;
        QVERIFY(w.showFocused());
        const QImage image = w.image();
        for (int col = 1; col <= 246; ++col)
            for (int row = 1; row <= 4; ++row)
                QCOMPARE(w.grid.cell(col, row), QStringLiteral("0"));
        QCOMPARE(w.swatchCentre(image, 1), QColor(Qt::black));
        QCOMPARE(w.swatchCentre(image, 5), QColor(Qt::black));
        QVERIFY(recordedDialogs().errors().isEmpty());
    }

    void fillPaintsTheColumnColour()
    {
        EditorWindow w;
        w.table.setByte(7, 0, 255);
        w.table.setByte(7, 1, 128);
        w.table.setByte(7, 2, 0);
        w.table.setByte(7, 3, 1);
        QVERIFY(w.showFocused());
        w.grid.fillFromTable();
        QCOMPARE(w.grid.cell(8, 1), QStringLiteral("255"));
        QCOMPARE(w.grid.cell(8, 2), QStringLiteral("128"));
        QCOMPARE(w.grid.cell(8, 3), QStringLiteral("0"));
        QCOMPARE(w.grid.cell(8, 4), QStringLiteral("1"));
        const QImage image = w.image();
        const QColor orange = fromColourRef(33023);
        QCOMPARE(w.swatchCentre(image, 8), orange);
        // The focus rectangle's dots on the swatch's border are inverted.
        const QRect rect = w.grid.cellRect(8, EditorGrid::kSwatchRow);
        const int x = rect.left() + (rect.left() + rect.top()) % 2;
        QCOMPARE(image.pixelColor(x, rect.top()), QColor(0, 127, 255));
        QCOMPARE(image.pixelColor(x + 1, rect.top()), orange);
        QCOMPARE(w.swatchCentre(image, 7), QColor(Qt::black));
    }

    void fillFitsTheColumns()
    {
        EditorWindow w;
        w.table.setByte(0, 0, 200);
        w.grid.fillFromTable();
        const QFontMetrics metrics(w.grid.style().font);
        const int xx = metrics.horizontalAdvance(QStringLiteral("xx"));
        QCOMPARE(w.grid.colWidth(0), metrics.horizontalAdvance(QStringLiteral("Location")) + xx);
        QCOMPARE(w.grid.colWidth(1), metrics.horizontalAdvance(QStringLiteral("200")) + xx);
        QCOMPARE(w.grid.colWidth(246), metrics.horizontalAdvance(QStringLiteral("245")) + xx);
        QCOMPARE(w.grid.colWidth(2), metrics.horizontalAdvance(QStringLiteral("1")) + xx);
    }

    void toTableKeepsTheLowEightBits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("byte");
        QTest::newRow("300") << "300" << 44;
        QTest::newRow("256") << "256" << 0;
        QTest::newRow("-1") << "-1" << 255;
        QTest::newRow("$FF") << "$FF" << 255;
        QTest::newRow("0x10") << "0x10" << 16;
    }
    void toTableKeepsTheLowEightBits()
    {
        QFETCH(QString, text);
        QFETCH(int, byte);
        ColourTable table;
        EditorGrid grid(table);
        grid.setCell(10, 3, text);
        grid.setCell(10, 1, QStringLiteral("1"));
        grid.setCell(10, 2, QStringLiteral("2"));
        grid.setCell(10, 4, QStringLiteral("4"));
        grid.toTable(9);
        QCOMPARE(int(table.byte(9, 2)), byte);
        QCOMPARE(int(table.byte(9, 3)), 4);
    }

    void toTableRaisesForABadText()
    {
        ColourTable table;
        table.setByte(0, 0, 9);
        EditorGrid grid(table);
        grid.setCell(1, 1, QStringLiteral("1"));
        grid.setCell(1, 2, QStringLiteral("1 "));
        try {
            grid.toTable(0);
            QFAIL("no error");
        } catch (const EConvertError &e) {
            QCOMPARE(e.message(), QStringLiteral("'1 ' is not a valid integer value"));
        }
        QCOMPARE(int(table.byte(0, 0)), 9);
    }

    void changedValueTurnsTheIndicatorOn()
    {
        EditorWindow w;
        w.grid.setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        QCOMPARE(w.fixedBackground(w.image()), w.grid.palette().color(QPalette::Button));
        w.type(QStringLiteral("13"));
        QCOMPARE(w.grid.oldCellText(), QStringLiteral("12"));
        w.key(Qt::Key_Return);
        QVERIFY(w.grid.isIndicatorOn());
        QImage image = w.image();
        QCOMPARE(w.fixedBackground(image), kMaroon);
        QCOMPARE(w.lightest(image, w.grid.cellRect(0, 1)), kSilver);
        // The swatch followed the edit.
        QCOMPARE(w.swatchCentre(image, 1), QColor(13, 0, 0));

        w.grid.indicatorOff();
        QVERIFY(!w.grid.isIndicatorOn());
        image = w.image();
        QCOMPARE(w.fixedBackground(image), w.grid.palette().color(QPalette::Button));
        QCOMPARE(w.lightest(image, w.grid.cellRect(0, 1)), w.grid.palette().color(QPalette::Button));
    }

    void sameTextLeavesTheIndicatorOff()
    {
        EditorWindow w;
        w.grid.setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("1"));
        w.key(Qt::Key_Down); // 12 -> 1: a change, validated against "12"
        QVERIFY(w.grid.isIndicatorOn());
        w.grid.indicatorOff();
        w.key(Qt::Key_Up);
        w.type(QStringLiteral("1"));
        w.key(Qt::Key_Return);
        QVERIFY(!w.grid.isIndicatorOn()); // same text as it began with
    }

    void textComparisonNotValue()
    {
        EditorWindow w;
        w.grid.setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("012"));
        w.key(Qt::Key_Return);
        QVERIFY(w.grid.isIndicatorOn());
    }

    // Clicking the edited cell reloads the editor first: old cell text holds
    // the edited text, so the check finds no change.
    void reloadBeforeTheCheck()
    {
        EditorWindow w;
        w.grid.setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.type(QStringLiteral("5"));
        const QPoint centre = w.grid.cellRect(1, 1).center();
        QTest::mouseClick(w.grid.viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QCOMPARE(w.grid.oldCellText(), QStringLiteral("5"));
        QVERIFY(!w.grid.isIndicatorOn());
        QCOMPARE(w.grid.cell(1, 1), QStringLiteral("5"));
    }

    void emptiedCellBecomesZeroAtTheNextRepaint()
    {
        EditorWindow w;
        w.grid.setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.key(Qt::Key_Backspace);
        QCOMPARE(w.grid.cell(1, 1), QString());
        w.grid.viewport()->repaint();
        QCOMPARE(w.grid.cell(1, 1), QStringLiteral("0"));
        QCOMPARE(w.grid.oldCellText(), QStringLiteral("0"));
        QCOMPARE(w.grid.inplaceEditor()->text(), QStringLiteral("0"));
    }

    // A red, green or blue text that is not an integer: that swatch is white
    // with a red cross, the error is shown once, and mending the cell brings
    // the colour back.
    void invalidSwatch()
    {
        EditorWindow w;
        QVERIFY(w.showFocused());
        w.grid.setCell(3, 2, QStringLiteral("abc"));
        QImage image = w.image();
        const QRect rect = w.grid.cellRect(3, EditorGrid::kSwatchRow);
        QCOMPARE(image.pixelColor(rect.center()), QColor(Qt::red));
        QCOMPARE(image.pixelColor(rect.center().x(), rect.top() + 3), QColor(Qt::white));
        QCOMPARE(w.swatchCentre(image, 2), QColor(Qt::black));
        QCOMPARE(w.swatchCentre(image, 4), QColor(Qt::black));
        QApplication::processEvents();
        w.grid.viewport()->repaint();
        image = w.image();
        QApplication::processEvents();
        QCOMPARE(recordedDialogs().errors(), QStringList{"'abc' is not a valid integer value."});

        w.grid.setCell(3, 2, QStringLiteral("7"));
        image = w.image();
        QApplication::processEvents();
        QCOMPARE(w.swatchCentre(image, 3), QColor(0, 7, 0));
        QCOMPARE(recordedDialogs().errors().size(), 1);
    }

    // The edit that makes a swatch invalid reports the error once, when it
    // ends: not while the user types, whatever repaints happen meanwhile, nor
    // after it. The typed text stays whole and the user can mend the cell.
    void invalidEditIsReportedOnceWhenItEnds()
    {
        EditorWindow w;
        w.grid.setCell(1, 1, QStringLiteral("12"));
        QVERIFY(w.showFocused());
        w.typeRepainting(QStringLiteral("abc"));
        QCOMPARE(recordedDialogs().errors(), QStringList());
        QCOMPARE(w.swatchCentre(w.image(), 1), QColor(Qt::red)); // the invalid mark

        w.key(Qt::Key_Return);
        QCOMPARE(recordedDialogs().errors(), QStringList{"'abc' is not a valid integer value."});
        QVERIFY(!w.grid.isIndicatorOn());
        QVERIFY(w.grid.isEditorVisible());
        QCOMPARE(w.grid.inplaceEditor()->text(), QStringLiteral("abc"));
        QVERIFY(w.grid.inplaceEditor()->hasFocus());
        w.grid.viewport()->repaint();
        QApplication::processEvents();
        QCOMPARE(recordedDialogs().errors().size(), 1);

        w.grid.inplaceEditor()->selectAll();
        w.type(QStringLiteral("5"));
        w.key(Qt::Key_Return);
        QVERIFY(w.grid.isIndicatorOn());
        QVERIFY(!w.grid.isEditorMode());
        QCOMPARE(w.swatchCentre(w.image(), 1), QColor(5, 0, 0));
        QCOMPARE(recordedDialogs().errors().size(), 1);
    }

    // Each key typed repaints the column's swatch, with no other repaint.
    void swatchFollowsTheTyping()
    {
        EditorWindow w;
        QVERIFY(w.showFocused());
        w.key(Qt::Key_F2);
        QApplication::processEvents();
        PaintedArea painted(w.grid.viewport());
        w.type(QStringLiteral("9"));
        QApplication::processEvents();
        QVERIFY(painted.region.contains(w.grid.cellRect(1, EditorGrid::kSwatchRow)));
        QCOMPARE(w.swatchCentre(w.image(), 1), QColor(9, 0, 0));
    }

    // Every text the integer conversion accepts can be typed key by key:
    // its first keys ("-", "$", "0x", ...) are not integers yet, and no box
    // may interrupt the typing. Save then stores the value's low 8 bits.
    void everyAcceptedValueCanBeTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("value");
        for (const AcceptedInteger &accepted : kAcceptedIntegers)
            QTest::newRow(accepted.name) << QString::fromLatin1(accepted.text) << accepted.value;
    }

    void everyAcceptedValueCanBeTyped()
    {
        QFETCH(QString, text);
        QFETCH(qint32, value);
        const TempDir dir;
        const QString path = dir.write(QStringLiteral("terrain.spl"), TempDir::pattern(68 + 984));
        EditorWindow w;
        SplPalFile file;
        file.bindAndRead(path, w.table);
        w.grid.fillFromTable();
        QVERIFY(w.showFocused());

        w.typeRepainting(text);
        QCOMPARE(recordedDialogs().errors(), QStringList());
        w.key(Qt::Key_Return);
        QCOMPARE(recordedDialogs().errors(), QStringList());
        QVERIFY(!w.grid.isEditorMode());
        QCOMPARE(w.grid.cell(1, 1), text);

        ColourCommands(w.grid, w.table, file).save();
        QCOMPARE(quint8(dir.read(QStringLiteral("terrain.spl")).at(68)), quint8(value));
    }
};

DAVOVO_TEST(EditorGridTest);

#include "editorgridtest.moc"
