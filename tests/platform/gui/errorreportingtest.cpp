#include "platform/gui/errorreporting.h"
#include "platform/core/exceptions.h"
#include "support/recordingdialogs.h"
#include "support/testregistry.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

#include <new>

namespace {

// A widget whose painting fails with the message it is told, if any.
class FailingPainter : public QWidget {
public:
    QString failure;
    bool painting = false;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        latch_.paint([this] {
            painting = true;
            ++paints;
            QPainter painter(this);
            painter.fillRect(rect(), Qt::white);
            painting = false;
            if (!failure.isEmpty())
                throw EConvertError(failure);
        });
        painting = false;
    }

private:
    PaintErrorLatch latch_;
};

void repaint(FailingPainter &widget)
{
    const int before = widget.paints;
    widget.update();
    QTRY_VERIFY(widget.paints > before);
    QCoreApplication::processEvents();
}

} // namespace

class ErrorBoxTextTest : public QObject {
    Q_OBJECT

private slots:
    void periodFollowsTheLastCharacter_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "File not found"
                                << "File not found.";
        QTest::newRow("digit") << "I/O error 32"
                               << "I/O error 32.";
        QTest::newRow("colon") << "Note:"
                               << "Note:.";
        QTest::newRow("question") << "Why?"
                                  << "Why?.";
        QTest::newRow("slash sorts above the period") << "a/"
                                                      << "a/.";
        QTest::newRow("period") << "Done."
                                << "Done.";
        QTest::newRow("bracket") << "(code 5)"
                                 << "(code 5)";
        QTest::newRow("apostrophe") << "'abc'"
                                    << "'abc'";
        QTest::newRow("comma") << "a,"
                               << "a,";
        QTest::newRow("blank") << "a "
                               << "a ";
        QTest::newRow("hyphen sorts below the period") << "a-"
                                                       << "a-";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("non-ASCII last character")
            << QString::fromUtf8("Caf\u00e9") << QString::fromUtf8("Caf\u00e9.");
        QTest::newRow("character outside the BMP")
            << QString::fromUtf8("x\U0001F600") << QString::fromUtf8("x\U0001F600.");
    }
    void periodFollowsTheLastCharacter()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }
};

class TopLevelHandlerTest : public QObject {
    Q_OBJECT

private slots:
    void init() { recordedDialogs().reset(); }

    void showsTheMessageWithItsPeriodUnderTheApplicationTitle()
    {
        guarded([] { throw EInOutError(2); });
        guarded([] { throw EInOutError(32); });
        guarded([] { throw EConvertError(QStringLiteral("'' is not a valid integer value")); });
        guarded([] { throw Exception(QStringLiteral("Unable to write to /opt/davovo/rozirazuz.INI")); });
        QCOMPARE(recordedDialogs().errors(),
                 (QStringList{"File not found.", "I/O error 32.", "'' is not a valid integer value.",
                              "Unable to write to /opt/davovo/rozirazuz.INI."}));
        for (const auto &shown : recordedDialogs().shown())
            QCOMPARE(shown.caption, QStringLiteral("Aeroth VIR/IDI Dere Davovo"));
    }

    void captionFollowsTheApplicationTitleOfTheMoment()
    {
        const QString title = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("Renamed"));
        guarded([] { throw EInOutError(5); });
        QCoreApplication::setApplicationName(title);
        QCOMPARE(recordedDialogs().shown().at(0).caption, QStringLiteral("Renamed"));
    }

    void outOfMemoryIsReported()
    {
        guarded([] { throw std::bad_alloc(); });
        QCOMPARE(recordedDialogs().errors(), QStringList{"Out of memory."});
    }

    void codeAfterTheFailureDoesNotRunButTheCallerGoesOn()
    {
        bool after = false;
        guarded([&] {
            throw EInOutError(100);
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(recordedDialogs().errors(), QStringList{"Read beyond end of file."});
    }

    void otherWindowsAreDisabledWhileTheBoxIsUp()
    {
        QWidget shown;
        QWidget alsoShown;
        QWidget hidden;
        QWidget alreadyDisabled;
        alreadyDisabled.setEnabled(false);
        for (QWidget *w : {&shown, &alsoShown, &alreadyDisabled})
            w->show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));

        bool disabledWhileUp = false;
        recordedDialogs().whileShown(
            [&] { disabledWhileUp = !shown.isEnabled() && !alsoShown.isEnabled() && hidden.isEnabled(); });
        guarded([] { throw EInOutError(2); });

        QVERIFY(disabledWhileUp);
        QVERIFY(shown.isEnabled());
        QVERIFY(alsoShown.isEnabled());
        QVERIFY(hidden.isEnabled());
        QVERIFY(!alreadyDisabled.isEnabled());
    }

    void focusReturnsToWhereItWasAfterTheBox()
    {
        QWidget window;
        auto *first = new QWidget(&window);
        auto *second = new QWidget(&window);
        first->setFocusPolicy(Qt::StrongFocus);
        second->setFocusPolicy(Qt::StrongFocus);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        second->setFocus();
        QTRY_VERIFY(second->hasFocus());
        guarded([] { throw EInOutError(2); });
        QTRY_VERIFY(second->hasFocus());
    }
};

class PaintErrorTest : public QObject {
    Q_OBJECT

private slots:
    void init() { recordedDialogs().reset(); }

    void anErrorWhilePaintingIsShownOnceAfterThePaint()
    {
        FailingPainter widget;
        widget.resize(50, 50);
        bool shownInsidePaint = false;
        recordedDialogs().whileShown([&] { shownInsidePaint = widget.painting; });
        widget.failure = QStringLiteral("'abc' is not a valid integer value");
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        for (int i = 0; i < 3; ++i)
            repaint(widget);
        QTRY_COMPARE(recordedDialogs().errors(), QStringList{"'abc' is not a valid integer value."});
        QVERIFY(!shownInsidePaint);
        QVERIFY(widget.paints >= 4);
    }

    void aNewCauseIsShownAgain()
    {
        FailingPainter widget;
        widget.resize(50, 50);
        widget.failure = QStringLiteral("first");
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        repaint(widget);
        widget.failure = QStringLiteral("second");
        repaint(widget);
        repaint(widget);
        // Mended, then broken the same way again: that is a new cause.
        widget.failure.clear();
        repaint(widget);
        widget.failure = QStringLiteral("second");
        repaint(widget);
        QTRY_COMPARE(recordedDialogs().errors(), (QStringList{"first.", "second.", "second."}));
    }

    void aFaultAlreadyShownElsewhereIsNotShownAgain()
    {
        PaintErrorLatch latch;
        latch.markShown(QStringLiteral("'x' is not a valid integer value"));
        latch.report(QStringLiteral("'x' is not a valid integer value"));
        QCoreApplication::processEvents();
        QVERIFY(recordedDialogs().errors().isEmpty());
    }
};

DAVOVO_TEST(ErrorBoxTextTest);
DAVOVO_TEST(TopLevelHandlerTest);
DAVOVO_TEST(PaintErrorTest);
#include "errorreportingtest.moc"
