// davovo-table: the command-line companion of the editor. It needs no
// display: no application object, no widgets.

#include "cli/tabletool.h"

#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return TableTool(out, err).run(arguments);
}
