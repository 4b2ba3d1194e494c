// Path shortening never makes a path longer and always keeps its name.

#include "settings/pathshortening.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const qsizetype limit = data[0];
    const QString path = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString shortened = shortenPath(path, limit);
    if (shortened.size() > path.size())
        std::abort();
    // The name after the last separator is never cut.
    qsizetype nameStart = 0;
    for (qsizetype i = path.size(); i > 0; --i) {
        const QChar c = path.at(i - 1);
        if (c == u'/' || c == u'\\' || c == u':') {
            nameStart = i;
            break;
        }
    }
    if (!shortened.endsWith(QStringView(path).sliced(nameStart)))
        std::abort();
    return 0;
}
