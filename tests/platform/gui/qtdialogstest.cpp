#include "platform/gui/qtdialogs.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <memory>

// The real boxes, looked at and closed without running them modally.
class QtBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void boxes_data()
    {
        QTest::addColumn<bool>("error");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        QTest::newRow("error box") << true << "Aeroth VIR/IDI Dere Davovo" << int(QMessageBox::Critical);
        QTest::newRow("information box") << false << "Information" << int(QMessageBox::Information);
    }
    void boxes()
    {
        QFETCH(bool, error);
        QFETCH(QString, caption);
        QFETCH(int, icon);
        std::unique_ptr<QMessageBox> box(
            error ? QtDialogs::makeErrorBox(caption, QStringLiteral("File not found."))
                  : QtDialogs::makeInformationBox(QStringLiteral("Color Set not read.")));
        QCOMPARE(box->windowTitle(), caption);
        QCOMPARE(int(box->icon()), icon);
        QCOMPARE(box->buttons().size(), 1);
        QAbstractButton *ok = box->buttons().constFirst();
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(static_cast<QAbstractButton *>(box->defaultButton()), ok);
        QCOMPARE(box->escapeButton(), ok);
        QCOMPARE(box->text(),
                 error ? QStringLiteral("File not found.") : QStringLiteral("Color Set not read."));
    }

    // A window manager shows the caption beside the window icon and three
    // buttons: the error box is wide enough for all of them, however short
    // its text.
    void errorBoxIsWideEnoughForItsCaption()
    {
        const QString caption = QStringLiteral("Aeroth VIR/IDI Dere Davovo");
        QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        titleFont.setBold(true);
        const int buttons = 3 * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
        QVERIFY(captionFitWidth(caption) >= QFontMetrics(titleFont).horizontalAdvance(caption) + buttons);

        std::unique_ptr<QMessageBox> box(QtDialogs::makeErrorBox(caption, QStringLiteral("File not found.")));
        box->setWindowModality(Qt::NonModal);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QVERIFY2(box->width() >= captionFitWidth(caption),
                 qPrintable(QStringLiteral("%1 < %2").arg(box->width()).arg(captionFitWidth(caption))));
    }

    void escapeClosesTheBoxLikeOk_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void escapeClosesTheBoxLikeOk()
    {
        QFETCH(int, key);
        std::unique_ptr<QMessageBox> box(
            QtDialogs::makeInformationBox(QStringLiteral("Color Set not saved.")));
        box->setWindowModality(Qt::NonModal);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QTest::keyClick(box.get(), Qt::Key(key));
        QTRY_VERIFY(!box->isVisible());
        QCOMPARE(box->clickedButton(), box->buttons().constFirst());
    }

    void fileDialogListsMatchingNamesWhateverTheirCase()
    {
        TempDir dir;
        for (const char *name : {"LOUD.SPL", "quiet.spl", "Mixed.Spl", "other.pal", "notes.txt"})
            dir.write(QString::fromLatin1(name), "x");
        const FileDialogRequest request{QStringLiteral("Open SPL or PAL file"),
                                        {{QStringLiteral("SPL Files"), {QStringLiteral("*.spl")}},
                                         {QStringLiteral("PAL Files"), {QStringLiteral("*.pal")}}},
                                        QStringLiteral("spl"),
                                        dir.folder()};
        const std::unique_ptr<QFileDialog> dialog =
            QtDialogs::makeFileDialog(nullptr, request, QFileDialog::AcceptOpen);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Open SPL or PAL file"));
        QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("SPL Files (*.spl)"));
        dialog->show();
        auto *model = dialog->findChild<QFileSystemModel *>();
        QVERIFY(model != nullptr);
        const auto listed = [&] {
            QStringList names;
            const QModelIndex folder = model->index(dir.folder());
            for (int row = 0; row < model->rowCount(folder); ++row)
                names << model->index(row, 0, folder).data().toString();
            names.sort();
            return names;
        };
        QTRY_COMPARE(listed(), (QStringList{"LOUD.SPL", "Mixed.Spl", "quiet.spl"}));
    }

    // A typed name is taken as it stands when that file exists; an open
    // dialog adds its default suffix only to a name that does not exist,
    // a save dialog to every name without an extension.
    void fileDialogTakesTypedNames_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("open: exists without extension")
            << QStringList{"terrain", "terrain.spl"} << "terrain" << false << "spl" << "terrain";
        QTest::newRow("open: only with the suffix") << QStringList{"terrain.spl"} << "terrain" << false << "spl"
                                                    << "terrain.spl";
        QTest::newRow("open: neither") << QStringList{} << "terrain" << false << "spl" << "terrain.spl";
        QTest::newRow("open: other extension") << QStringList{} << "terrain.pal" << false << "spl"
                                               << "terrain.pal";
        QTest::newRow("import: no suffix") << QStringList{} << "set" << false << "" << "set";
        QTest::newRow("export: suffix added") << QStringList{"set"} << "set" << true << "clr" << "set.clr";
    }
    void fileDialogTakesTypedNames()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, typed);
        QFETCH(bool, save);
        QFETCH(QString, suffix);
        QFETCH(QString, chosen);
        TempDir dir;
        for (const QString &name : files)
            dir.write(name, "x");
        const FileDialogRequest request{QStringLiteral("Choose"),
                                        {{QStringLiteral("All Files"), {QStringLiteral("*")}}},
                                        suffix,
                                        dir.folder()};
        const std::unique_ptr<QFileDialog> dialog = QtDialogs::makeFileDialog(
            nullptr, request, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        QTest::keyClicks(name, typed);
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_COMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(QtDialogs::chosenFile(*dialog, request), std::optional<QString>(dir.path(chosen)));
    }

    // Choosing a type in a save dialog gives a name without an extension
    // that type's extension; a type of every file gives the default suffix.
    void saveDialogTypeChoosesTheExtension_data()
    {
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("first type") << 0 << "set.clr";
        QTest::newRow("all files") << 1 << "set.clr";
        QTest::newRow("GIMP") << 2 << "set.gpl";
    }
    void saveDialogTypeChoosesTheExtension()
    {
        QFETCH(int, downs);
        QFETCH(QString, chosen);
        TempDir dir;
        const FileDialogRequest request{QStringLiteral("Export Color Set"),
                                        {{QStringLiteral("Color Set Files"), {QStringLiteral("*.clr")}},
                                         {QStringLiteral("All Files"), {QStringLiteral("*")}},
                                         {QStringLiteral("GIMP Palette"), {QStringLiteral("*.gpl")}}},
                                        QStringLiteral("clr"),
                                        dir.folder()};
        const std::unique_ptr<QFileDialog> dialog =
            QtDialogs::makeFileDialog(nullptr, request, QFileDialog::AcceptSave);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        for (int n = 0; n < downs; ++n)
            QTest::keyClick(types, Qt::Key_Down);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        QTest::keyClicks(name, QStringLiteral("set"));
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_COMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(QtDialogs::chosenFile(*dialog, request), std::optional<QString>(dir.path(chosen)));
        QCOMPARE(QtDialogs::chosenFilter(*dialog), downs);
    }

    void fileDialogTypeLists()
    {
        const std::vector<FileFilter> filters{{QStringLiteral("SPL Files"), {QStringLiteral("*.spl")}},
                                              {QStringLiteral("All Files"), {QStringLiteral("*")}}};
        QCOMPARE(nameFilters(filters), (QStringList{"SPL Files (*.spl)", "All Files (*)"}));
    }
};

DAVOVO_TEST(QtBoxesTest);
#include "qtdialogstest.moc"
