#include "platform/gui/startupreport.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

// The breakdown the start-up benchmark reads, asked for as it asks for it.
class StartupReportTest : public QObject {
    Q_OBJECT

private slots:
    void editorStepsComeInOrderThenTheProgramQuits()
    {
        // Read once, at the first step: nothing in this program reports before.
        qputenv("DAVOVO_STARTUP_REPORT", "editor");
        const TempDir dir;
        QFile log(dir.path(QStringLiteral("stderr")));
        QVERIFY(log.open(QIODevice::ReadWrite));
        std::fflush(stderr);
        const int savedStderr = dup(STDERR_FILENO);
        dup2(log.handle(), STDERR_FILENO);

        QWidget first;
        QWidget second;
        StartupReport::step("made");
        StartupReport::watch(&first, &second, [&] { second.show(); });
        first.show();
        bool timedOut = false;
        QTimer::singleShot(10000, [&] {
            timedOut = true;
            QCoreApplication::exit(3);
        });
        const int code = QCoreApplication::exec();
        std::fflush(stderr);
        dup2(savedStderr, STDERR_FILENO);
        close(savedStderr);
        QVERIFY(!timedOut);
        QCOMPARE(code, 0);

        QStringList steps;
        qint64 before = 0;
        log.seek(0);
        for (const QByteArray &line : log.readAll().split('\n')) {
            if (!line.startsWith("startup "))
                continue;
            const qsizetype colon = line.lastIndexOf(": ");
            const qint64 at = line.mid(colon + 2).toLongLong();
            QVERIFY2(at >= before, line.constData());
            before = at;
            steps << QString::fromLatin1(line.mid(8, colon - 8));
        }
        QCOMPARE(steps, (QStringList{"made", "start window mapped", "start window painted", "editor shown",
                                     "editor painted"}));
    }
};

DAVOVO_TEST(StartupReportTest);
#include "startupreporttest.moc"
