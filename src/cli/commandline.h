#pragma once

#include "cli/usageerror.h"
#include "colour/paletteformat.h"

#include <QStringList>

#include <optional>

// What `davovo-table COMMAND ARGS...` asks for.
struct CommandLine {
    enum class Command { Show, Export, Diff, Apply, Help, Version };

    Command command = Command::Help;
    QStringList files;                 // the arguments that are not options, in order
    bool csv = false;                  // show
    std::optional<PaletteKind> format; // export
    bool dryRun = false;               // apply

    // Options may stand anywhere after the command; "--" makes every later
    // argument a file, and "--help" anywhere before it asks for the help.
    // Raises UsageError for an unknown command or option, a missing or an
    // extra argument.
    [[nodiscard]] static CommandLine parse(const QStringList &arguments);

    // The one line that follows a usage error.
    [[nodiscard]] static QString usageLine();
};
