#pragma once
// The size a PNG, GIF or JPEG file declares in its header, read without a decoder. What lies behind
// the header is for ImageMagick to judge (tests/icons_check.sh).
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace testsupport {

struct DeclaredSize {
  uint32_t width;
  uint32_t height;
  bool operator==(const DeclaredSize&) const = default;
};

// The signature, then the IHDR chunk with the sides big-endian.
inline std::optional<DeclaredSize> PngSize(const std::vector<uint8_t>& b) {
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (b.size() < 24 || std::memcmp(b.data(), kSignature, 8) != 0 || std::memcmp(b.data() + 12, "IHDR", 4) != 0)
    return std::nullopt;
  const auto big = [&](size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
  };
  return DeclaredSize{big(16), big(20)};
}

// "GIF89a" (or 87a), then the logical screen's sides, little-endian.
inline std::optional<DeclaredSize> GifSize(const std::vector<uint8_t>& b) {
  if (b.size() < 10 || (std::memcmp(b.data(), "GIF89a", 6) != 0 && std::memcmp(b.data(), "GIF87a", 6) != 0))
    return std::nullopt;
  return DeclaredSize{uint32_t{b[6]} | uint32_t{b[7]} << 8, uint32_t{b[8]} | uint32_t{b[9]} << 8};
}

// The start-of-frame segment of a JPEG file (baseline or progressive) holds its height and width,
// big-endian, after the segment's length and precision.
inline std::optional<DeclaredSize> JpegSize(const std::vector<uint8_t>& b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
  for (size_t at = 2; at + 9 <= b.size() && b[at] == 0xFF;) {
    const uint8_t marker = b[at + 1];
    const size_t length = size_t{b[at + 2]} << 8 | b[at + 3];
    if (marker >= 0xC0 && marker <= 0xC2)
      return DeclaredSize{uint32_t{b[at + 7]} << 8 | b[at + 8], uint32_t{b[at + 5]} << 8 | b[at + 6]};
    at += 2 + length;
  }
  return std::nullopt;
}

}  // namespace testsupport
