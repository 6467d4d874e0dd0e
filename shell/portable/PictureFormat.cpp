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

}  // namespace

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
