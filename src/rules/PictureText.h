#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The text form of a picture: "size;Base64" where the Base64 carries one zlib
// stream of the picture's BMP file bytes, size of them.
namespace rules {

// No bitmap is shorter than its file header and the smallest information
// header: a picture of fewer bytes (even one beginning with "BM") is refused.
inline constexpr std::size_t kMinBitmapBytes = 14 + 12;

// The BMP bytes of a picture text; empty for an empty text or a size of 0 or
// below. Throws ReadError (line 0) with the editor's messages: "'%s' is not a
// valid integer value", "Coding table entry not found.", "Bitmap image is not
// valid" (data that does not inflate to exactly size bytes, or that does not
// begin with "BM", or is shorter than kMinBitmapBytes).
std::vector<std::uint8_t> DecodePictureText(std::string_view text);

// Standard Base64: CR and LF skipped, after the first "=" only "=" and line
// breaks; a last partial group gives its whole bytes.
std::vector<std::uint8_t> DecodeBase64(std::string_view text);

// Inflates one zlib stream into exactly expected bytes, or throws.
std::vector<std::uint8_t> InflateExactly(const std::vector<std::uint8_t> &compressed, std::size_t expected);

} // namespace rules
