#include "settings/settingsfile.h"
#include "platform/core/exceptions.h"
#include "support/restrictions.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace {

const QString iniName = QStringLiteral("rozirazuz.INI");
const QString settings = QStringLiteral("settings");
const QString startdir = QStringLiteral("startdir");

// The message WriteSetting raises, or "no error".
QString writeFailure(const SettingsFile &file, const QString &value)
{
    try {
        file.WriteSetting(settings, startdir, value);
    } catch (const Exception &e) {
        return QString::fromLatin1(e.className()) + QStringLiteral(": ") + e.message();
    }
    return QStringLiteral("no error");
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void besideTheExecutable();
    void folderGiven_data();
    void folderGiven();
    void firstWriteMakesTwoLines();
    void handEditCountsAtOnce();
    void refusedWriteNamesFullPath();
    void readOnlyFolder();
};

void SettingsFileTest::besideTheExecutable()
{
    TempDir elsewhere;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path(QString())));
    const QString path = SettingsFile().path();
    QVERIFY(QDir::setCurrent(previous));
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    QCOMPARE(path, QFileInfo(executable).absolutePath() + QLatin1Char('/') + iniName);
}

void SettingsFileTest::folderGiven_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("without slash") << QStringLiteral("/opt/aeroth");
    QTest::newRow("with slash") << QStringLiteral("/opt/aeroth/");
}

void SettingsFileTest::folderGiven()
{
    QFETCH(QString, folder);
    QCOMPARE(SettingsFile(folder).path(), QStringLiteral("/opt/aeroth/rozirazuz.INI"));
}

void SettingsFileTest::firstWriteMakesTwoLines()
{
    TempDir dir;
    const SettingsFile file(dir.path(QString()));
    file.WriteSetting(settings, startdir, QStringLiteral("/home/pilot/Palettes"));
    QCOMPARE(dir.read(iniName), QByteArray("[settings]\nstartdir=/home/pilot/Palettes\n"));
}

// Nothing is cached between calls.
void SettingsFileTest::handEditCountsAtOnce()
{
    TempDir dir;
    const SettingsFile file(dir.path(QString()));
    file.WriteSetting(settings, startdir, QStringLiteral("/first"));
    QCOMPARE(file.ReadSetting(settings, startdir, QString()), QStringLiteral("/first"));
    dir.write(iniName, "[settings]\nstartdir=/typed by hand\n");
    QCOMPARE(file.ReadSetting(settings, startdir, QString()), QStringLiteral("/typed by hand"));
    QVERIFY(QFile::remove(dir.path(iniName)));
    QCOMPARE(file.ReadSetting(settings, startdir, QStringLiteral("gone")), QStringLiteral("gone"));
}

// A folder standing where the file should be refuses every writer, root
// too; the error names the file's full path.
void SettingsFileTest::refusedWriteNamesFullPath()
{
    TempDir dir;
    QVERIFY(QDir().mkpath(dir.path(iniName + QStringLiteral("/keep"))));
    const SettingsFile file(dir.path(QString()));
    QCOMPARE(writeFailure(file, QStringLiteral("/a")),
             QStringLiteral("Exception: Unable to write to ") + dir.path(iniName));
    // A value that cannot be kept on one line is refused the same way.
    TempDir other;
    const SettingsFile fresh(other.path(QString()));
    QCOMPARE(writeFailure(fresh, QStringLiteral("/a\n[x]")),
             QStringLiteral("Exception: Unable to write to ") + other.path(iniName));
    QVERIFY(!QFile::exists(other.path(iniName)));
}

void SettingsFileTest::readOnlyFolder()
{
    TempDir dir;
    QVERIFY(QFile::setPermissions(dir.path(QString()), QFile::ReadOwner | QFile::ExeOwner));
    QString failure;
    const bool ran = runWithoutPermissionOverride(
        [&] { failure = writeFailure(SettingsFile(dir.path(QString())), QStringLiteral("/a")); });
    QVERIFY(
        QFile::setPermissions(dir.path(QString()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (!ran)
        QSKIP("Cannot give up the permission override of root");
    QCOMPARE(failure, QStringLiteral("Exception: Unable to write to ") + dir.path(iniName));
    QVERIFY(!QFile::exists(dir.path(iniName)));
}

DAVOVO_TEST(SettingsFileTest);

#include "settingsfiletest.moc"
