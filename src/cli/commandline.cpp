#include "cli/commandline.h"

#include "cli/formatnames.h"

#include <algorithm>
#include <array>

namespace {

using Command = CommandLine::Command;

enum Option { kNone = 0, kCsv = 1, kFormat = 2, kDryRun = 4 };

struct Syntax {
    const char *name;
    Command command;
    std::array<const char *, 2> files; // the names of the arguments it needs
    bool moreFiles;                    // the last one may be repeated
    int options;
};

constexpr std::array<Syntax, 7> kSyntax{{
    {"show", Command::Show, {"FILE", nullptr}, false, kCsv},
    {"export", Command::Export, {"FILE", "OUT"}, false, kFormat},
    {"diff", Command::Diff, {"A", "B"}, false, kNone},
    {"apply", Command::Apply, {"SOURCE", "TARGET"}, true, kDryRun},
    {"help", Command::Help, {nullptr, nullptr}, false, kNone},
    {"--help", Command::Help, {nullptr, nullptr}, false, kNone},
    {"--version", Command::Version, {nullptr, nullptr}, false, kNone},
}};

const Syntax &syntaxOf(const QString &name)
{
    for (const Syntax &syntax : kSyntax) {
        if (name == QLatin1String(syntax.name))
            return syntax;
    }
    throw UsageError(name.startsWith(u'-') ? QStringLiteral("unknown option '%1'").arg(name)
                                           : QStringLiteral("unknown command '%1'").arg(name));
}

PaletteKind formatNamed(const QString &name)
{
    const std::optional<PaletteKind> kind = FormatNames::fromOption(name);
    if (!kind)
        throw UsageError(QStringLiteral("unknown format '%1': use %2").arg(name, FormatNames::optionList()));
    return *kind;
}

// Takes the option at `i` (and its value), or raises.
void takeOption(const Syntax &syntax, const QStringList &arguments, qsizetype &i, CommandLine &line)
{
    const QString &argument = arguments.at(i);
    if (argument == QLatin1String("--csv") && (syntax.options & kCsv)) {
        line.csv = true;
    } else if (argument == QLatin1String("--dry-run") && (syntax.options & kDryRun)) {
        line.dryRun = true;
    } else if (argument.startsWith(QLatin1String("--format=")) && (syntax.options & kFormat)) {
        line.format = formatNamed(argument.sliced(9));
    } else if (argument == QLatin1String("--format") && (syntax.options & kFormat)) {
        if (++i == arguments.size())
            throw UsageError(QStringLiteral("--format needs one of %1").arg(FormatNames::optionList()));
        line.format = formatNamed(arguments.at(i));
    } else {
        throw UsageError(
            QStringLiteral("unknown option '%1' for %2").arg(argument, QLatin1String(syntax.name)));
    }
}

void checkFileCount(const Syntax &syntax, const QStringList &files)
{
    const qsizetype needed = std::count_if(syntax.files.begin(), syntax.files.end(),
                                           [](const char *name) { return name != nullptr; });
    if (files.size() < needed)
        throw UsageError(QStringLiteral("missing %1").arg(QLatin1String(syntax.files[files.size()])));
    if (files.size() > needed && !syntax.moreFiles)
        throw UsageError(QStringLiteral("unexpected argument '%1'").arg(files.at(needed)));
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    if (arguments.isEmpty())
        throw UsageError(QStringLiteral("missing command"));
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    if (arguments.mid(0, end).contains(QStringLiteral("--help")))
        return {};
    const Syntax &syntax = syntaxOf(arguments.first());
    CommandLine line;
    line.command = syntax.command;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!optionsEnded && argument == QLatin1String("--"))
            optionsEnded = true;
        else if (!optionsEnded && argument.size() > 1 && argument.startsWith(u'-'))
            takeOption(syntax, arguments, i, line);
        else
            line.files << argument;
    }
    checkFileCount(syntax, line.files);
    return line;
}

QString CommandLine::usageLine()
{
    return QStringLiteral("usage: davovo-table show|export|diff|apply|help ARGS... (davovo-table --help "
                          "tells more)");
}
