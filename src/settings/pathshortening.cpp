#include "settings/pathshortening.h"

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

// The folder part reduced to "\...\" (or "/.../") by earlier passes.
bool isOnlyEllipsis(const QString &folder)
{
    return folder.size() == 5 && isSeparator(folder.at(0)) && folder.mid(1, 3) == QLatin1String("...") &&
           isSeparator(folder.at(4));
}

qsizetype firstSeparator(const QString &text)
{
    for (qsizetype n = 0; n < text.size(); ++n)
        if (isSeparator(text.at(n)))
            return n;
    return -1;
}

// Drops the first folder of `folder`, leaving "...\" in its place.
QString dropFirstFolder(QString folder)
{
    if (folder.size() == 1 && isSeparator(folder.at(0)))
        return {};
    QString lead;
    if (!folder.isEmpty() && isSeparator(folder.at(0))) {
        lead = folder.left(1);
        folder.remove(0, 1);
    }
    // The "...\" an earlier pass put here.
    if (folder.startsWith(QLatin1Char('.')))
        folder.remove(0, 4);
    const qsizetype separator = firstSeparator(folder);
    if (separator >= 0)
        folder = QLatin1String("...") + folder.at(separator) + folder.mid(separator + 1);
    else
        folder.clear();
    return lead + folder;
}

} // namespace

QString shortenPath(const QString &path, qsizetype limit)
{
    qsizetype split = path.size();
    while (split > 0 && !isSeparator(path.at(split - 1)) && path.at(split - 1) != QLatin1Char(':'))
        --split;
    QString folder = path.left(split);
    const QString name = path.mid(split);
    QString drive;
    if (folder.size() >= 2 && folder.at(1) == QLatin1Char(':')) {
        drive = folder.left(2);
        folder.remove(0, 2);
    }

    QString result = path;
    while ((!folder.isEmpty() || !drive.isEmpty()) && result.size() > limit) {
        if (isOnlyEllipsis(folder)) {
            drive.clear();
            folder = QLatin1String("...") + folder.at(4);
        } else if (folder.isEmpty()) {
            drive.clear();
        } else {
            folder = dropFirstFolder(folder);
        }
        result = drive + folder + name;
    }
    return result;
}
