#include "app/lastresort.h"
#include "platform/core/exceptions.h"
#include "support/recordingdialogs.h"
#include "support/testregistry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include <stdexcept>

class LastResortTest : public QObject {
    Q_OBJECT

private slots:
    void init() { recordedDialogs().reset(); }

    void textNamesClassModuleAndAddress_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "File not found"
                               << "Exception EInOutError in module davovo at 0001A2B0.\nFile not found.";
        QTest::newRow("ends in a period") << "Done."
                                          << "Exception EInOutError in module davovo at 0001A2B0.\nDone.";
        QTest::newRow("empty") << ""
                               << "Exception EInOutError in module davovo at 0001A2B0.\n";
    }
    void textNamesClassModuleAndAddress()
    {
        QFETCH(QString, message);
        QFETCH(QString, text);
        QCOMPARE(lastResortText(QStringLiteral("EInOutError"), QStringLiteral("davovo"), 0x1a2b0, message),
                 text);
    }

    void boxNamesTheModuleThatRaisedTheError()
    {
        try {
            throw EInOutError(2);
        } catch (...) {
            showLastResort(std::current_exception());
        }
        QCOMPARE(recordedDialogs().shown().size(), size_t(1));
        const auto &shown = recordedDialogs().shown().front();
        QCOMPARE(shown.kind, QStringLiteral("error"));
        QCOMPARE(shown.caption, QStringLiteral("Application Error"));
        const QString module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        const QRegularExpression form(
            QStringLiteral("^Exception EInOutError in module %1 at [0-9A-F]{8}\\.\\n"
                           "File not found\\.$")
                .arg(QRegularExpression::escape(module)));
        QVERIFY2(form.match(shown.text).hasMatch(), qPrintable(shown.text));
        QVERIFY(!shown.text.contains(QStringLiteral(" at 00000000.")));
    }

    void foreignErrorsNameTheirClass()
    {
        try {
            throw std::runtime_error("broken");
        } catch (...) {
            showLastResort(std::current_exception());
        }
        QVERIFY(recordedDialogs().errors().at(0).startsWith(
            QStringLiteral("Exception std::runtime_error in module ")));
        QVERIFY(recordedDialogs().errors().at(0).endsWith(QStringLiteral("\nbroken.")));
    }
};

DAVOVO_TEST(LastResortTest);
#include "lastresorttest.moc"
