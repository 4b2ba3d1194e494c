#include "app/editorfixture.h"
#include "platform/gui/qtdialogs.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

namespace {

// Red, green, blue and the fourth byte of column `col`, as the grid shows them.
QString column(EditorFixture &f, int col)
{
    QStringList texts;
    for (int row = 1; row <= 4; ++row)
        texts << f.grid().cell(col, row);
    return texts.join(QLatin1Char(' '));
}

// Qt's own file dialogs, the boxes recorded as in the other tests.
class RealFileDialogs : public QtDialogs {
public:
    explicit RealFileDialogs(RecordingDialogs &recorder) : recorder_(recorder) {}

    void showError(const QString &caption, const QString &text) override
    {
        recorder_.showError(caption, text);
    }
    void showInformation(const QString &text) override { recorder_.showInformation(text); }
    std::optional<QString> browseForFolder(QWidget *owner, const FolderBrowserRequest &request) override
    {
        return recorder_.browseForFolder(owner, request);
    }

private:
    RecordingDialogs &recorder_;
};

// Answers the next file dialog as a user does: the type `downs` places below
// the first, then `name` in the name field and Return. A dialog that does
// not take the name is cancelled, so the test fails instead of hanging.
void answerFileDialog(int downs, const QString &name, int attempts = 100)
{
    QTimer::singleShot(10, [=] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            if (attempts > 1)
                answerFileDialog(downs, name, attempts - 1); // not shown yet
            return;
        }
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int n = 0; n < downs; ++n)
            QTest::keyClick(types, Qt::Key_Down);
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        // Set rather than typed, so no completion list of folders opens.
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

class PaletteInterchangeTest : public QObject {
    Q_OBJECT

private slots:
    void exportThenImportInEachFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("keepsFourth");
        QTest::newRow("colour set") << "set.clr" << 0 << true;
        QTest::newRow("GIMP") << "set.gpl" << 2 << true;
        QTest::newRow("JASC") << "set.pal" << 3 << false;
        QTest::newRow("RIFF") << "set.pal" << 4 << true;
        QTest::newRow("Adobe") << "set.act" << 5 << false;
    }
    void exportThenImportInEachFormat()
    {
        QFETCH(QString, name);
        QFETCH(int, filter);
        QFETCH(bool, keepsFourth);
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        const QStringList exported{QStringLiteral("012"), QStringLiteral("$FF"), QStringLiteral("300"),
                                   QStringLiteral("7")};
        for (int row = 1; row <= 4; ++row)
            f.setCell(1, row, exported[row - 1]);
        const QString last = column(f, 246);
        recordedDialogs().answer(f.dir.path(name), filter);
        f.editor().svclrClick();

        // Other values in the grid, then the file brings the exported ones back.
        for (const int col : {1, 246}) {
            for (int row = 1; row <= 4; ++row)
                f.setCell(col, row, QStringLiteral("9"));
        }
        recordedDialogs().answer(f.dir.path(name));
        f.editor().ImportColors1Click();
        QVERIFY(recordedDialogs().errors().isEmpty());
        QCOMPARE(column(f, 1), keepsFourth ? QStringLiteral("12 255 44 7") : QStringLiteral("12 255 44 9"));
        QCOMPARE(column(f, 246),
                 keepsFourth ? last : last.section(QLatin1Char(' '), 0, 2) + QStringLiteral(" 9"));
        QVERIFY(f.grid().isIndicatorOn());
    }

    // The type chosen in the save dialog gives the typed name its extension,
    // which picks the format; the open dialog's file comes back by content
    // or by that extension.
    void sharedFormatsThroughQtDialogs_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("hex") << 6 << "hex";
        QTest::newRow("PNG") << 7 << "png";
        QTest::newRow("Adobe swatch exchange") << 8 << "ase";
        QTest::newRow("Paint.NET") << 9 << "txt";
    }
    void sharedFormatsThroughQtDialogs()
    {
        QFETCH(int, type);
        QFETCH(QString, suffix);
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        for (int row = 1; row <= 4; ++row)
            f.setCell(1, row, QString::number(row));
        RecordingDialogs &recorder = recordedDialogs();
        RealFileDialogs qtDialogs(recorder);
        setDialogs(&qtDialogs);
        const auto restore = qScopeGuard([&] { setDialogs(&recorder); });

        answerFileDialog(type, f.dir.path(QStringLiteral("swatches")));
        f.editor().svclrClick();
        const QString file = f.dir.path(QStringLiteral("swatches.") + suffix);
        QVERIFY(QFileInfo::exists(file));
        for (int row = 1; row <= 4; ++row)
            f.setCell(1, row, QStringLiteral("9"));
        answerFileDialog(0, file);
        f.editor().ImportColors1Click();
        QCOMPARE(recorder.errors(), QStringList());
        QCOMPARE(column(f, 1), QStringLiteral("1 2 3 9"));
    }

    void aShortPaletteFillsTheFirstEntries()
    {
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        f.setCell(1, 1, QStringLiteral("bad")); // replaced by the palette
        f.setCell(1, 4, QStringLiteral("5"));
        f.setCell(3, 2, QStringLiteral("012"));
        const QString third = column(f, 3).replace(QStringLiteral("012"), QStringLiteral("12"));
        const QString lastBefore = column(f, 246);
        recordedDialogs().answer(
            f.dir.write(QStringLiteral("two.pal"), "JASC-PAL\r\n0100\r\n2\r\n1 2 3\r\n4 5 6\r\n"));
        f.editor().ImportColors1Click();
        QVERIFY(recordedDialogs().errors().isEmpty());
        QCOMPARE(column(f, 1), QStringLiteral("1 2 3 5"));
        QCOMPARE(column(f, 2).section(QLatin1Char(' '), 0, 2), QStringLiteral("4 5 6"));
        QCOMPARE(column(f, 3), third);
        QCOMPARE(column(f, 246), lastBefore);
        QVERIFY(f.grid().isIndicatorOn());
    }

    void aGridValueThePaletteKeepsMustBeANumber()
    {
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        f.setCell(10, 2, QStringLiteral("12x"));
        const QString first = column(f, 1);
        recordedDialogs().answer(f.dir.write(QStringLiteral("one.gpl"), "GIMP Palette\n1 2 3\n"));
        guarded([&] { f.editor().ImportColors1Click(); });
        QCOMPARE(recordedDialogs().errors(), QStringList{"'12x' is not a valid integer value."});
        QCOMPARE(column(f, 1), first);
        QVERIFY(!f.grid().isIndicatorOn());
    }

    void aDamagedPaletteChangesNothing()
    {
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        const ColourTable table = f.windows.table;
        const QString first = column(f, 1);
        recordedDialogs().answer(
            f.dir.write(QStringLiteral("bad.gpl"), "GIMP Palette\nName: x\n1 2\n4 5 6\n"));
        guarded([&] { f.editor().ImportColors1Click(); });
        QCOMPARE(recordedDialogs().errors(),
                 QStringList{"Line 3 of the GIMP palette is not three numbers from 0 to 255: '1 2'"});
        QCOMPARE(column(f, 1), first);
        QVERIFY(f.windows.table == table);
        QVERIFY(!f.grid().isIndicatorOn());
    }
};

DAVOVO_TEST(PaletteInterchangeTest);
#include "paletteinterchangetest.moc"
