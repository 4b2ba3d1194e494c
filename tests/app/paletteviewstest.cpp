#include "app/editorfixture.h"
#include "editor/paletteoverviewdialog.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

struct ViewsFixture : EditorFixture {
    void type(QPoint cell, const QString &text)
    {
        grid().setCurrentCell(cell.x(), cell.y());
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    // The overview's line once the changes so far have reached it.
    QString countLine(PaletteOverviewDialog &overview)
    {
        QCoreApplication::processEvents();
        return overview.countLine();
    }
    QString values(int col)
    {
        QStringList texts;
        for (int row = 1; row <= 4; ++row)
            texts << grid().cell(col, row);
        return texts.join(QLatin1Char(' '));
    }
};

// The four bytes of each entry of the SPL file `bytes`, from its table at 68.
QString valuesIn(const QByteArray &bytes, int entry)
{
    QStringList texts;
    for (int k = 0; k < 4; ++k)
        texts << QString::number(quint8(bytes[68 + entry * 4 + k]));
    return texts.join(QLatin1Char(' '));
}

} // namespace

// The palette overview and Compare With on the real editor.
class PaletteViewsTest : public QObject {
    Q_OBJECT

private slots:
    void overviewFollowsTheGrid()
    {
        ViewsFixture f;
        QVERIFY(f.openAndFocus());
        f.grid().setCurrentCell(3, 2);
        QTest::keySequence(&f.grid(), QKeySequence(Qt::CTRL | Qt::Key_P));
        const QList<PaletteOverviewDialog *> overviews = f.editor().findChildren<PaletteOverviewDialog *>();
        QCOMPARE(overviews.size(), 1);
        PaletteOverviewDialog &overview = *overviews.front();
        QVERIFY(overview.isVisible());
        QCOMPARE(overview.windowTitle(), QStringLiteral("Palette Overview"));
        QCOMPARE(f.countLine(overview), QStringLiteral("0 entries differ from the file"));

        // An edit shows once it ends.
        QVERIFY(f.focus());
        f.type({5, 2}, QStringLiteral("7"));
        QCOMPARE(f.countLine(overview), QStringLiteral("0 entries differ from the file"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.countLine(overview), QStringLiteral("1 entry differs from the file"));
        // A cell that is not a number marks its entry without an error box.
        const QString kept = f.grid().cell(9, 4);
        f.setCell(9, 4, QStringLiteral("x"));
        QCOMPARE(f.countLine(overview), QStringLiteral("2 entries differ from the file"));
        QVERIFY(recordedDialogs().errors().isEmpty());
        f.setCell(9, 4, kept);
        QCOMPARE(f.countLine(overview), QStringLiteral("1 entry differs from the file"));
        QTest::keyClick(&f.grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.countLine(overview), QStringLiteral("0 entries differ from the file"));

        // A click makes the entry's column current, the row kept.
        QTest::mouseClick(overview.swatchField(), Qt::LeftButton, Qt::NoModifier, overview.swatchCentre(200));
        QCOMPARE(f.grid().currentCell(), QPoint(201, 2));
        QVERIFY(!f.grid().cellRect(201, 2).isEmpty());

        // The command shows the same dialog again.
        overview.hide();
        QVERIFY(f.focus());
        QTest::keySequence(&f.grid(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(f.editor().findChildren<PaletteOverviewDialog *>().size(), 1);
        QVERIFY(overview.isVisible());
    }

    void compareAndTake()
    {
        ViewsFixture f;
        QVERIFY(f.openAndFocus());
        QByteArray other = TempDir::pattern(1200);
        other[68 + 2 * 4 + 0] = char(1);  // red of entry 2
        other[68 + 10 * 4 + 3] = char(2); // fourth of entry 10
        const QString otherPath = f.dir.write(QStringLiteral("other.spl"), other);
        const QString before2 = f.values(3);
        const QString before10 = f.values(11);
        recordedDialogs().reset();

        // Take Selected with the second row: entry 10 alone, fourth byte included.
        QString summary;
        QStringList shownRows;
        recordedDialogs().answer(otherPath);
        recordedDialogs().answerDialog([&](QDialog &dialog) {
            summary = dialog.findChild<QLabel *>(QStringLiteral("summary"))->text();
            auto *table = dialog.findChild<QTableWidget *>();
            for (int row = 0; row < table->rowCount(); ++row)
                shownRows << table->item(row, 0)->text();
            QPushButton *takeSelected = nullptr;
            for (QPushButton *button : dialog.findChildren<QPushButton *>())
                if (button->text() == QStringLiteral("Take &Selected"))
                    takeSelected = button;
            if (takeSelected == nullptr || takeSelected->isEnabled())
                return int(QDialog::Rejected);
            table->selectRow(1);
            takeSelected->click();
            return dialog.result();
        });
        QTest::keySequence(&f.grid(), QKeySequence(Qt::CTRL | Qt::Key_D));
        const FileDialogRequest &request = recordedDialogs().shown().at(0).file;
        QCOMPARE(request.title, QStringLiteral("Compare With"));
        QCOMPARE(request.filters.at(0).name, QStringLiteral("Color Tables"));
        QCOMPARE(request.filters.at(0).patterns.join(QLatin1Char(' ')),
                 QStringLiteral("*.spl *.pal *.clr *.gpl *.act *.hex *.png *.ase *.txt"));
        QCOMPARE(request.filters.at(1).name, QStringLiteral("All Files"));
        QCOMPARE(request.initialFolder, f.dir.folder());
        QCOMPARE(recordedDialogs().shown().at(1).caption, QStringLiteral("Compare"));
        QCOMPARE(summary, QStringLiteral("2 of 246 entries differ"));
        QCOMPARE(shownRows, QStringList({"2", "10"}));
        QCOMPARE(QStringList({f.values(3), f.values(11)}), QStringList({before2, valuesIn(other, 10)}));
        QVERIFY(f.grid().isIndicatorOn());
        // One undo step, and the file is untouched.
        QTest::keyClick(&f.grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.values(11), before10);
        QCOMPARE(f.dir.read(QStringLiteral("x.spl")), TempDir::pattern(1200));

        // Take All; then a file too short for its table changes nothing.
        recordedDialogs().answer(otherPath);
        recordedDialogs().answerDialog([](QDialog &dialog) {
            for (QPushButton *button : dialog.findChildren<QPushButton *>())
                if (button->text() == QStringLiteral("Take &All"))
                    button->click();
            return dialog.result();
        });
        QTest::keySequence(&f.grid(), QKeySequence(Qt::CTRL | Qt::Key_D));
        QCOMPARE(QStringList({f.values(3), f.values(11)}), QStringList({valuesIn(other, 2), valuesIn(other, 10)}));
        recordedDialogs().answer(f.makeFile(QStringLiteral("short.spl"), 1000));
        QTest::keySequence(&f.grid(), QKeySequence(Qt::CTRL | Qt::Key_D));
        QCOMPARE(recordedDialogs().errors(), QStringList({"Read beyond end of file."}));
        QCOMPARE(recordedDialogs().count(QStringLiteral("dialog")), 2);
        QCOMPARE(f.values(3), valuesIn(other, 2));
        // The grid is converted as Save converts it.
        f.setCell(4, 1, QStringLiteral("b1"));
        recordedDialogs().answer(otherPath);
        QTest::keySequence(&f.grid(), QKeySequence(Qt::CTRL | Qt::Key_D));
        QCOMPARE(recordedDialogs().errors().last(), QStringLiteral("'b1' is not a valid integer value."));
        QCOMPARE(recordedDialogs().count(QStringLiteral("dialog")), 2);
    }
};

DAVOVO_TEST(PaletteViewsTest);
#include "paletteviewstest.moc"
