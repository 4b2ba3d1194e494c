#include "about/aboutbox.h"
#include "app/windowset.h"
#include "support/testregistry.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Answers the modal About box that the command opens: notes what it shows
// and presses `key` in it; a box that ignores the key, or never becomes
// active, is closed after a while, so no test can hang on it.
class BoxAnswerer {
public:
    explicit BoxAnswerer(Qt::Key key) : key_(key)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { tick(); });
        poll_.start(10);
    }

    QString caption;
    bool okFocused = false;
    QPoint position;
    QSize outerSize;
    int presses = 0;

private:
    void tick()
    {
        auto *box = qobject_cast<AboutBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (++ticks_ > 100) {
            box->done(0);
            return;
        }
        // Keys reach the box once it is the active window, as a user's do; on
        // a slow start (sanitizers, a busy machine) the first tick comes
        // before that, while the editor still has the keyboard.
        if (QApplication::activeWindow() != box)
            return;
        ++presses;
        if (presses == 1) {
            caption = box->windowTitle();
            okFocused = QApplication::focusWidget() == box->findChild<QPushButton *>("ok");
            position = box->pos();
            outerSize = box->outerSize();
        }
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : box, key_);
    }

    Qt::Key key_;
    QTimer poll_;
    int ticks_ = 0;
};

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
            BoxAnswerer answer(key);
            about->trigger();
            QCOMPARE(answer.presses, 1);
            QCOMPARE(answer.caption, QStringLiteral("About ZOD/IRI Zozevo"));
            QVERIFY(answer.okFocused);
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            QCOMPARE(answer.position, QPoint((screen.width() - answer.outerSize.width()) / 2,
                                             (screen.height() - answer.outerSize.height()) / 2));
            QCOMPARE(aboutBoxesAlive(), 0);
        }
    }
};

DAVOVO_TEST(AboutTest);
#include "abouttest.moc"
