#include "cli/tabletool.h"

#include "cli/formatnames.h"
#include "colour/tablefile.h"
#include "cli/tabletext.h"
#include "colour/palettefile.h"
#include "platform/core/programversion.h"

#include <new>

namespace {

// The message of the error `work` raises, or nothing when it succeeds. The
// tool's one catch: every failure becomes its message line.
template <class F> std::optional<QString> failureOf(F &&work)
{
    try {
        work();
    } catch (const Exception &error) {
        return error.message();
    } catch (const std::bad_alloc &) {
        return outOfMemoryError().message();
    }
    return std::nullopt;
}

// The refusal of an apply target that is a colour set or palette.
QString notSplPal(PaletteKind kind)
{
    QString message = FormatNames::describe(kind) + QLatin1String(", not an SPL or PAL file");
    message[0] = message.at(0).toUpper();
    return message;
}

} // namespace

TableTool::TableTool(QTextStream &out, QTextStream &err) : out_(out), err_(err) {}

int TableTool::run(const QStringList &arguments)
{
    CommandLine line;
    try {
        line = CommandLine::parse(arguments);
    } catch (const UsageError &error) {
        err_ << "davovo-table: " << error.message() << '\n' << CommandLine::usageLine() << Qt::endl;
        return kFailure;
    }
    switch (line.command) {
    case CommandLine::Command::Show:
        return show(line);
    case CommandLine::Command::Export:
        return exportTable(line);
    case CommandLine::Command::Diff:
        return diff(line);
    case CommandLine::Command::Apply:
        return apply(line);
    case CommandLine::Command::Help:
        out_ << helpText() << Qt::flush;
        return kSuccess;
    case CommandLine::Command::Version:
        out_ << "davovo-table " << programVersionStrings().productVersion << Qt::endl;
        return kSuccess;
    }
    Q_UNREACHABLE();
}

int TableTool::show(const CommandLine &line)
{
    const std::optional<ColourTable> table = readTable(line.files.at(0));
    if (!table)
        return kFailure;
    if (line.csv)
        out_ << TableText::csvHeader() << '\n';
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry)
        out_ << (line.csv ? TableText::csvLine(*table, entry) : TableText::showLine(*table, entry)) << '\n';
    out_.flush();
    return kSuccess;
}

int TableTool::exportTable(const CommandLine &line)
{
    const std::optional<ColourTable> table = readTable(line.files.at(0));
    if (!table)
        return kFailure;
    const QString &target = line.files.at(1);
    // Without --format the name picks the format as Export Colors does with
    // its first type, "Color Set Files", chosen.
    const PaletteKind kind = line.format.value_or(PaletteFormat::forExport(target, 0));
    if (const std::optional<QString> failure = failureOf([&] { writePalette(target, *table, kind); })) {
        printError(target, *failure);
        return kFailure;
    }
    return kSuccess;
}

int TableTool::diff(const CommandLine &line)
{
    const std::optional<ColourTable> a = readTable(line.files.at(0));
    if (!a)
        return kFailure;
    const std::optional<ColourTable> b = readTable(line.files.at(1));
    if (!b)
        return kFailure;
    for (int entry = 0; entry < ColourTable::kEntryCount; ++entry) {
        if (!TableText::sameEntry(*a, *b, entry))
            out_ << TableText::diffLine(*a, *b, entry) << '\n';
    }
    const int differing = TableText::differingEntries(*a, *b);
    out_ << TableText::diffSummary(differing) << Qt::endl;
    return differing == 0 ? kSuccess : kDifferent;
}

int TableTool::apply(const CommandLine &line)
{
    const QString &sourcePath = line.files.at(0);
    Palette source;
    const std::optional<QString> failure = failureOf([&] {
        TableFile file(sourcePath);
        source = file.colours();
        file.close();
    });
    if (failure) {
        printError(sourcePath, *failure);
        return kFailure;
    }
    changed_ = unchanged_ = failed_ = 0;
    for (const QString &target : line.files.mid(1))
        out_ << applyTo(source, target, line.dryRun) << Qt::endl;
    out_ << TableText::applySummary(changed_, unchanged_, failed_, line.dryRun) << Qt::endl;
    return failed_ == 0 ? kSuccess : kDifferent;
}

QString TableTool::applyTo(const Palette &source, const QString &target, bool dryRun)
{
    int changed = 0;
    const std::optional<QString> failure = failureOf([&] {
        TableFile file(target);
        if (file.paletteKind())
            throw Exception(notSplPal(*file.paletteKind()));
        const ColourTable before = file.table();
        const ColourTable after = source.appliedTo(before);
        changed = TableText::differingEntries(before, after);
        if (changed > 0 && !dryRun)
            file.writeTable(after);
        file.close();
    });
    if (failure) {
        ++failed_;
        return target + QLatin1String(": error: ") + *failure;
    }
    if (changed == 0) {
        ++unchanged_;
        return target + QLatin1String(": unchanged");
    }
    ++changed_;
    return target + QLatin1String(": ") + TableText::changedEntries(changed, dryRun);
}

std::optional<ColourTable> TableTool::readTable(const QString &path)
{
    ColourTable table;
    const std::optional<QString> failure = failureOf([&] {
        TableFile file(path);
        table = file.table();
        file.close();
    });
    if (failure) {
        printError(path, *failure);
        return std::nullopt;
    }
    return table;
}

void TableTool::printError(const QString &path, const QString &message)
{
    err_ << "davovo-table: " << path << ": " << message << Qt::endl;
}

QString TableTool::helpText()
{
    return QStringLiteral(
               "usage: davovo-table COMMAND ARGS...\n"
               "\n"
               "Shows, exports, compares and applies the color tables of SPL and PAL files.\n"
               "\n"
               "Commands:\n"
               "  show FILE [--csv]      print the 246 entries as \"N R G B F #rrggbb\", or as CSV\n"
               "  export FILE OUT [--format FORMAT]\n"
               "                         write FILE's table to OUT, replacing OUT whole; the\n"
               "                         format is the one named, else the one OUT's extension\n"
               "                         names (.pal: JASC), else a color set\n"
               "  diff A B               list the entries that differ, \"N: R G B F -> R G B F\"\n"
               "  apply SOURCE TARGET... [--dry-run]\n"
               "                         write SOURCE's table into each TARGET, an SPL or PAL\n"
               "                         file, in place; with --dry-run only report\n"
               "  help, --help           this text\n"
               "  --version              the program's version\n"
               "\n"
               "A FILE is read as a color table: a .clr file as a color set; a palette by its\n"
               "content; any other file as an SPL or PAL file, the table at byte 64 when the\n"
               "name ends in exactly \".pal\", else at byte 68. A palette with fewer than 246\n"
               "colors leaves the other entries as they were (0 0 0 0 for show, export and\n"
               "diff), and one without a fourth byte keeps the fourth bytes (0 for those).\n"
               "Files are opened for reading and writing, so read-only files are refused.\n"
               "\n"
               "Formats:\n") +
           FormatNames::helpLines() +
           QStringLiteral("\n"
                          "Exit status: 0 success; 1 diff found differences or apply had a target\n"
                          "fail; 2 a usage error or a file that cannot be read or written.\n");
}
