#include "app/startwindow.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The start window shown and active, as the program starts it, with a
// stand-in for the editor its button leads to.
struct ShownStartWindow {
    QWidget editor;
    TForm1 start;

    ShownStartWindow()
    {
        start.setEditorWindow(&editor);
        start.show();
        QApplication::setActiveWindow(&start);
    }
};

} // namespace

// The start window worked from the keyboard, keys going where a user's go:
// to the widget that has the focus.
class StartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void tabMovesTheFocusBetweenTextAndButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier);
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Shift+Tab")
            << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier);
    }
    void tabMovesTheFocusBetweenTextAndButton()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        ShownStartWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.start));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.start.memo()));
        const QString warning = w.start.memo()->toPlainText();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.start.button()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.start.memo()));
        QCOMPARE(w.start.memo()->toPlainText(), warning);
    }

    void keysPressTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
    void keysPressTheFocusedButton()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        ShownStartWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.start));
        // In the text box the key is typing, not the button.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(w.start.isVisible());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(!w.start.isVisible());
        QVERIFY(w.editor.isVisible());
    }

    // The text box was laid out for the narrow font the window asks for: in
    // the font that stands in for it, every line of the warning fits on one
    // line, frame and margins taken off.
    void everyWarningLineFitsOnOneLine()
    {
        ShownStartWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.start));
        const QTextDocument *document = w.start.memo()->document();
        QCOMPARE(document->blockCount(), int(TForm1::warningLines().size()));
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
    }
};

DAVOVO_TEST(StartWindowTest);
#include "startwindowtest.moc"
