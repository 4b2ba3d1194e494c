// The reader of hex palettes, fed any bytes.
#include "colour/hexpalette.h"
#include "palettereading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return readFuzzInput(HexPalette::read, data, size);
}
