#include "app/editorfixture.h"
#include "support/testregistry.h"

#include <QTest>

class ColourSetCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void exportThenImportBringsBackPlainDecimals()
    {
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        f.setCell(1, 1, QStringLiteral("012"));
        f.setCell(1, 2, QStringLiteral("$FF"));
        f.setCell(1, 3, QStringLiteral("300"));
        f.setCell(246, 4, QStringLiteral("-1"));
        const QString set = f.dir.path(QStringLiteral("colours.clr"));
        recordedDialogs().answer(set);
        f.editor().svclrClick();

        const QByteArray written = f.dir.read(QStringLiteral("colours.clr"));
        QCOMPARE(written.size(), 984);
        QCOMPARE(written.left(3), QByteArray("\x0C\xFF\x2C", 3));
        QCOMPARE(quint8(written[983]), quint8(255));
        QVERIFY(!f.grid().isIndicatorOn());

        recordedDialogs().answer(set);
        f.editor().ImportColors1Click();
        QCOMPARE(f.grid().cell(1, 1), QStringLiteral("12"));
        QCOMPARE(f.grid().cell(1, 2), QStringLiteral("255"));
        QCOMPARE(f.grid().cell(1, 3), QStringLiteral("44"));
        QCOMPARE(f.grid().cell(246, 4), QStringLiteral("255"));
        QVERIFY(f.grid().isIndicatorOn());

        const auto &shown = recordedDialogs().shown();
        const auto &exportDialog = shown[shown.size() - 2].file;
        const auto &importDialog = shown.back().file;
        QCOMPARE(exportDialog.title, QStringLiteral("Export Color Set"));
        QCOMPARE(exportDialog.defaultSuffix, QStringLiteral("clr"));
        QCOMPARE(importDialog.title, QStringLiteral("Import Color Set"));
        QCOMPARE(importDialog.defaultSuffix, QString());
        for (const FileDialogRequest *dialog : {&exportDialog, &importDialog}) {
            // The palette formats follow the colour set's two types.
            QCOMPARE(dialog->filters.size(), size_t(10));
            QCOMPARE(dialog->filters[0].name, QStringLiteral("Color Set Files"));
            QCOMPARE(dialog->filters[0].patterns, QStringList{"*.clr"});
            QCOMPARE(dialog->filters[1].name, QStringLiteral("All Files"));
        }
    }

    void importTakesTheFirst984Bytes()
    {
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        const QByteArray set = TempDir::pattern(1000);
        recordedDialogs().answer(f.dir.write(QStringLiteral("big.clr"), set));
        f.editor().ImportColors1Click();
        QCOMPARE(f.grid().cell(1, 1), QString::number(quint8(set[0])));
        QCOMPARE(f.grid().cell(246, 4), QString::number(quint8(set[983])));
        // The SPL file changes only at the next Save.
        QCOMPARE(f.dir.read(QStringLiteral("a.spl")), TempDir::pattern(1200));
    }

    void aShortSetChangesNothing()
    {
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        const QString before = f.grid().cell(5, 2);
        recordedDialogs().answer(f.dir.write(QStringLiteral("short.clr"), QByteArray(983, '\x07')));
        guarded([&] { f.editor().ImportColors1Click(); });
        QCOMPARE(recordedDialogs().errors(), QStringList{"Read beyond end of file."});
        QCOMPARE(f.grid().cell(5, 2), before);
        QVERIFY(!f.grid().isIndicatorOn());
        QCOMPARE(f.windows.table.byte(4, 1), quint8(TempDir::pattern(1200)[68 + 4 * 4 + 1]));
    }

    void cancelShowsItsInformation_data()
    {
        QTest::addColumn<bool>("exporting");
        QTest::addColumn<QString>("information");
        QTest::newRow("export") << true << "Color Set not saved.";
        QTest::newRow("import") << false << "Color Set not read.";
    }
    void cancelShowsItsInformation()
    {
        QFETCH(bool, exporting);
        QFETCH(QString, information);
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        const QString before = f.grid().cell(1, 1);
        if (exporting)
            f.editor().svclrClick();
        else
            f.editor().ImportColors1Click();
        QCOMPARE(recordedDialogs().informations(), QStringList{information});
        QCOMPARE(f.grid().cell(1, 1), before);
        QVERIFY(!f.grid().isIndicatorOn());
    }

    void aBadCellLeavesAnExistingSetAsItWas()
    {
        EditorFixture f;
        f.open(f.makeFile(QStringLiteral("a.spl"), 1200));
        const QByteArray old = TempDir::pattern(984);
        const QString set = f.dir.write(QStringLiteral("old.clr"), old);
        f.setCell(3, 2, QStringLiteral("12x"));
        recordedDialogs().answer(set);
        guarded([&] { f.editor().svclrClick(); });
        QCOMPARE(recordedDialogs().errors(), QStringList{"'12x' is not a valid integer value."});
        QCOMPARE(f.dir.read(QStringLiteral("old.clr")), old);
    }
};

DAVOVO_TEST(ColourSetCommandsTest);
#include "coloursetcommandstest.moc"
