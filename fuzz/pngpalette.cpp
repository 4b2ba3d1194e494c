// The reader of PNG swatch images, fed any bytes: its own chunk checks and,
// for images that are not indexed, Qt's decoder behind them.
#include "colour/pngpalette.h"
#include "palettereading.h"

#include <QtGlobal>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The decoder's warnings about damaged images would drown the fuzzer's
    // own output.
    static const QtMessageHandler quiet =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    (void)quiet;
    return readFuzzInput(PngPalette::read, data, size);
}
