#include "app/windowset.h"
#include "editor/aboutbox.h"
#include "support/testregistry.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

struct SeenBox {
    QString caption;
    bool okFocused = false;
    QPoint position;
    QSize outerSize;
};

// Waits for the modal About box, notes what it shows and presses `key` in
// it; gives up after a while so a box that never came cannot hang the test.
void pressInNextBox(Qt::Key key, SeenBox &seen)
{
    auto *poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, key, &seen] {
        auto *box = qobject_cast<AboutBox *>(QApplication::activeModalWidget());
        if (box == nullptr && ++*tries < 500)
            return;
        poll->deleteLater();
        if (box == nullptr)
            return;
        seen = {box->windowTitle(), QApplication::focusWidget() == box->findChild<QPushButton *>("ok"),
                box->pos(), box->outerSize()};
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : box, key);
    });
    poll->start(10);
}

int aboutBoxesAlive()
{
    int n = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        n += qobject_cast<AboutBox *>(widget) != nullptr ? 1 : 0;
    return n;
}

} // namespace

// The About command of the editor window: a new box every time, closed by
// Esc or Enter and then gone.
class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void aboutOpensAndClosesTheBox_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Esc") << Qt::Key_Escape;
        QTest::newRow("Enter") << Qt::Key_Return;
    }

    void aboutOpensAndClosesTheBox()
    {
        QFETCH(Qt::Key, key);
        WindowSet windows;
        windows.show();
        windows.startWindow.Button5Click();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.editorWindow));
        QAction *about = windows.editorWindow.menuCommands().back();
        QCOMPARE(about->text(), QStringLiteral("About"));
        QVERIFY(about->isEnabled());

        for (int time = 0; time < 2; ++time) {
            SeenBox seen;
            pressInNextBox(key, seen);
            about->trigger();
            QCOMPARE(seen.caption, QStringLiteral("About ZOD/IRI Zozevo"));
            QVERIFY(seen.okFocused);
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            QCOMPARE(seen.position, QPoint((screen.width() - seen.outerSize.width()) / 2,
                                           (screen.height() - seen.outerSize.height()) / 2));
            QCOMPARE(aboutBoxesAlive(), 0);
        }
    }
};

DAVOVO_TEST(AboutTest);
#include "abouttest.moc"
