#include "notes/notesfile.h"
#include "notes/rtf/rtfreader.h"
#include "platform/core/exceptions.h"
#include "support/restrictions.h"
#include "support/tempdir.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// "<kind>: <message>" of what `code` raises, or "no error".
template <class F> QString failureOf(F &&code)
{
    try {
        code();
    } catch (const Exception &e) {
        return QString::fromLatin1(e.className()) + QStringLiteral(": ") + e.message();
    }
    return QStringLiteral("no error");
}

QString folderOf(const TempDir &dir)
{
    return dir.folder() + QLatin1Char('/');
}

RichText someNotes(const QString &text)
{
    RichText notes;
    notes.defaultFormat =
        CharFormat{QStringLiteral("MS Sans Serif"), CharFormat::kAnsiCharset, 16, qRgb(0, 0, 0)};
    notes.append(text, {});
    return notes;
}

QStringList entries(const TempDir &dir)
{
    return QDir(dir.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class NotesFileTest : public QObject {
    Q_OBJECT

private slots:
    void plainText_data();
    void plainText();
    void savedNotesReadBack();
    void loadFailures_data();
    void loadFailures();
    void readOnlyKeepsOldFile_data();
    void readOnlyKeepsOldFile();
    void failedWriteKeepsOldFile();
};

void NotesFileTest::plainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString para(QChar::ParagraphSeparator);

    QTest::newRow("LF") << QByteArray("one\ntwo\n\nfour") << "one" + para + "two" + para + para + "four";
    QTest::newRow("CR") << QByteArray("one\rtwo\r\rfour") << "one" + para + "two" + para + para + "four";
    QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n\r\nfour")
                           << "one" + para + "two" + para + para + "four";
    QTest::newRow("LF CR is two") << QByteArray("a\n\rb") << "a" + para + para + "b";
    QTest::newRow("mixed, ending in a break")
        << QByteArray("a\r\nb\nc\r") << "a" + para + "b" + para + "c" + para;
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac") << QStringLiteral("café €");
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xef\xbb\xbfnote") << QStringLiteral("note");
    QTest::newRow("code page 1252") << QByteArray("caf\xe9 \x80") << QStringLiteral("café €");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("rtf source that is not rich text")
        << QByteArray("{\\rtf1 cut") << QStringLiteral("{\\rtf1 cut");
}

void NotesFileTest::plainText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    TempDir dir;
    dir.write(QString::fromLatin1(NotesFile::kFileName), bytes);
    const RichText read = NotesFile(folderOf(dir)).read();
    QCOMPARE(read.plainText(), text);
    QVERIFY(!read.defaultFormat);
    for (const TextRun &run : read.runs)
        QVERIFY(run.format.properties().isEmpty());
}

// Save writes rich text, whatever the name says, and replaces the file.
void NotesFileTest::savedNotesReadBack()
{
    TempDir dir;
    const NotesFile file(folderOf(dir));
    QCOMPARE(file.path(), dir.path(QStringLiteral("colorinfo.txt")));
    QVERIFY(!file.exists());
    file.write(someNotes(QStringLiteral("a much longer first text")));
    file.write(someNotes(QStringLiteral("second")));
    QVERIFY(file.exists());
    QVERIFY(RtfReader::read(dir.read(QStringLiteral("colorinfo.txt"))).has_value());
    QCOMPARE(file.read(), someNotes(QStringLiteral("second")));
    QCOMPARE(entries(dir), QStringList{QStringLiteral("colorinfo.txt")});
}

void NotesFileTest::loadFailures_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("failure");
    QTest::newRow("missing") << "missing"
                             << "EFOpenError: Cannot open file <path>";
    QTest::newRow("a folder") << "folder"
                              << "EFOpenError: Cannot open file <path>";
    QTest::newRow("larger than the limit") << "large"
                                           << "EOutOfResources: Failed to Load Stream";
}

void NotesFileTest::loadFailures()
{
    QFETCH(QString, setUp);
    QFETCH(QString, failure);
    TempDir dir;
    if (setUp == QLatin1String("folder"))
        QVERIFY(QDir(dir.folder()).mkdir(QStringLiteral("colorinfo.txt")));
    if (setUp == QLatin1String("large"))
        dir.write(QStringLiteral("colorinfo.txt"), QByteArray(101, 'x'));
    const NotesFile file(folderOf(dir), 100);
    QCOMPARE(failureOf([&] { static_cast<void>(file.read()); }),
             failure.replace(QStringLiteral("<path>"), file.path()));
}

void NotesFileTest::readOnlyKeepsOldFile_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("read-only file") << false;
}

void NotesFileTest::readOnlyKeepsOldFile()
{
    QFETCH(bool, folder);
    TempDir dir;
    const QByteArray old("{\\rtf1 the old notes}");
    const QString target = folder ? dir.folder() : dir.write(QStringLiteral("colorinfo.txt"), old);
    if (folder)
        dir.write(QStringLiteral("colorinfo.txt"), old);
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner));
    const NotesFile file(folderOf(dir));
    QString failure;
    const bool ran = runWithoutPermissionOverride(
        [&] { failure = failureOf([&] { file.write(someNotes(QStringLiteral("new"))); }); });
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (!ran)
        QSKIP("Cannot give up the permission override of root");
    QCOMPARE(failure, QStringLiteral("EFCreateError: Cannot create file ") + file.path());
    QCOMPARE(dir.read(QStringLiteral("colorinfo.txt")), old);
    QCOMPARE(entries(dir), QStringList{QStringLiteral("colorinfo.txt")});
}

void NotesFileTest::failedWriteKeepsOldFile()
{
    TempDir dir;
    const QByteArray old("{\\rtf1 the old notes}");
    dir.write(QStringLiteral("colorinfo.txt"), old);
    const NotesFile file(folderOf(dir));
    QString failure;
    {
        const FileSizeLimit limit(1024);
        failure = failureOf([&] { file.write(someNotes(QString(5000, QLatin1Char('x')))); });
    }
    QCOMPARE(failure, QStringLiteral("EOutOfResources: Failed to Save Stream"));
    QCOMPARE(dir.read(QStringLiteral("colorinfo.txt")), old);
    QCOMPARE(entries(dir), QStringList{QStringLiteral("colorinfo.txt")});
}

DAVOVO_TEST(NotesFileTest);

#include "notesfiletest.moc"
