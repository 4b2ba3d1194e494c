// The reader of Adobe swatch exchange files, fed any bytes.
#include "colour/asepalette.h"
#include "palettereading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return readFuzzInput(AsePalette::read, data, size);
}
