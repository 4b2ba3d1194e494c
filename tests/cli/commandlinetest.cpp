#include "cli/commandline.h"
#include "support/testregistry.h"

#include <QTest>

namespace {

// A parsed command line as one text: "show [a] csv", "export [a, b] riff",
// or the usage error's message.
QString describe(const QStringList &arguments)
{
    try {
        const CommandLine line = CommandLine::parse(arguments);
        static const char *const names[] = {"show", "export", "diff", "apply", "help", "version"};
        QString text = QLatin1String(names[int(line.command)]);
        if (!line.files.isEmpty())
            text += QStringLiteral(" [%1]").arg(line.files.join(QStringLiteral(", ")));
        if (line.csv)
            text += QStringLiteral(" csv");
        if (line.format)
            text += QStringLiteral(" format %1").arg(int(*line.format));
        if (line.dryRun)
            text += QStringLiteral(" dry-run");
        return text;
    } catch (const UsageError &error) {
        return QStringLiteral("error: ") + error.message();
    }
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("parsed");

        QTest::newRow("show") << QStringList{"show", "a.spl"} << "show [a.spl]";
        QTest::newRow("option after the file") << QStringList{"show", "a", "--csv"} << "show [a] csv";
        QTest::newRow("option before the file") << QStringList{"show", "--csv", "a"} << "show [a] csv";
        QTest::newRow("format as next argument")
            << QStringList{"export", "a", "b.pal", "--format", "riff"} << "export [a, b.pal] format 3";
        QTest::newRow("format after =")
            << QStringList{"export", "--format=act", "a", "b"} << "export [a, b] format 4";
        QTest::newRow("diff") << QStringList{"diff", "a", "b"} << "diff [a, b]";
        QTest::newRow("apply to many")
            << QStringList{"apply", "s", "t1", "--dry-run", "t2"} << "apply [s, t1, t2] dry-run";
        QTest::newRow("files after --") << QStringList{"show", "--", "--csv"} << "show [--csv]";
        QTest::newRow("a lone dash is a file") << QStringList{"show", "-"} << "show [-]";
        QTest::newRow("help") << QStringList{"help"} << "help";
        QTest::newRow("--help") << QStringList{"--help"} << "help";
        QTest::newRow("--help after a command") << QStringList{"apply", "--help"} << "help";
        QTest::newRow("--help after -- is a file") << QStringList{"show", "--", "--help"} << "show [--help]";
        QTest::newRow("version") << QStringList{"--version"} << "version";

        QTest::newRow("nothing") << QStringList{} << "error: missing command";
        QTest::newRow("unknown command") << QStringList{"frob", "a"} << "error: unknown command 'frob'";
        QTest::newRow("option as command") << QStringList{"--csv", "a"} << "error: unknown option '--csv'";
        QTest::newRow("option of another command")
            << QStringList{"diff", "a", "b", "--csv"} << "error: unknown option '--csv' for diff";
        QTest::newRow("short option")
            << QStringList{"show", "-c", "a"} << "error: unknown option '-c' for show";
        QTest::newRow("missing file") << QStringList{"show"} << "error: missing FILE";
        QTest::newRow("missing second file") << QStringList{"export", "a"} << "error: missing OUT";
        QTest::newRow("missing target") << QStringList{"apply", "s", "--dry-run"} << "error: missing TARGET";
        QTest::newRow("one file too many")
            << QStringList{"diff", "a", "b", "c"} << "error: unexpected argument 'c'";
        QTest::newRow("argument to version")
            << QStringList{"--version", "x"} << "error: unexpected argument 'x'";
        QTest::newRow("format without value") << QStringList{"export", "a", "b", "--format"}
                                              << "error: --format needs one of clr|gpl|jasc|riff|act";
        QTest::newRow("unknown format") << QStringList{"export", "a", "b", "--format=bmp"}
                                        << "error: unknown format 'bmp': use clr|gpl|jasc|riff|act";
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, parsed);
        QCOMPARE(describe(arguments), parsed);
    }
};

DAVOVO_TEST(CommandLineTest);
#include "commandlinetest.moc"
