// Feeds any bytes to every palette reader: each must either read a palette
// or refuse it with its own error, never crash, hang or read out of bounds.
#include "colour/actpalette.h"
#include "colour/gimppalette.h"
#include "colour/jascpalette.h"
#include "colour/paletteerror.h"
#include "colour/paletteformat.h"
#include "colour/riffpalette.h"

#include <cstddef>
#include <cstdint>

namespace {

template <class Read> void tryRead(Read read, const QByteArray &bytes)
{
    try {
        const Palette palette = read(bytes);
        if (palette.colours().size() > std::size_t(ColourTable::kEntryCount))
            __builtin_trap();
    } catch (const EPaletteError &) {
        // A refusal is a correct answer to a damaged file.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    tryRead(GimpPalette::read, bytes);
    tryRead(JascPalette::read, bytes);
    tryRead(RiffPalette::read, bytes);
    tryRead(ActPalette::read, bytes);
    (void)PaletteFormat::forImport(QStringLiteral("fuzz.pal"), bytes.left(PaletteFormat::kSignatureSize),
                                   qint64(size));
    return 0;
}
