#include "colour/colourtable.h"
#include "editor/editorgrid.h"
#include "editor/paletteoverviewdialog.h"
#include "support/testregistry.h"

#include <QAccessible>
#include <QTest>

class EditorAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void swatchesAreNamedByTheirColour()
    {
        ColourTable table;
        table.setByte(3, 0, 255);
        table.setByte(3, 1, 128);
        table.setByte(3, 2, 0);
        EditorGrid grid(table);
        grid.fillFromTable();
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(&grid);
        QCOMPARE(view->text(QAccessible::Name), QStringLiteral("Color table"));
        QAccessibleTableInterface *cells = view->tableInterface();
        QCOMPARE(cells->cellAt(EditorGrid::kSwatchRow, 4)->text(QAccessible::Name), QStringLiteral("#ff8000"));
        QCOMPARE(cells->cellAt(1, 4)->text(QAccessible::Name), QStringLiteral("255"));
        // An empty value counts as 0, as the swatch paints it.
        grid.setCell(4, 2, QString());
        QCOMPARE(cells->cellAt(EditorGrid::kSwatchRow, 4)->text(QAccessible::Name), QStringLiteral("#ff0000"));
        grid.setCell(4, 2, QStringLiteral("x"));
        QCOMPARE(cells->cellAt(EditorGrid::kSwatchRow, 4)->text(QAccessible::Name), QStringLiteral("invalid"));
        QCOMPARE(cells->cellAt(EditorGrid::kSwatchRow, 5)->text(QAccessible::Name), QStringLiteral("#000000"));
    }

    void overviewSwatchesAreButtonsNamedAsTheirTooltips()
    {
        PaletteOverviewDialog dialog;
        std::vector<OverviewEntry> entries(ColourTable::kEntryCount);
        for (OverviewEntry &entry : entries)
            entry.bytes = std::array<quint8, 4>{0, 0, 0, 0};
        entries[17].bytes = std::array<quint8, 4>{255, 128, 0, 3};
        entries[18].bytes.reset();
        dialog.setEntries(entries, 0);
        QList<int> clicked;
        dialog.onClicked = [&](int entry) { clicked.append(entry); };

        QAccessibleInterface *field = QAccessible::queryAccessibleInterface(dialog.swatchField());
        QCOMPARE(field->childCount(), ColourTable::kEntryCount);
        QAccessibleInterface *swatch = field->child(17);
        QCOMPARE(swatch->role(), QAccessible::Button);
        QCOMPARE(swatch->text(QAccessible::Name), QStringLiteral("Entry 17: 255 128 0, fourth 3, #ff8000"));
        QCOMPARE(field->child(18)->text(QAccessible::Name), QStringLiteral("Entry 18: not a number"));
        QCOMPARE(swatch->parent(), field);
        QCOMPARE(field->indexOfChild(swatch), 17);
        QCOMPARE(field->child(17), swatch);

        dialog.resize(400, 400);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(field->childAt(swatch->rect().center().x(), swatch->rect().center().y()), swatch);
        swatch->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked, QList<int>{17});
    }
};

DAVOVO_TEST(EditorAccessibilityTest);

#include "editoraccessibilitytest.moc"
