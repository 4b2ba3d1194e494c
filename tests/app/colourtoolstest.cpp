#include "app/editorfixture.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTest>

namespace {

// The real editor and the ways a user reaches the colour tools.
struct ToolsFixture : EditorFixture {
    // Columns `from` to `to` of `row`, the current cell at `to`.
    void select(int from, int to, int row = 1)
    {
        grid().setCurrentCell(from, row);
        for (int col = from; col != to; col += from < to ? 1 : -1)
            QTest::keyClick(&grid(), from < to ? Qt::Key_Right : Qt::Key_Left, Qt::ShiftModifier);
    }
    void setRgb(int col, const QString &rgb)
    {
        const QStringList parts = rgb.split(QLatin1Char(' '));
        for (int row = 1; row <= 3; ++row)
            setCell(col, row, parts[row - 1]);
    }
    [[nodiscard]] QString rgb(int col)
    {
        return QStringList{grid().cell(col, 1), grid().cell(col, 2), grid().cell(col, 3)}.join(
            QLatin1Char(' '));
    }

    // The context menu of a right press on the cell.
    QMenu *openMenu(QPoint cell)
    {
        QTest::mouseClick(grid().viewport(), Qt::RightButton, Qt::NoModifier,
                          grid().cellRect(cell.x(), cell.y()).center());
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }
    // Runs the command as the row says: from the context menu of the current
    // cell, or by its keys where the focus is.
    void run(const QString &how, const QString &item, const QKeySequence &keys)
    {
        if (how == QLatin1String("keys")) {
            QTest::keySequence(QApplication::focusWidget(), keys);
            return;
        }
        QMenu *menu = openMenu(grid().currentCell());
        QVERIFY(menu != nullptr);
        for (QAction *action : menu->actions()) {
            if (action->text() == item) {
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                                  menu->actionGeometry(action).center());
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no item ") + item));
    }
    void undo() { QTest::keyClick(&grid(), Qt::Key_Z, Qt::ControlModifier); }
};

QStringList describe(const QMenu &menu)
{
    QStringList items;
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator())
            items << QStringLiteral("-");
        else
            items << action->text() + QLatin1Char(' ') + action->shortcut().toString() +
                         (action->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off"));
    }
    return items;
}

void addHowRows()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("from the context menu") << "menu";
    QTest::newRow("by the keys") << "keys";
}

} // namespace

// Each colour tool on the real editor: from its menu item and by its keys,
// one undo step, the modified indicator, and the cells it must not touch.
class ColourToolsTest : public QObject {
    Q_OBJECT

private slots:
    void menuShowsWhatCanRun()
    {
        ToolsFixture f;
        QVERIFY(f.focus());
        QGuiApplication::clipboard()->setText(QStringLiteral("#102030"));
        QMenu *menu = f.openMenu({3, 2});
        QVERIFY(menu != nullptr);
        QCOMPARE(describe(*menu),
                 QStringList({"Pick Color... Ctrl+K off", "Ramp Ctrl+R off", "Ramp by Hue Ctrl+Shift+R off",
                              "Adjust Colors... Ctrl+H off", "Palette Overview Ctrl+P off",
                              "Compare With... Ctrl+D off", "-", "Copy as Hex Ctrl+Shift+C off",
                              "Paste Hex Ctrl+Shift+V off"}));
        menu->close();

        // The ramps need three entries, not a file.
        f.select(3, 5);
        menu = f.openMenu({4, 1});
        QCOMPARE(describe(*menu).mid(1, 2), QStringList({"Ramp Ctrl+R on", "Ramp by Hue Ctrl+Shift+R on"}));
        menu->close();

        f.open(f.makeFile(QStringLiteral("x.spl"), 1200));
        QVERIFY(f.focus());
        f.select(3, 4);
        menu = f.openMenu({4, 1});
        QCOMPARE(describe(*menu),
                 QStringList({"Pick Color... Ctrl+K on", "Ramp Ctrl+R off", "Ramp by Hue Ctrl+Shift+R off",
                              "Adjust Colors... Ctrl+H on", "Palette Overview Ctrl+P on",
                              "Compare With... Ctrl+D on", "-", "Copy as Hex Ctrl+Shift+C on",
                              "Paste Hex Ctrl+Shift+V on"}));
        menu->close();
        QGuiApplication::clipboard()->clear();
        menu = f.openMenu({4, 1});
        QCOMPARE(describe(*menu).last(), QStringLiteral("Paste Hex Ctrl+Shift+V off"));
        menu->close();

        // The menu bar keeps its six items.
        QCOMPARE(f.editor().menuBar()->actions(), f.editor().menuCommands());
    }

    void pickColor_data() { addHowRows(); }
    void pickColor()
    {
        QFETCH(QString, how);
        ToolsFixture f;
        QVERIFY(f.openAndFocus());
        f.setRgb(8, QStringLiteral("10 20 $1E"));
        f.setCell(8, 4, QStringLiteral("77"));
        f.select(8, 8, 2);
        // Cancel changes nothing.
        f.run(how, QStringLiteral("Pick Color..."), QKeySequence(Qt::CTRL | Qt::Key_K));
        QCOMPARE(f.rgb(8), QStringLiteral("10 20 $1E"));

        recordedDialogs().answerDialog([](QDialog &dialog) {
            auto *colours = qobject_cast<QColorDialog *>(&dialog);
            if (colours == nullptr || colours->currentColor() != QColor(10, 20, 30) ||
                !colours->testOption(QColorDialog::DontUseNativeDialog))
                return int(QDialog::Rejected);
            colours->setCurrentColor(QColor(255, 128, 0));
            return int(QDialog::Accepted);
        });
        f.run(how, QStringLiteral("Pick Color..."), QKeySequence(Qt::CTRL | Qt::Key_K));
        QCOMPARE(recordedDialogs().count(QStringLiteral("dialog")), 2);
        QCOMPARE(recordedDialogs().shown().back().caption, QStringLiteral("Pick Color for Entry 7"));
        QCOMPARE(f.rgb(8), QStringLiteral("255 128 0"));
        QCOMPARE(f.grid().cell(8, 4), QStringLiteral("77"));
        QVERIFY(f.grid().isIndicatorOn());
        f.undo();
        QCOMPARE(f.rgb(8), QStringLiteral("10 20 $1E"));
    }

    void ramp_data() { addHowRows(); }
    void ramp()
    {
        QFETCH(QString, how);
        ToolsFixture f;
        QVERIFY(f.openAndFocus());
        const QByteArray file = f.dir.read(QStringLiteral("x.spl"));
        f.setRgb(2, QStringLiteral("0 255 $10"));
        f.setRgb(6, QStringLiteral("255 0 16"));
        f.setRgb(4, QStringLiteral("x y z")); // overwritten, never read
        const QString third = f.rgb(3);
        f.select(2, 6, 3);
        f.run(how, QStringLiteral("Ramp"), QKeySequence(Qt::CTRL | Qt::Key_R));
        QCOMPARE(QStringList({f.rgb(2), f.rgb(3), f.rgb(4), f.rgb(5), f.rgb(6)}),
                 QStringList({"0 255 $10", "64 191 16", "128 128 16", "191 64 16", "255 0 16"}));
        QVERIFY(f.grid().isIndicatorOn());
        QCOMPARE(f.dir.read(QStringLiteral("x.spl")), file);
        f.undo();
        QCOMPARE(QStringList({f.rgb(3), f.rgb(4)}), QStringList({third, "x y z"}));
    }

    void rampByHue_data() { addHowRows(); }
    void rampByHue()
    {
        QFETCH(QString, how);
        ToolsFixture f;
        QVERIFY(f.openAndFocus());
        f.setRgb(10, QStringLiteral("255 0 0"));
        f.setRgb(11, QStringLiteral("1 2 3"));
        f.setRgb(12, QStringLiteral("0 0 255"));
        f.select(12, 10);
        f.run(how, QStringLiteral("Ramp by Hue"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
        QCOMPARE(f.rgb(11), QStringLiteral("255 0 255"));
        QVERIFY(f.grid().isIndicatorOn());
        f.undo();
        QCOMPARE(f.rgb(11), QStringLiteral("1 2 3"));
    }

    void adjustColors_data() { addHowRows(); }
    void adjustColors()
    {
        QFETCH(QString, how);
        ToolsFixture f;
        QVERIFY(f.openAndFocus());
        f.setRgb(20, QStringLiteral("$FF 0 0"));
        f.setRgb(21, QStringLiteral("0 0 255"));
        f.setRgb(22, QStringLiteral("9 9 9"));
        f.select(20, 21, 4);
        const auto work = [&f](int hue, int lightness, QStringList &seen) {
            return [&f, hue, lightness, &seen](QDialog &dialog) {
                dialog.findChild<QSpinBox *>(QStringLiteral("hue"))->setValue(hue);
                dialog.findChild<QSpinBox *>(QStringLiteral("lightness"))->setValue(lightness);
                seen << f.rgb(20) << f.rgb(21) << f.rgb(22);
                return int(QDialog::Accepted);
            };
        };
        // The grid shows the result live; Cancel puts back the very texts.
        QStringList seen;
        int below = 0;
        recordedDialogs().answerDialog([&](QDialog &dialog) {
            (void)work(0, -100, seen)(dialog);
            // Placed where it hides none of the cells it changes.
            below = dialog.y() - f.grid().viewport()->mapToGlobal(f.grid().cellRect(21, 5).bottomLeft()).y();
            return int(QDialog::Rejected);
        });
        f.run(how, QStringLiteral("Adjust Colors..."), QKeySequence(Qt::CTRL | Qt::Key_H));
        QCOMPARE(seen, QStringList({"0 0 0", "0 0 0", "9 9 9"}));
        QVERIFY(below > 0);
        QCOMPARE(QStringList({f.rgb(20), f.rgb(21)}), QStringList({"$FF 0 0", "0 0 255"}));
        QVERIFY(!f.grid().isIndicatorOn());

        seen.clear();
        recordedDialogs().answerDialog(work(120, 0, seen));
        f.run(how, QStringLiteral("Adjust Colors..."), QKeySequence(Qt::CTRL | Qt::Key_H));
        QCOMPARE(recordedDialogs().shown().back().caption, QStringLiteral("Adjust Colors"));
        QCOMPARE(QStringList({f.rgb(20), f.rgb(21), f.rgb(22)}),
                 QStringList({"0 255 0", "255 0 0", "9 9 9"}));
        QVERIFY(f.grid().isIndicatorOn());
        f.undo();
        QCOMPARE(QStringList({f.rgb(20), f.rgb(21)}), QStringList({"$FF 0 0", "0 0 255"}));
    }

    void copyAsHex_data() { addHowRows(); }
    void copyAsHex()
    {
        QFETCH(QString, how);
        ToolsFixture f;
        QVERIFY(f.openAndFocus());
        f.setRgb(245, QStringLiteral("255 0 $0A"));
        f.setRgb(246, QStringLiteral("1 171 205"));
        f.grid().growTo(249, 6);
        // Rows do not matter, nor columns past the last entry.
        f.select(245, 248, 5);
        f.run(how, QStringLiteral("Copy as Hex"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ff000a\n01abcd\n"));
        QCOMPARE(f.rgb(245), QStringLiteral("255 0 $0A"));
        QVERIFY(!f.grid().isIndicatorOn());
    }

    void pasteHex_data() { addHowRows(); }
    void pasteHex()
    {
        QFETCH(QString, how);
        ToolsFixture f;
        QVERIFY(f.openAndFocus());
        f.setRgb(244, QStringLiteral("1 2 3"));
        f.setCell(245, 4, QStringLiteral("$44"));
        const QStringList before{f.rgb(245), f.rgb(246)};
        QGuiApplication::clipboard()->setText(
            QStringLiteral("[\"#FF0000\", \"#00ff00\",\n\"0x0000ff\", \"123456\"]"));
        f.select(245, 245, 2);
        f.run(how, QStringLiteral("Paste Hex"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
        QCOMPARE(QStringList({f.rgb(244), f.rgb(245), f.rgb(246)}),
                 QStringList({"1 2 3", "255 0 0", "0 255 0"}));
        QCOMPARE(f.grid().cell(245, 4), QStringLiteral("$44"));
        QCOMPARE(recordedDialogs().informations(), QStringList{"2 colors did not fit after entry 245."});
        QVERIFY(f.grid().isIndicatorOn());
        f.undo();
        QCOMPARE(QStringList({f.rgb(245), f.rgb(246)}), before);

        // A token that is no colour changes nothing.
        QGuiApplication::clipboard()->setText(QStringLiteral("#000000 #12345"));
        f.run(how, QStringLiteral("Paste Hex"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
        QCOMPARE(recordedDialogs().errors(), QStringList{"'#12345' is not a hex color."});
        QCOMPARE(QStringList({f.rgb(245), f.rgb(246)}), before);
    }

    // Every tool that reads colours converts them first, as Save does.
    void aCellThatIsNoNumberStopsTheTool_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Pick Color") << "Pick Color..." << QKeySequence(Qt::CTRL | Qt::Key_K);
        QTest::newRow("Ramp") << "Ramp" << QKeySequence(Qt::CTRL | Qt::Key_R);
        QTest::newRow("Adjust Colors") << "Adjust Colors..." << QKeySequence(Qt::CTRL | Qt::Key_H);
        QTest::newRow("Copy as Hex") << "Copy as Hex" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    }
    void aCellThatIsNoNumberStopsTheTool()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        ToolsFixture f;
        QVERIFY(f.openAndFocus());
        f.setRgb(2, QStringLiteral("1 2 3"));
        f.setRgb(3, QStringLiteral("4 5 6"));
        f.setRgb(4, QStringLiteral("7 8 9"));
        f.setCell(2, 3, QStringLiteral("b1"));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        f.select(4, 2);
        recordedDialogs().reset();
        f.run(QStringLiteral("keys"), item, keys);
        QCOMPARE(recordedDialogs().errors(), QStringList{"'b1' is not a valid integer value."});
        QCOMPARE(recordedDialogs().count(QStringLiteral("dialog")), 0);
        QCOMPARE(QStringList({f.rgb(2), f.rgb(3), f.rgb(4)}), QStringList({"1 2 b1", "4 5 6", "7 8 9"}));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QVERIFY(!f.grid().isIndicatorOn());
    }

    // In the in-place editor the keys it does not use itself reach the tools.
    void keysFromTheInplaceEditor()
    {
        ToolsFixture f;
        QVERIFY(f.openAndFocus());
        f.setRgb(1, QStringLiteral("0 0 0"));
        f.setRgb(3, QStringLiteral("20 40 60"));
        f.select(1, 3);
        QTest::keyClick(&f.grid(), Qt::Key_F2);
        QCOMPARE(QApplication::focusWidget(), f.grid().inplaceEditor());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(f.rgb(2), QStringLiteral("10 20 30"));
        // Ctrl+Shift+C copies the colours, not the editor's text.
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("000000\n0a141e\n14283c\n"));
    }
};

DAVOVO_TEST(ColourToolsTest);
#include "colourtoolstest.moc"
