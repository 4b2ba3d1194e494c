#include "notes/notesfile.h"

#include "notes/rtf/codepage.h"
#include "notes/rtf/rtfreader.h"
#include "notes/rtf/rtfwriter.h"
#include "platform/core/exceptions.h"
#include "platform/core/linebreaks.h"
#include "platform/core/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString decodedPlainText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return CodePage(CodePage::kWestern).decode(bytes);
}

// Plain text with every CR, LF or CR LF as one paragraph break.
RichText plainText(QByteArrayView bytes)
{
    const QString text = withLineBreaks(decodedPlainText(bytes), QString(QChar::ParagraphSeparator));
    RichText rich;
    rich.append(text, QTextCharFormat());
    return rich;
}

[[noreturn]] void failedToSave()
{
    throw EOutOfResources(QStringLiteral("Failed to Save Stream"));
}

} // namespace

NotesFile::NotesFile(const QString &folder, qint64 maxBytes)
    : path_(folder + QLatin1String(kFileName)), maxBytes_(maxBytes)
{
}

bool NotesFile::exists() const
{
    return QFileInfo::exists(path_);
}

RichText NotesFile::read() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file %1").arg(path_));
    const auto failedToLoad = [] { return EOutOfResources(QStringLiteral("Failed to Load Stream")); };
    if (file.size() > maxBytes_)
        throw failedToLoad();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes_)
        throw failedToLoad();
    file.close();

    std::optional<RichText> rich = RtfReader::read(bytes);
    if (rich)
        return std::move(*rich);
    QByteArrayView plain(bytes);
    if (plain.startsWith("\xEF\xBB\xBF"))
        plain = plain.sliced(3);
    return plainText(plain);
}

void NotesFile::write(const RichText &text) const
{
    const QByteArray bytes = RtfWriter::write(text);
    const auto cannotCreate = [this] {
        return EFCreateError(QStringLiteral("Cannot create file %1").arg(path_));
    };
    // A new file would take the place of one the user made read-only. The
    // check is for this process's effective identity, as opening would be.
    const bool readOnly = QFileInfo::exists(path_) &&
                          ::faccessat(AT_FDCWD, QFile::encodeName(path_).constData(), W_OK, AT_EACCESS) != 0;
    if (readOnly)
        throw cannotCreate();
    writeWholeFile(path_, bytes, {[&](int) { throw cannotCreate(); }, [](int) { failedToSave(); }});
}
