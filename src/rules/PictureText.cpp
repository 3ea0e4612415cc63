#include "rules/PictureText.h"

#include "rules/ReadReasons.h"
#include "rules/XmlReader.h"

#include <cstdint>
#include <limits>
#include <string>
#include <zlib.h>

namespace rules {

namespace {

// Deflate cannot expand data by more than about 1032:1.
constexpr std::uint64_t kMaxInflateRatio = 1032;
constexpr std::uint64_t kInflateSlack = 1024;

[[noreturn]] void InvalidBitmap()
{
    throw ReadError(kPictureInvalid, 0);
}

[[noreturn]] void NotAnInteger(std::string_view text)
{
    throw ReadError("'" + std::string(text) + "' is not a valid integer value", 0);
}

std::int32_t ParseSize(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        NotAnInteger(text);
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            NotAnInteger(text);
        value = value * 10 + (c - '0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            NotAnInteger(text);
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max())
        NotAnInteger(text);
    return std::int32_t(value);
}

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

struct Inflater
{
    z_stream zs{};
    Inflater()
    {
        if (inflateInit(&zs) != Z_OK)
            InvalidBitmap();
    }
    ~Inflater() { inflateEnd(&zs); }
    Inflater(const Inflater &) = delete;
    Inflater &operator=(const Inflater &) = delete;
};

} // namespace

std::vector<std::uint8_t> DecodeBase64(std::string_view text)
{
    std::vector<std::uint8_t> out;
    out.reserve(text.size() / 4 * 3 + 3);
    std::uint32_t group = 0;
    int count = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        const int v = Base64Value(c);
        if (v >= 0) {
            group = (group << 6) | std::uint32_t(v);
            if (++count == 4) {
                out.push_back(std::uint8_t(group >> 16));
                out.push_back(std::uint8_t(group >> 8));
                out.push_back(std::uint8_t(group));
                group = 0;
                count = 0;
            }
        } else if (c == '=') {
            break;
        } else if (c != '\r' && c != '\n') {
            throw ReadError("Coding table entry not found.", 0);
        }
    }
    for (; i < text.size(); ++i)
        if (text[i] != '=' && text[i] != '\r' && text[i] != '\n')
            throw ReadError("Coding table entry not found.", 0);
    if (count == 2) {
        out.push_back(std::uint8_t(group >> 4));
    } else if (count == 3) {
        out.push_back(std::uint8_t(group >> 10));
        out.push_back(std::uint8_t(group >> 2));
    }
    return out;
}

std::vector<std::uint8_t> InflateExactly(const std::vector<std::uint8_t> &compressed, std::size_t expected)
{
    Inflater inflater;
    z_stream &zs = inflater.zs;
    std::vector<std::uint8_t> out(expected);
    zs.next_in = const_cast<Bytef *>(compressed.data());
    zs.avail_in = uInt(compressed.size());
    zs.next_out = out.data();
    zs.avail_out = uInt(expected);
    int ret = inflate(&zs, Z_FINISH);
    if ((ret == Z_OK || ret == Z_BUF_ERROR) && zs.avail_out == 0) {
        // Full: the stream must end here without another byte.
        std::uint8_t spare = 0;
        zs.next_out = &spare;
        zs.avail_out = 1;
        ret = inflate(&zs, Z_FINISH);
        if (zs.avail_out != 1)
            InvalidBitmap();
    }
    if (ret != Z_STREAM_END || zs.total_out != expected)
        InvalidBitmap();
    return out;
}

std::vector<std::uint8_t> DecodePictureText(std::string_view text)
{
    if (text.empty())
        return {};
    const std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos)
        NotAnInteger(std::string_view());
    const std::int32_t size = ParseSize(text.substr(0, semicolon));
    if (size <= 0)
        return {};
    const std::vector<std::uint8_t> compressed = DecodeBase64(text.substr(semicolon + 1));
    if (std::uint64_t(size) > kMaxInflateRatio * compressed.size() + kInflateSlack)
        InvalidBitmap();
    std::vector<std::uint8_t> bytes = InflateExactly(compressed, std::size_t(size));
    if (bytes.size() < kMinBitmapBytes || bytes[0] != 'B' || bytes[1] != 'M')
        InvalidBitmap();
    return bytes;
}

} // namespace rules
