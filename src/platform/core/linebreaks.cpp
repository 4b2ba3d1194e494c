#include "platform/core/linebreaks.h"

namespace {

template <class Result, class Text, class Break> Result replaced(const Text &text, Break lineBreak)
{
    Result result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            result.append(lineBreak);
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            result.append(text[i]);
        }
    }
    return result;
}

} // namespace

QString withLineBreaks(const QString &text, QStringView lineBreak)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    return replaced<QString>(text, lineBreak);
}

QByteArray withLineBreaks(QByteArrayView bytes, QByteArrayView lineBreak)
{
    return replaced<QByteArray>(bytes, lineBreak);
}
