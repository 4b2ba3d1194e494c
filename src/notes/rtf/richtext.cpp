#include "notes/rtf/richtext.h"

void RichText::append(QStringView text, const QTextCharFormat &format)
{
    if (text.isEmpty())
        return;
    if (!runs.empty() && runs.back().format == format)
        runs.back().text += text;
    else
        runs.push_back({text.toString(), format});
}

QString RichText::plainText() const
{
    QString text;
    for (const TextRun &run : runs)
        text += run.text;
    return text;
}
