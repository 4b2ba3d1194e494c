#include "settings/startfolder.h"
#include "platform/core/exceptions.h"
#include "support/recordingdialogs.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QDir>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace {

const QString iniName = QStringLiteral("rozirazuz.INI");
const QString instruction = QStringLiteral("Select SPL/PAL File Directory");

} // namespace

class StartFolderTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void firstRunAsksOnce();
    void cancelStoresEmptyAndAsksAgain();
    void cancelLaterStoresEarlierChoice();
    void storedValue_data();
    void storedValue();
    void refusedWriteEndsStep();
};

void StartFolderTest::init()
{
    recordedDialogs().reset();
}

void StartFolderTest::firstRunAsksOnce()
{
    TempDir dir;
    StartFolder step(SettingsFile(dir.path(QString())));
    recordedDialogs().answer(QStringLiteral("/home/pilot/Palettes"));

    QCOMPARE(step.startFolder(nullptr), QStringLiteral("/home/pilot/Palettes"));
    QCOMPARE(recordedDialogs().count(QStringLiteral("browse")), 1);
    const RecordingDialogs::Shown &shown = recordedDialogs().shown().front();
    QCOMPARE(shown.browser.instruction, instruction);
    QCOMPARE(shown.browser.selectedFolder, QString());
    QCOMPARE(step.SelectedFolder(), QStringLiteral("/home/pilot/Palettes"));
    QCOMPARE(dir.read(iniName), QByteArray("[settings]\nstartdir=/home/pilot/Palettes\n"));

    QCOMPARE(step.startFolder(nullptr), QStringLiteral("/home/pilot/Palettes"));
    QCOMPARE(recordedDialogs().count(QStringLiteral("browse")), 1);
}

// Cancel with nothing selected yet stores the empty value: the next read
// gives the empty text, not "c:\", and the next run asks again.
void StartFolderTest::cancelStoresEmptyAndAsksAgain()
{
    TempDir dir;
    StartFolder step(SettingsFile(dir.path(QString())));
    recordedDialogs().answer(std::nullopt);

    QCOMPARE(step.startFolder(nullptr), QString());
    QCOMPARE(dir.read(iniName), QByteArray("[settings]\nstartdir=\n"));
    QCOMPARE(step.SelectedFolder(), QString());

    recordedDialogs().answer(QStringLiteral("/pal"));
    QCOMPARE(step.startFolder(nullptr), QStringLiteral("/pal"));
    QCOMPARE(recordedDialogs().count(QStringLiteral("browse")), 2);
}

// The selected folder lives for the run: a later browser shows it, and a
// cancel there stores it again.
void StartFolderTest::cancelLaterStoresEarlierChoice()
{
    TempDir dir;
    StartFolder step(SettingsFile(dir.path(QString())));
    recordedDialogs().answer(QStringLiteral("/first/choice.spl"));
    QCOMPARE(step.startFolder(nullptr), QStringLiteral("/first/choice.spl"));

    dir.write(iniName, "; mine\n[settings]\nstartdir=\n");
    recordedDialogs().answer(std::nullopt);
    QCOMPARE(step.startFolder(nullptr), QStringLiteral("/first/choice.spl"));
    QCOMPARE(recordedDialogs().shown().back().browser.selectedFolder, QStringLiteral("/first/choice.spl"));
    QCOMPARE(dir.read(iniName), QByteArray("; mine\n[settings]\nstartdir=/first/choice.spl\n"));
}

// Whether a file as found asks the user (who confirms "/chosen") and what
// the step returns.
void StartFolderTest::storedValue_data()
{
    QTest::addColumn<std::optional<QByteArray>>("content");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("expected");
    using Content = std::optional<QByteArray>;
    QTest::newRow("no file") << Content() << true << QStringLiteral("/chosen");
    QTest::newRow("section without key")
        << Content("[settings]\nother=1\n") << true << QStringLiteral("/chosen");
    QTest::newRow("key in another section")
        << Content("[other]\nstartdir=/x\n") << true << QStringLiteral("/chosen");
    QTest::newRow("empty value") << Content("[settings]\nstartdir=\n") << true << QStringLiteral("/chosen");
    QTest::newRow("typed by hand") << Content("[settings]\nstartdir=/no/such/folder\n") << false
                                   << QStringLiteral("/no/such/folder");
    QTest::newRow("blanks") << Content("[settings]\nstartdir=  \n") << false << QStringLiteral("  ");
    QTest::newRow("Windows path") << Content("[Settings]\r\nStartDir=D:\\Zovu\\Palettes\\\r\n") << false
                                  << QStringLiteral("D:\\Zovu\\Palettes\\");
}

void StartFolderTest::storedValue()
{
    QFETCH(std::optional<QByteArray>, content);
    QFETCH(bool, asks);
    QFETCH(QString, expected);
    TempDir dir;
    if (content)
        dir.write(iniName, *content);
    StartFolder step(SettingsFile(dir.path(QString())));
    recordedDialogs().answer(QStringLiteral("/chosen"));
    QCOMPARE(step.startFolder(nullptr), expected);
    QCOMPARE(recordedDialogs().count(QStringLiteral("browse")), asks ? 1 : 0);
    if (!asks)
        QCOMPARE(dir.read(iniName), *content);
}

// A refused write ends the step with the settings error; the choice is kept
// for the run and the next step asks again.
void StartFolderTest::refusedWriteEndsStep()
{
    TempDir dir;
    QVERIFY(QDir().mkpath(dir.path(iniName + QStringLiteral("/keep"))));
    StartFolder step(SettingsFile(dir.path(QString())));
    recordedDialogs().answer(QStringLiteral("/chosen"));
    QVERIFY_THROWS_EXCEPTION(Exception, (void)step.startFolder(nullptr));
    QCOMPARE(step.SelectedFolder(), QStringLiteral("/chosen"));

    QVERIFY_THROWS_EXCEPTION(Exception, (void)step.startFolder(nullptr));
    QCOMPARE(recordedDialogs().count(QStringLiteral("browse")), 2);
    QCOMPARE(recordedDialogs().shown().back().browser.selectedFolder, QStringLiteral("/chosen"));
}

DAVOVO_TEST(StartFolderTest);

#include "startfoldertest.moc"
