#pragma once

#include "cli/commandline.h"
#include "colour/colourtable.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

class Palette;

// davovo-table: shows, exports, compares and applies the colour tables of
// SPL and PAL files, colour sets and palettes. Output goes to `out`, errors
// to `err` as "davovo-table: FILE: MESSAGE" with the program's own message
// texts.
class TableTool {
public:
    // The exit statuses.
    static constexpr int kSuccess = 0;
    static constexpr int kDifferent = 1; // diff: the tables differ; apply: a target failed
    static constexpr int kFailure = 2;

    TableTool(QTextStream &out, QTextStream &err);

    // Runs one command line, without the program's name, to its end.
    [[nodiscard]] int run(const QStringList &arguments);

    [[nodiscard]] static QString helpText();

private:
    int show(const CommandLine &line);
    int exportTable(const CommandLine &line);
    int diff(const CommandLine &line);
    int apply(const CommandLine &line);

    // The table of `path`, or nothing after its error was printed.
    std::optional<ColourTable> readTable(const QString &path);
    // The line for one target of apply; counts the outcome.
    QString applyTo(const Palette &source, const QString &target, bool dryRun);
    void printError(const QString &path, const QString &message);

    QTextStream &out_;
    QTextStream &err_;
    int changed_ = 0;
    int unchanged_ = 0;
    int failed_ = 0;
};
