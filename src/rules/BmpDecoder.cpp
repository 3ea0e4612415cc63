#include "rules/BmpDecoder.h"

#include "rules/XmlReader.h"

#include <algorithm>
#include <cstring>

namespace rules {

namespace {

using namespace bmp;

[[noreturn]] void InvalidBitmap()
{
    throw ReadError(kBmpNotValid, 0);
}

// Every field is read within the bytes: a file that ends inside its headers is refused.
std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at)
{
    if (at + 4 > b.size())
        InvalidBitmap();
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16
        | std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at)
{
    if (at + 2 > b.size())
        InvalidBitmap();
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

std::int64_t Size(std::span<const std::uint8_t> b)
{
    return std::int64_t(b.size());
}

BmpHeader ReadHeader(std::span<const std::uint8_t> bytes)
{
    if (Size(bytes) < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
        InvalidBitmap();
    BmpHeader h;
    h.size = Le32(bytes, kFileHeaderSize);
    if (h.size == kCoreHeaderSize) {
        if (Size(bytes) < kFileHeaderSize + kCoreHeaderSize)
            InvalidBitmap();
        h.width = Le16(bytes, kCoreWidthAt);
        h.height = Le16(bytes, kCoreHeightAt);
        h.bitCount = Le16(bytes, kCoreBitCountAt);
        h.tableStart = kFileHeaderSize + kCoreHeaderSize;
        return h;
    }
    if (h.size != kInfoHeaderSize && h.size != kV2HeaderSize && h.size != kV3HeaderSize && h.size != kOs2HeaderSize
        && h.size != kV4HeaderSize && h.size != kV5HeaderSize)
        InvalidBitmap();
    if (Size(bytes) < std::int64_t(kFileHeaderSize) + h.size)
        InvalidBitmap();
    h.width = std::int32_t(Le32(bytes, kWidthAt));
    h.height = std::int32_t(Le32(bytes, kHeightAt));
    h.bitCount = Le16(bytes, kBitCountAt);
    h.compression = Le32(bytes, kCompressionAt);
    h.xPels = std::int32_t(Le32(bytes, kXPelsAt));
    h.yPels = std::int32_t(Le32(bytes, kYPelsAt));
    h.colorsUsed = Le32(bytes, kColorsUsedAt);
    h.colorsImportant = Le32(bytes, kColorsImportantAt);
    h.tableStart = kFileHeaderSize + h.size;
    // The later OS/2 header numbers its own codings (Huffman, 24-bit runs) from 3 on.
    if (h.size == kOs2HeaderSize && h.compression > kBiRle4)
        InvalidBitmap();
    if (h.masked()) {
        // After a 40-byte header the masks follow it; longer headers hold them.
        int count = h.compression == kBiAlphaBitfields ? 4 : 3;
        if (h.size == kInfoHeaderSize)
            h.tableStart += count * kMaskSize;
        else
            count = h.size == kV2HeaderSize ? 3 : 4;
        if (Size(bytes) < kMasksAt + count * kMaskSize)
            InvalidBitmap();
        for (int i = 0; i < count; ++i)
            h.masks[i] = Le32(bytes, std::size_t(kMasksAt + i * kMaskSize));
    }
    return h;
}

// A mask must be one run of bits within the pixel; the masks must not overlap.
void CheckMasks(const std::uint32_t (&masks)[4], int bitCount)
{
    std::uint32_t seen = 0;
    for (const std::uint32_t mask : masks) {
        const std::uint64_t run = Channel::of(mask).max;
        if ((run & (run + 1)) != 0 || (mask & seen) != 0)
            InvalidBitmap();
        if (bitCount < 32 && (mask >> bitCount) != 0)
            InvalidBitmap();
        seen |= mask;
    }
    if ((masks[0] | masks[1] | masks[2]) == 0)
        InvalidBitmap();
}

void CheckHeader(const BmpHeader &h)
{
    if (h.width <= 0 || h.height == 0 || h.width > kMaxSide || h.rows() > kMaxSide)
        InvalidBitmap();
    const int b = h.bitCount;
    switch (h.compression) {
    case kBiRgb:
        if (b != 1 && b != 4 && b != 8 && b != 16 && b != 24 && b != 32)
            InvalidBitmap();
        break;
    case kBiRle8:
    case kBiRle4:
        if (b != (h.compression == kBiRle8 ? 8 : 4) || h.height < 0 || h.core())
            InvalidBitmap();
        break;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (b != 16 && b != 32)
            InvalidBitmap();
        CheckMasks(h.masks, b);
        break;
    default:
        InvalidBitmap();
    }
    if (h.core() && b != 1 && b != 4 && b != 8 && b != 24)
        InvalidBitmap();
    if (h.stride() * h.rows() > kMaxPixelBytes)
        InvalidBitmap();
}

// The palette: as many entries as the header allows, fewer when the pixels
// begin before the full palette would end (as in many old core-header files).
std::vector<std::uint32_t> ReadPalette(std::span<const std::uint8_t> bytes, const BmpHeader &h, std::int64_t offBits)
{
    const std::int64_t entrySize = h.core() ? 3 : 4;
    std::int64_t count = std::int64_t(1) << h.bitCount;
    if (h.colorsUsed != 0 && !h.core())
        count = std::min<std::int64_t>(count, h.colorsUsed);
    if (offBits >= h.tableStart && offBits < h.tableStart + count * entrySize)
        count = (offBits - h.tableStart) / entrySize;
    if (h.tableStart + count * entrySize > Size(bytes))
        InvalidBitmap();
    std::vector<std::uint32_t> palette(static_cast<std::size_t>(count));
    const std::uint8_t *p = bytes.data() + h.tableStart;
    for (auto &entry : palette) {
        entry = 0xFF000000u | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
        p += entrySize;
    }
    return palette;
}

// Expands run-length coded pixels (4 or 8 bits a pixel, rows bottom-up) into
// plain rows. Pixels the code skips (end of line, deltas, end of bitmap) stay
// at colour index 0, so that no picture ever shows unset memory.
std::vector<std::uint8_t> ExpandRunLength(std::span<const std::uint8_t> code, const BmpHeader &h)
{
    const std::int64_t width = h.width, height = h.rows(), stride = h.stride();
    const bool eight = h.bitCount == 8;
    std::vector<std::uint8_t> rows(std::size_t(stride * height), 0);
    auto put = [&](std::int64_t x, std::int64_t y, int index) {
        if (x < 0 || x >= width || y < 0 || y >= height)
            return;
        std::uint8_t *row = rows.data() + y * stride;
        if (eight)
            row[x] = std::uint8_t(index);
        else if (x % 2 == 0)
            row[x / 2] = std::uint8_t((row[x / 2] & 0x0F) | (index << 4));
        else
            row[x / 2] = std::uint8_t((row[x / 2] & 0xF0) | (index & 0x0F));
    };
    const std::uint8_t *p = code.data();
    const std::int64_t n = Size(code);
    std::int64_t i = 0, x = 0, y = 0;   // y counted from the bottom row, as the rows are stored
    while (i + 1 < n && y < height) {
        const int count = p[i];
        const int value = p[i + 1];
        i += 2;
        if (count > 0) {   // a run of one colour (two alternating ones for 4 bits)
            for (int k = 0; k < count; ++k)
                put(x + k, y, eight ? value : (k % 2 == 0 ? value >> 4 : value & 0x0F));
            x += count;
        } else if (value == 0) {   // end of line
            x = 0;
            ++y;
        } else if (value == 1) {   // end of bitmap
            break;
        } else if (value == 2) {   // delta
            if (i + 1 >= n)
                break;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else {   // absolute run of value pixels, padded to a 16-bit boundary
            const std::int64_t bytes = eight ? value : (value + 1) / 2;
            for (int k = 0; k < value; ++k) {
                const std::int64_t at = i + (eight ? k : k / 2);
                if (at >= n)
                    break;
                put(x + k, y, eight ? p[at] : (k % 2 == 0 ? p[at] >> 4 : p[at] & 0x0F));
            }
            x += value;
            i += bytes + (bytes % 2);
        }
    }
    return rows;
}

} // namespace

BmpDecoder::BmpDecoder(std::span<const std::uint8_t> bytes) : m_h(ReadHeader(bytes))
{
    CheckHeader(m_h);
    const std::int64_t offBits = Le32(bytes, kOffBitsAt);
    std::int64_t pixelStart = std::max(offBits, m_h.tableStart);
    if (m_h.paletted()) {
        m_palette = ReadPalette(bytes, m_h, offBits);
        pixelStart = std::max<std::int64_t>(offBits, m_h.tableStart + std::int64_t(m_palette.size()) * (m_h.core() ? 3 : 4));
    } else {
        const bool b16 = m_h.bitCount == 16;
        const bool masked = m_h.masked();
        m_channels[0] = Channel::of(masked ? m_h.masks[0] : b16 ? kRed555 : kRed888);
        m_channels[1] = Channel::of(masked ? m_h.masks[1] : b16 ? kGreen555 : kGreen888);
        m_channels[2] = Channel::of(masked ? m_h.masks[2] : b16 ? kBlue555 : kBlue888);
        m_channels[3] = Channel::of(masked ? m_h.masks[3] : 0);
    }
    if (m_h.runLength()) {
        if (pixelStart > Size(bytes))
            InvalidBitmap();
        // Expanded when first read, so that a picture refused for its size costs nothing.
        m_code = bytes.subspan(std::size_t(pixelStart));
    } else {
        if (pixelStart + m_h.stride() * m_h.rows() > Size(bytes))
            InvalidBitmap();
        m_pixels = bytes.data() + pixelStart;
    }
}

bool BmpDecoder::wide() const
{
    return std::max({m_channels[0].bits(), m_channels[1].bits(), m_channels[2].bits(), m_channels[3].bits()}) > 8;
}

bool BmpDecoder::fitsRead(int bitsPerPixel) const
{
    return (m_h.width * bitsPerPixel + 7) / 8 * m_h.rows() <= kMaxPixelBytes;
}

const std::uint8_t *BmpDecoder::row(int y) const
{
    if (m_h.runLength() && !m_pixels) {
        m_expanded = ExpandRunLength(m_code, m_h);
        m_pixels = m_expanded.data();
    }
    // Run-length coded rows are always stored bottom-up.
    return m_pixels + (m_h.height > 0 ? m_h.rows() - 1 - y : y) * m_h.stride();
}

void BmpDecoder::indexRow(int y, std::uint8_t *out) const
{
    const std::uint8_t *src = row(y);
    const std::int64_t w = m_h.width;
    switch (m_h.bitCount) {
    case 1:
        for (std::int64_t x = 0; x < w; ++x)
            out[x] = (src[x / 8] >> (7 - x % 8)) & 1;
        break;
    case 4:
        for (std::int64_t x = 0; x < w; ++x)
            out[x] = x % 2 == 0 ? src[x / 2] >> 4 : src[x / 2] & 0x0F;
        break;
    default:
        std::memcpy(out, src, std::size_t(w));
    }
}

void BmpDecoder::read32(int y, std::uint32_t *out) const
{
    const std::int64_t w = m_h.width;
    if (m_h.paletted()) {
        // The indices go where the pixels go, then become colours in place.
        auto *indices = reinterpret_cast<std::uint8_t *>(out) + 3 * w;
        indexRow(y, indices);
        const std::int64_t colours = std::int64_t(m_palette.size());
        for (std::int64_t x = 0; x < w; ++x) {
            const std::uint8_t i = indices[x];
            out[x] = i < colours ? m_palette[i] : 0xFF000000u;
        }
        return;
    }
    const std::uint8_t *src = row(y);
    const int bytesPerPixel = m_h.bitCount / 8;
    if (!m_h.masked() && bytesPerPixel >= 3) {
        // The common plain 24 and 32 bits: the bytes are the channels. Whole
        // words are read but the last pixel's, which may end the file.
        std::int64_t x = 0;
        if constexpr (std::endian::native == std::endian::little) {
            for (; x + 1 < w; ++x, src += bytesPerPixel) {
                std::uint32_t v;
                std::memcpy(&v, src, 4);
                out[x] = v | 0xFF000000u;
            }
        }
        for (; x < w; ++x, src += bytesPerPixel)
            out[x] = 0xFF000000u | std::uint32_t(src[2]) << 16 | std::uint32_t(src[1]) << 8 | src[0];
        return;
    }
    const Channel &r = m_channels[0], &g = m_channels[1], &b = m_channels[2], &a = m_channels[3];
    const bool alpha = a.max != 0;
    for (std::int64_t x = 0; x < w; ++x, src += bytesPerPixel) {
        std::uint32_t pixel = src[0] | std::uint32_t(src[1]) << 8;
        if (bytesPerPixel == 4)
            pixel |= std::uint32_t(src[2]) << 16 | std::uint32_t(src[3]) << 24;
        const std::uint32_t alphaValue = alpha ? std::uint32_t(a.scaled(pixel, kMax8)) : kMax8;
        out[x] = alphaValue << 24 | std::uint32_t(r.scaled(pixel, kMax8)) << 16
            | std::uint32_t(g.scaled(pixel, kMax8)) << 8 | std::uint32_t(b.scaled(pixel, kMax8));
    }
}

void BmpDecoder::read16(int y, std::uint16_t *out) const
{
    if (m_h.paletted())
        return;
    const std::uint8_t *src = row(y);
    const int bytesPerPixel = m_h.bitCount / 8;
    const bool alpha = this->alpha();
    for (std::int64_t x = 0; x < m_h.width; ++x, src += bytesPerPixel, out += 4) {
        std::uint32_t pixel = src[0] | std::uint32_t(src[1]) << 8;
        if (bytesPerPixel >= 3)
            pixel |= std::uint32_t(src[2]) << 16;
        if (bytesPerPixel == 4)
            pixel |= std::uint32_t(src[3]) << 24;
        for (int c = 0; c < 3; ++c)
            out[c] = std::uint16_t(m_channels[c].scaled(pixel, kMax16));
        out[3] = alpha ? std::uint16_t(m_channels[3].scaled(pixel, kMax16)) : std::uint16_t(kMax16);
    }
}

BmpPixels DecodeBmp(std::span<const std::uint8_t> bytes)
{
    const BmpDecoder decoder(bytes);
    if (!decoder.fitsRead(32))
        InvalidBitmap();
    BmpPixels out;
    out.width = decoder.width();
    out.height = decoder.height();
    out.twoColors = decoder.header().bitCount == 1;
    out.px.resize(std::size_t(out.width) * std::size_t(out.height));
    for (int y = 0; y < out.height; ++y)
        decoder.read32(y, out.px.data() + std::size_t(y) * std::size_t(out.width));
    return out;
}

} // namespace rules
