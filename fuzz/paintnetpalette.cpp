// The reader of Paint.NET palettes, fed any bytes.
#include "colour/paintnetpalette.h"
#include "palettereading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return readFuzzInput(PaintNetPalette::read, data, size);
}
