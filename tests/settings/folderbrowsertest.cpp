#include "settings/folderbrowser.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace {

const QString instruction = QStringLiteral("Select SPL/PAL File Directory");

// A scratch tree: <temp>/aeroth/scenery/palettes/{spring.spl, summer.spl,
// winter/}, deep enough for the status line to shorten it.
class PaletteTree {
public:
    PaletteTree()
    {
        QDir().mkpath(folder() + QStringLiteral("/winter"));
        dir_.write(QStringLiteral("aeroth/scenery/palettes/spring.spl"), "s");
        dir_.write(QStringLiteral("aeroth/scenery/palettes/summer.spl"), "u");
    }
    [[nodiscard]] QString folder() const { return dir_.path(QStringLiteral("aeroth/scenery/palettes")); }
    [[nodiscard]] QString item(const QString &name) const { return folder() + QLatin1Char('/') + name; }

private:
    TempDir dir_;
};

QPushButton *button(FolderBrowser &browser, QDialogButtonBox::StandardButton which)
{
    return browser.findChild<QDialogButtonBox *>()->button(which);
}

QLineEdit *editBox(FolderBrowser &browser)
{
    return browser.findChild<QLineEdit *>(QStringLiteral("edit"));
}

QModelIndex childNamed(const QAbstractItemModel *model, const QModelIndex &parent, const QString &name)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (index.data().toString() == name)
            return index;
    }
    return {};
}

} // namespace

class FolderBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void opensReady();
    void highlightsSelectedFolder();
    void statusFollowsClick();
    void confirmsFile();
    void typedName_data();
    void typedName();
    void cancelGivesNothing();
    void browsePlacedOverActiveWindow();
};

void FolderBrowserTest::opensReady()
{
    FolderBrowser browser(nullptr, {instruction, QString()});
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QCOMPARE(browser.findChild<QLabel *>(QStringLiteral("instruction"))->text(), instruction);
    QVERIFY(button(browser, QDialogButtonBox::Ok)->isEnabled());
    // Nothing to highlight: the root is.
    QCOMPARE(browser.highlightedPath(), QStringLiteral("/"));
    QCOMPARE(browser.statusText(), QStringLiteral("/"));
}

void FolderBrowserTest::highlightsSelectedFolder()
{
    PaletteTree tree;
    FolderBrowser browser(nullptr, {instruction, tree.item(QStringLiteral("winter"))});
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QCOMPARE(browser.highlightedPath(), tree.item(QStringLiteral("winter")));
    QCOMPARE(editBox(browser)->text(), QStringLiteral("winter"));
    // The temporary folder's path is longer than 40: leading folders give way.
    const QString status = browser.statusText();
    QVERIFY2(status.startsWith(QStringLiteral("/.../")), qPrintable(status));
    QVERIFY2(status.size() <= 40, qPrintable(status));
    QVERIFY(status.endsWith(QStringLiteral("/palettes/winter")));
    QVERIFY(tree.item(QStringLiteral("winter")).endsWith(status.mid(4)));
}

// Clicking an item highlights it; a short path shows as it is.
void FolderBrowserTest::statusFollowsClick()
{
    PaletteTree tree;
    FolderBrowser browser(nullptr, {instruction, QStringLiteral("/usr")});
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QCOMPARE(browser.statusText(), QStringLiteral("/usr"));

    browser.highlight(tree.item(QStringLiteral("winter")));
    auto *view = browser.findChild<QTreeView *>(QStringLiteral("tree"));
    const QModelIndex palettes = view->currentIndex().parent();
    // The sibling files arrive from the model's background reading.
    QModelIndex summer;
    QTRY_VERIFY((summer = childNamed(view->model(), palettes, QStringLiteral("summer.spl"))).isValid());
    view->scrollTo(summer);
    QTRY_VERIFY(view->visualRect(summer).isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(summer).center());
    QCOMPARE(browser.highlightedPath(), tree.item(QStringLiteral("summer.spl")));
    QCOMPARE(editBox(browser)->text(), QStringLiteral("summer.spl"));
    QVERIFY(browser.statusText().endsWith(QStringLiteral("/palettes/summer.spl")));
}

void FolderBrowserTest::confirmsFile()
{
    PaletteTree tree;
    FolderBrowser browser(nullptr, {instruction, tree.item(QStringLiteral("spring.spl"))});
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QTest::mouseClick(button(browser, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(browser.result(), int(QDialog::Accepted));
    QCOMPARE(browser.confirmedPath(), std::optional<QString>(tree.item(QStringLiteral("spring.spl"))));
}

// What OK confirms for a text typed over the highlighted item's name; an
// empty expected item means the browser closes with none.
void FolderBrowserTest::typedName_data()
{
    QTest::addColumn<QString>("highlighted"); // relative to the palettes folder
    QTest::addColumn<QString>("typed");       // "<abs>/" stands for the palettes folder
    QTest::addColumn<QString>("expected");    // relative to the palettes folder; "-" for none

    QTest::newRow("name kept") << QStringLiteral("winter") << QStringLiteral("winter")
                               << QStringLiteral("winter");
    QTest::newRow("cleared") << QStringLiteral("winter") << QString() << QStringLiteral("winter");
    QTest::newRow("name in highlighted folder")
        << QStringLiteral("winter") << QStringLiteral("../summer.spl") << QStringLiteral("summer.spl");
    QTest::newRow("name beside highlighted file")
        << QStringLiteral("spring.spl") << QStringLiteral("summer.spl") << QStringLiteral("summer.spl");
    QTest::newRow("absolute path") << QStringLiteral("spring.spl") << QStringLiteral("<abs>/winter")
                                   << QStringLiteral("winter");
    QTest::newRow("names nothing") << QStringLiteral("winter") << QStringLiteral("autumn")
                                   << QStringLiteral("-");
    QTest::newRow("absolute, names nothing")
        << QStringLiteral("winter") << QStringLiteral("<abs>/autumn/x.spl") << QStringLiteral("-");
}

void FolderBrowserTest::typedName()
{
    QFETCH(QString, highlighted);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    PaletteTree tree;
    typed.replace(QStringLiteral("<abs>"), tree.folder());
    FolderBrowser browser(nullptr, {instruction, tree.item(highlighted)});
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QLineEdit *edit = editBox(browser);
    if (typed != edit->text()) {
        edit->clear();
        QTest::keyClicks(edit, typed);
    }
    QTest::mouseClick(button(browser, QDialogButtonBox::Ok), Qt::LeftButton);
    QVERIFY(!browser.isVisible());
    if (expected == QLatin1String("-")) {
        QCOMPARE(browser.result(), int(QDialog::Rejected));
        QCOMPARE(browser.confirmedPath(), std::nullopt);
    } else {
        QCOMPARE(browser.result(), int(QDialog::Accepted));
        QCOMPARE(browser.confirmedPath(), std::optional<QString>(tree.item(expected)));
    }
}

void FolderBrowserTest::cancelGivesNothing()
{
    PaletteTree tree;
    FolderBrowser browser(nullptr, {instruction, tree.folder()});
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QTest::keyClick(&browser, Qt::Key_Escape);
    QVERIFY(!browser.isVisible());
    QCOMPARE(browser.result(), int(QDialog::Rejected));
    QCOMPARE(browser.confirmedPath(), std::nullopt);
}

// The modal browse: opened centred over the active window, answered by OK.
void FolderBrowserTest::browsePlacedOverActiveWindow()
{
    PaletteTree tree;
    QWidget owner;
    // Well inside the (800 by 800) offscreen screen, and larger than the browser.
    owner.setGeometry(80, 60, 600, 620);
    owner.show();
    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));

    QPoint centre;
    QTimer::singleShot(0, &owner, [&] {
        auto *browser = qobject_cast<FolderBrowser *>(QApplication::activeModalWidget());
        if (browser == nullptr)
            return;
        centre = browser->frameGeometry().center();
        QTest::mouseClick(button(*browser, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    // Should the browser not be found above, it must still close.
    QTimer::singleShot(10000, &owner, [] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *browser = qobject_cast<FolderBrowser *>(widget))
                browser->reject();
    });
    const std::optional<QString> chosen =
        FolderBrowser::browse(&owner, {instruction, tree.item(QStringLiteral("summer.spl"))});
    QCOMPARE(chosen, std::optional<QString>(tree.item(QStringLiteral("summer.spl"))));
    QVERIFY(qAbs(centre.x() - owner.frameGeometry().center().x()) <= 1);
    QVERIFY(qAbs(centre.y() - owner.frameGeometry().center().y()) <= 1);
}

DAVOVO_TEST(FolderBrowserTest);

#include "folderbrowsertest.moc"
