// Feeds arbitrary bytes to the BMP decoder the player draws from and to the
// editor's reader built on it. Either both refuse, with the one message, or
// both read the same pixels; the decoder refuses besides only a picture whose
// 32-bit pixels would pass its limit.
#include "base/BmpFile.h"
#include "base/BrenwickError.h"
#include "rules/BmpDecoder.h"
#include "rules/XmlReader.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string refusal;
    rules::BmpPixels pixels;
    try {
        pixels = rules::DecodeBmp({data, size});
    } catch (const rules::ReadError &e) {
        refusal = e.what();
        if (refusal != rules::kBmpNotValid)
            std::abort();
    }
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QImage image;
    try {
        image = ReadBmp(bytes).image;
    } catch (const BrenwickError &e) {
        if (refusal.empty() || e.message() != QLatin1StringView(rules::kBmpNotValid))
            std::abort();
        return 0;
    }
    if (!refusal.empty()) {
        if (qint64(image.width()) * image.height() * 4 <= rules::bmp::kMaxPixelBytes)
            std::abort();
        return 0;
    }
    if (image.width() != pixels.width || image.height() != pixels.height)
        std::abort();
    // Channels wider than 8 bits are held at 16 by the editor: rounded to 8
    // they may differ by one.
    const bool wide = image.depth() == 64;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        const std::uint32_t *decoded = pixels.px.data() + std::size_t(y) * std::size_t(pixels.width);
        for (int x = 0; x < argb.width(); ++x) {
            if (line[x] == decoded[x])
                continue;
            for (const int shift : {0, 8, 16, 24})
                if (!wide || std::abs(int((line[x] >> shift) & 0xFF) - int((decoded[x] >> shift) & 0xFF)) > 1)
                    std::abort();
        }
    }
    return 0;
}
