#include "shell/portable/PictureFormat.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vantora {
namespace {

using Bytes = std::span<const unsigned char>;

bool StartsWith(Bytes bytes, std::initializer_list<unsigned char> signature) {
  return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}

std::uint32_t Word16(Bytes bytes, std::size_t at) { return bytes[at] | bytes[at + 1] << 8; }
std::uint32_t Word32(Bytes bytes, std::size_t at) { return Word16(bytes, at) | Word16(bytes, at + 2) << 16; }

bool IsBitmap(Bytes b) {
  // "BM", then the size of the DIB header at offset 14: one of the header versions there are.
  if (b.size() < 18 || !StartsWith(b, {'B', 'M'})) return false;
  constexpr std::array<std::uint32_t, 6> kHeaderSizes{12, 40, 52, 56, 108, 124};
  return std::ranges::find(kHeaderSizes, Word32(b, 14)) != kHeaderSizes.end();
}

bool IsIcon(Bytes b) { return b.size() >= 6 && StartsWith(b, {0, 0, 1, 0}) && Word16(b, 4) > 0; }

bool IsEnhancedMetafile(Bytes b) {
  // The first record is EMR_HEADER (type 1) with the signature " EMF" at offset 40.
  return b.size() >= 44 && Word32(b, 0) == 1 && Word32(b, 40) == 0x464D4520;
}

bool IsMetafile(Bytes b) {
  if (StartsWith(b, {0xD7, 0xCD, 0xC6, 0x9A})) return true;  // placeable metafile
  // A plain metafile header: in memory (1) or on disk (2), nine words long, version 1 or 3.
  if (b.size() < 6) return false;
  const std::uint32_t kind = Word16(b, 0), words = Word16(b, 2), version = Word16(b, 4);
  return (kind == 1 || kind == 2) && words == 9 && (version == 0x0100 || version == 0x0300);
}

bool SaneSize(std::uint64_t width, std::uint64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

std::int32_t Signed32(Bytes bytes, std::size_t at) { return static_cast<std::int32_t>(Word32(bytes, at)); }

// The file header (14 bytes), then the DIB header: the old 12-byte core header with 16-bit
// sides, or a 40-byte or longer one with 32-bit sides (the height negative for top-down rows).
bool SoundBitmap(Bytes b, std::uint64_t fileSize) {
  const std::uint32_t headerSize = Word32(b, 14), pixelsAt = Word32(b, 10);
  if (fileSize < 14 + std::uint64_t{headerSize} || pixelsAt > fileSize) return false;
  std::uint64_t width = 0, height = 0;
  std::uint32_t bits = 0, compression = 0, imageSize = 0;
  if (headerSize == 12) {
    if (b.size() < 26) return false;
    width = Word16(b, 18), height = Word16(b, 20), bits = Word16(b, 24);
  } else {
    if (b.size() < 38) return false;
    const std::int64_t h = Signed32(b, 22);
    if (Signed32(b, 18) <= 0) return false;
    width = static_cast<std::uint64_t>(Signed32(b, 18));
    height = static_cast<std::uint64_t>(h < 0 ? -h : h);
    bits = Word16(b, 28), compression = Word32(b, 30), imageSize = Word32(b, 34);
  }
  if (!SaneSize(width, height)) return false;
  constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
  if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
    constexpr std::array<std::uint32_t, 6> kDepths{1, 4, 8, 16, 24, 32};
    if (std::ranges::find(kDepths, bits) == kDepths.end()) return false;
    const std::uint64_t stride = (width * bits + 31) / 32 * 4;
    return pixelsAt + stride * height <= fileSize;
  }
  // Run-length and embedded JPEG or PNG pixels say how many bytes they take.
  return imageSize > 0 && pixelsAt + std::uint64_t{imageSize} <= fileSize;
}

bool SoundPng(Bytes b, std::uint64_t fileSize) {
  // The signature, then the IHDR chunk (length, "IHDR", width and height big-endian, 5 more
  // bytes, its CRC).
  constexpr std::size_t kHeaderEnd = 8 + 4 + 4 + 13 + 4;
  if (b.size() < 24 || fileSize < kHeaderEnd || !std::equal(b.begin() + 12, b.begin() + 16, "IHDR")) return false;
  const auto big = [&](std::size_t at) {
    return std::uint64_t{b[at]} << 24 | std::uint64_t{b[at + 1]} << 16 | std::uint64_t{b[at + 2]} << 8 | b[at + 3];
  };
  return SaneSize(big(16), big(20));
}

bool SoundGif(Bytes b, std::uint64_t fileSize) {
  // The signature, then the logical screen: width and height, flags, background, aspect.
  constexpr std::size_t kScreenEnd = 13;
  return b.size() >= 10 && fileSize >= kScreenEnd && SaneSize(Word16(b, 6), Word16(b, 8));
}

bool SoundIcon(Bytes b, std::uint64_t fileSize) { return 6 + 16 * std::uint64_t{Word16(b, 4)} <= fileSize; }

bool SoundEnhancedMetafile(Bytes b, std::uint64_t fileSize) {
  // The header record's own size, and the size of the whole metafile at offset 48.
  return b.size() >= 52 && Word32(b, 4) <= fileSize && Word32(b, 48) <= fileSize;
}

}  // namespace

PictureFormat SoundPictureFormatOf(Bytes start, std::uint64_t fileSize) {
  const PictureFormat format = PictureFormatOf(start);
  bool sound = true;
  switch (format) {
    case PictureFormat::Bitmap: sound = SoundBitmap(start, fileSize); break;
    case PictureFormat::Png: sound = SoundPng(start, fileSize); break;
    case PictureFormat::Gif: sound = SoundGif(start, fileSize); break;
    case PictureFormat::Icon: sound = SoundIcon(start, fileSize); break;
    case PictureFormat::EnhancedMetafile: sound = SoundEnhancedMetafile(start, fileSize); break;
    case PictureFormat::Jpeg:
    case PictureFormat::Metafile:
    case PictureFormat::None: break;
  }
  return sound ? format : PictureFormat::None;
}

PictureFormat PictureFormatOf(Bytes start) {
  if (StartsWith(start, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) return PictureFormat::Png;
  if (StartsWith(start, {'G', 'I', 'F', '8', '7', 'a'}) || StartsWith(start, {'G', 'I', 'F', '8', '9', 'a'}))
    return PictureFormat::Gif;
  if (StartsWith(start, {0xFF, 0xD8, 0xFF})) return PictureFormat::Jpeg;
  if (IsBitmap(start)) return PictureFormat::Bitmap;
  if (IsIcon(start)) return PictureFormat::Icon;
  if (IsEnhancedMetafile(start)) return PictureFormat::EnhancedMetafile;
  if (IsMetafile(start)) return PictureFormat::Metafile;
  return PictureFormat::None;
}

}  // namespace vantora
