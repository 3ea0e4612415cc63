// Times the BMP decoder on a 1920x1080 24-bit picture, the kind a menu's
// background is, against a plain copy of its stored rows into a new buffer
// measured in the same run:
//   decode to 32-bit pixels  <= 1.2 x the copy
#include "PairTiming.h"
#include "Target.h"
#include "rules/BmpDecoder.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kLimit = 1.2;

void put(std::vector<std::uint8_t> &b, std::size_t at, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

// A bottom-up 24-bit file with noisy pixels.
std::vector<std::uint8_t> picture(std::size_t stride)
{
    constexpr std::size_t kOffBits = 54;
    std::vector<std::uint8_t> b(kOffBits + stride * kHeight);
    b[0] = 'B';
    b[1] = 'M';
    put(b, 2, std::uint32_t(b.size()), 4);
    put(b, 10, kOffBits, 4);
    put(b, 14, 40, 4);
    put(b, 18, kWidth, 4);
    put(b, 22, kHeight, 4);
    put(b, 26, 1, 2);
    put(b, 28, 24, 2);
    std::mt19937 rng(7);
    for (std::size_t i = kOffBits; i < b.size(); ++i)
        b[i] = std::uint8_t(rng());
    return b;
}

} // namespace

int main()
{
    const std::size_t stride = (kWidth * 24 + 31) / 32 * 4;
    const std::vector<std::uint8_t> file = picture(stride);
    std::size_t sink = 0;
    const auto [decodeMs, copyMs] = bench::medianPairMs(
        bench::Rounds(31, 7),
        [&] {
            const rules::BmpPixels p = rules::DecodeBmp(file);
            sink += p.px[p.px.size() / 2];
        },
        [&] {
            std::vector<std::uint8_t> rows(stride * kHeight);
            for (int y = 0; y < kHeight; ++y)
                std::memcpy(rows.data() + std::size_t(y) * stride, file.data() + 54 + std::size_t(kHeight - 1 - y) * stride,
                            stride);
            sink += rows[rows.size() / 2];
        });
    const double ratio = decodeMs / copyMs;
    std::printf("decode %.2f ms, copy of the rows %.2f ms (%zu)\n", decodeMs, copyMs, sink % 2);
    bench::Target("bmp_decode_1080p_24bit", ratio, "x copy", kLimit);
    return 0;
}
