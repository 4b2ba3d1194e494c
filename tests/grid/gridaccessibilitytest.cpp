#include "grid/access/accessiblecells.h"
#include "grid/stringgrid.h"
#include "support/showfocused.h"
#include "support/testregistry.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

// The accessibility events sent while a Recorder lives, as (event, child).
struct Announcement {
    QAccessible::Event type;
    int child;
    bool operator==(const Announcement &) const = default;
};
QList<Announcement> announcements;

void record(QAccessibleEvent *event)
{
    announcements.append({event->type(), event->type() == QAccessible::TableModelChanged ? -1 : event->child()});
}

class Recorder {
public:
    Recorder()
    {
        QCoreApplication::processEvents();
        announcements.clear();
        previous_ = AccessibleCells::installAnnouncer(&record);
    }
    ~Recorder() { AccessibleCells::installAnnouncer(previous_); }
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

private:
    QAccessible::UpdateHandler previous_;
};

// A focused grid of 7 columns and 4 rows, headers included, in a window with
// a second control, and its table as assistive technology sees it.
class AccessibleGridWindow {
public:
    AccessibleGridWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        grid = new StringGrid(7, 4);
        layout->addWidget(grid);
        other = new QLineEdit;
        layout->addWidget(other);
        grid->setColumnHeaders({"", "A", "B", "C", "D", "E", "F"});
        grid->setRowHeaders({"", "one", "two", "three"});
        grid->setCell(2, 1, QStringLiteral("21"));
        window.resize(600, 200);
    }

    [[nodiscard]] bool showFocused() { return ::showFocused(window, *grid); }
    [[nodiscard]] QAccessibleInterface *table() const { return QAccessible::queryAccessibleInterface(grid); }
    [[nodiscard]] QAccessibleInterface *cell(int col, int row) const
    {
        return table()->tableInterface()->cellAt(row, col);
    }
    [[nodiscard]] static int index(int col, int row) { return row * 7 + col; }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QWidget window;
    StringGrid *grid;
    QLineEdit *other;
};

} // namespace

class GridAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void theTableHoldsEveryCellWithItsHeaders()
    {
        AccessibleGridWindow w;
        QAccessibleInterface *table = w.table();
        QVERIFY(table != nullptr);
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface *cells = table->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(cells->rowCount(), 4);
        QCOMPARE(cells->columnCount(), 7);
        QCOMPARE(table->childCount(), 28);
        QCOMPARE(cells->columnDescription(2), QStringLiteral("B"));
        QCOMPARE(cells->rowDescription(3), QStringLiteral("three"));

        QAccessibleInterface *value = w.cell(2, 1);
        QCOMPARE(value->text(QAccessible::Name), QStringLiteral("21"));
        QCOMPARE(value->role(), QAccessible::Cell);
        QCOMPARE(value->parent(), table);
        QCOMPARE(table->indexOfChild(value), w.index(2, 1));
        QCOMPARE(table->child(w.index(2, 1)), value); // one interface per position
        QAccessibleTableCellInterface *place = value->tableCellInterface();
        QCOMPARE(place->columnIndex(), 2);
        QCOMPARE(place->rowIndex(), 1);
        QCOMPARE(place->columnHeaderCells(), QList<QAccessibleInterface *>{w.cell(2, 0)});
        QCOMPARE(place->rowHeaderCells(), QList<QAccessibleInterface *>{w.cell(0, 1)});
        QCOMPARE(w.cell(2, 0)->role(), QAccessible::ColumnHeader);
        QCOMPARE(w.cell(2, 0)->text(QAccessible::Name), QStringLiteral("B"));
        QCOMPARE(w.cell(0, 1)->role(), QAccessible::RowHeader);
        QVERIFY(w.cell(2, 0)->tableCellInterface()->columnHeaderCells().isEmpty());
        QCOMPARE(cells->cellAt(4, 0), nullptr);
    }

    void statesFollowTheFocusAndTheSelection()
    {
        AccessibleGridWindow w;
        QVERIFY(w.showFocused());
        QVERIFY(w.cell(1, 1)->state().focused);
        QVERIFY(w.cell(1, 1)->state().focusable);
        QVERIFY(!w.cell(1, 0)->state().focusable);
        QCOMPARE(w.table()->focusChild(), w.cell(1, 1));

        w.key(Qt::Key_Right, Qt::ShiftModifier);
        w.key(Qt::Key_Down, Qt::ShiftModifier);
        QAccessibleTableInterface *cells = w.table()->tableInterface();
        QCOMPARE(cells->selectedCellCount(), 4);
        QVERIFY(w.cell(2, 2)->state().selected);
        QVERIFY(w.cell(2, 2)->state().focused);
        QVERIFY(!w.cell(1, 1)->state().focused);
        QVERIFY(!w.cell(3, 2)->state().selected);
        QVERIFY(cells->selectedColumns().isEmpty());

        // Columns count as selected once the selection spans all their rows.
        w.key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(cells->selectedColumns(), (QList<int>{1, 2}));

        w.other->setFocus();
        QVERIFY(!w.cell(2, 3)->state().focused);
        QCOMPARE(w.table()->focusChild(), nullptr);
    }

    void movesAndChangesAreAnnounced()
    {
        AccessibleGridWindow w;
        QVERIFY(w.showFocused());
        QAccessibleInterface *known = w.cell(2, 1);
        Recorder recorder;
        w.key(Qt::Key_Right);
        QCOMPARE(announcements, (QList<Announcement>{{QAccessible::Focus, w.index(2, 1)}}));

        // A finished edit renames the cell; the focus returns to it.
        announcements.clear();
        w.key(Qt::Key_5);
        QCOMPARE(known->text(QAccessible::Name), QStringLiteral("5"));
        w.key(Qt::Key_Return);
        QVERIFY(announcements.contains({QAccessible::NameChanged, w.index(2, 1)}));
        QCOMPARE(announcements.count({QAccessible::NameChanged, w.index(2, 1)}), 1);

        announcements.clear();
        w.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.grid->cell(2, 1), QStringLiteral("21"));
        QVERIFY(announcements.contains({QAccessible::NameChanged, w.index(2, 1)}));

        // The focus coming back: the cell is announced once, after the
        // toolkit has announced the grid itself.
        w.other->setFocus();
        w.grid->setFocus();
        announcements.clear();
        QCoreApplication::processEvents();
        QCOMPARE(announcements, (QList<Announcement>{{QAccessible::Focus, w.index(2, 1)}}));

        // A grown grid drops its cells and tells the table changed.
        announcements.clear();
        w.grid->growTo(9, 4);
        QVERIFY(announcements.contains({QAccessible::TableModelChanged, -1}));
        QCOMPARE(w.table()->tableInterface()->columnCount(), 9);
        QCOMPARE(w.table()->tableInterface()->cellAt(1, 2)->text(QAccessible::Name), QStringLiteral("21"));
    }

    void aNamedCellFollowsItsColumn()
    {
        AccessibleGridWindow w;
        w.grid->onAccessibleCellName = [&](int col, int row, QString &name) {
            if (row == 3)
                name = QStringLiteral("sum %1").arg(w.grid->cell(col, 1).toInt() + w.grid->cell(col, 2).toInt());
        };
        QCOMPARE(w.cell(2, 3)->text(QAccessible::Name), QStringLiteral("sum 21"));
        Recorder recorder;
        w.grid->setCell(2, 2, QStringLiteral("4"));
        QCOMPARE(w.cell(2, 3)->text(QAccessible::Name), QStringLiteral("sum 25"));
        QVERIFY(announcements.contains({QAccessible::NameChanged, w.index(2, 3)}));
        // Another column's cells keep their names, and say nothing.
        QVERIFY(!announcements.contains({QAccessible::NameChanged, w.index(3, 3)}));
    }

    void theEditorIsTextInsideTheCurrentCell()
    {
        AccessibleGridWindow w;
        QVERIFY(w.showFocused());
        w.key(Qt::Key_Right);
        QCOMPARE(w.cell(2, 1)->childCount(), 0);
        w.key(Qt::Key_F2);
        QAccessibleInterface *current = w.cell(2, 1);
        QCOMPARE(current->childCount(), 1);
        QAccessibleInterface *editor = current->child(0);
        QCOMPARE(editor->role(), QAccessible::EditableText);
        QCOMPARE(editor->text(QAccessible::Name), QStringLiteral("one B"));
        QCOMPARE(editor->text(QAccessible::Value), QStringLiteral("21"));
        // Going up from the editor leads through the current cell to the table.
        QAccessibleInterface *holder = editor->parent();
        QCOMPARE(holder->role(), QAccessible::Cell);
        QCOMPARE(holder->text(QAccessible::Name), QStringLiteral("21"));
        QCOMPARE(holder->parent(), w.table());
        QCOMPARE(w.table()->indexOfChild(holder), w.index(2, 1));
        QCOMPARE(w.table()->focusChild(), editor);
        QVERIFY(!current->state().focused);
    }
};

DAVOVO_TEST(GridAccessibilityTest);

#include "gridaccessibilitytest.moc"
