// Any bytes, read as UTF-8, as clipboard text for Paste Hex: the reader must
// return colours or refuse the text with its conversion error, never crash,
// hang or read out of bounds. What it returns must come back unchanged
// through the writer, and no token yields more than one colour.

#include "colour/hexcolours.h"
#include "platform/core/exceptions.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    std::vector<Rgb> colours;
    try {
        colours = readHexColours(text);
    } catch (const EConvertError &) {
        // A refusal is a correct answer to a text that is not colours.
        return 0;
    }
    // Six digits and one separator at the least for each but the last.
    if (qsizetype(colours.size()) > (text.size() + 1) / 7)
        __builtin_trap();
    if (readHexColours(hexLines(colours)) != colours)
        __builtin_trap();
    return 0;
}
