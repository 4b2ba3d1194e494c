#include "colour/splpalfile.h"

#include "platform/core/checkedfile.h"
#include "platform/core/exceptions.h"

namespace {

constexpr int kPalOffset = 64;
constexpr int kOtherOffset = 68;
constexpr int kNoName = 102;
constexpr int kReadBeyondEnd = 100;

char *rawBytes(ColourTable &table)
{
    return reinterpret_cast<char *>(table.bytes().data());
}

const char *rawBytes(const ColourTable &table)
{
    return reinterpret_cast<const char *>(table.bytes().data());
}

} // namespace

int headerOffset(const QString &path)
{
    // Names from other systems may use "\" or ":" between folders; a dot
    // before the last delimiter belongs to a folder name.
    qsizetype nameStart = 0;
    for (qsizetype i = path.size(); i > 0; --i) {
        const QChar c = path.at(i - 1);
        if (c == u'/' || c == u'\\' || c == u':') {
            nameStart = i;
            break;
        }
    }
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < nameStart)
        return kOtherOffset;
    return QStringView(path).sliced(dot) == u".pal" ? kPalOffset : kOtherOffset;
}

ColourTable readTableAt(CheckedFile &file, int offset)
{
    ColourTable table;
    file.readAt(offset, rawBytes(table), ColourTable::kByteCount);
    return table;
}

void writeTableAt(CheckedFile &file, int offset, const ColourTable &table)
{
    // Another program may have cut the file since it was read: writing
    // would grow it, so the table's place must still be there whole.
    if (file.size() < offset + ColourTable::kByteCount)
        throw EInOutError(kReadBeyondEnd);
    file.writeAt(offset, rawBytes(table), ColourTable::kByteCount);
    file.flush();
}

void SplPalFile::bindAndRead(const QString &path, ColourTable &table)
{
    const int offset = headerOffset(path);
    CheckedFile file;
    file.openExisting(path);
    const ColourTable scratch = readTableAt(file, offset);
    file.close();
    table = scratch;
    binding_ = FileBinding{path, offset};
}

void SplPalFile::write(const ColourTable &table) const
{
    if (!binding_)
        throw EInOutError(kNoName);
    CheckedFile file;
    file.openExisting(binding_->path);
    writeTableAt(file, binding_->headerOffset, table);
    file.close();
}
