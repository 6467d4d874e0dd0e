#include "icons/portable/IcoFile.h"

namespace icons {
namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::nullopt_t Refuse(std::string* why, const char* text) {
  if (why) *why = text;
  return std::nullopt;
}

uint32_t BigEndian32(ByteView bytes, size_t offset) {
  return (uint32_t{bytes[offset]} << 24) | (uint32_t{bytes[offset + 1]} << 16) | (uint32_t{bytes[offset + 2]} << 8) |
         uint32_t{bytes[offset + 3]};
}

std::optional<IconImageInfo> InspectPng(ByteView image) {
  // Signature, then the IHDR chunk: length, "IHDR", width, height (big-endian).
  if (image.size() < 24 || std::memcmp(image.data() + 12, "IHDR", 4) != 0) return std::nullopt;
  const uint32_t width = BigEndian32(image, 16), height = BigEndian32(image, 20);
  if (width == 0 || height == 0 || width > 256 || height > 256) return std::nullopt;
  return IconImageInfo{ImageKind::Png, width, height, 1, 32, 0};
}

std::optional<IconImageInfo> InspectDib(ByteView image) {
  const auto header = ReadAt<BitmapInfoHeader>(image, 0);
  if (!header || header->size < sizeof(BitmapInfoHeader) || header->size > image.size()) return std::nullopt;
  const uint16_t bits = header->bitCount;
  if (header->width <= 0 || header->width > 256 || header->height <= 0 || header->height > 512 ||
      header->height % 2 != 0 || header->planes != 1 || header->compression != kBiRgb)
    return std::nullopt;
  if (!SupportedDepth(bits)) return std::nullopt;
  const auto width = static_cast<uint32_t>(header->width), height = static_cast<uint32_t>(header->height / 2);
  const uint64_t colours = TableColours(header->clrUsed, bits);
  if (colours > 256) return std::nullopt;
  const uint64_t needed =
      header->size + colours * 4 + uint64_t{RowStride(width, bits)} * height + uint64_t{RowStride(width, 1)} * height;
  if (needed > image.size()) return std::nullopt;
  return IconImageInfo{ImageKind::Dib, width, height, 1, bits, colours < 256 ? static_cast<uint32_t>(colours) : 0};
}

}  // namespace

std::optional<IconImageInfo> InspectIconImage(ByteView image) {
  if (image.size() >= sizeof(kPngSignature) && std::memcmp(image.data(), kPngSignature, sizeof(kPngSignature)) == 0)
    return InspectPng(image);
  return InspectDib(image);
}

std::optional<IcoFile> ReadIco(ByteView file, std::string* why) {
  const auto header = ReadAt<IconDir>(file, 0);
  if (!header) return Refuse(why, "the file is shorter than an icon header");
  if (!IsIconDir(*header)) return Refuse(why, "the header does not declare an icon");
  if (header->count == 0) return Refuse(why, "the icon holds no image");
  const size_t directoryEnd = sizeof(IconDir) + size_t{header->count} * sizeof(IconDirEntry);
  if (directoryEnd > file.size()) return Refuse(why, "the directory runs past the end of the file");

  IcoFile ico{*header, {}};
  for (size_t i = 0; i < header->count; ++i) {
    const IconDirEntry entry = *ReadAt<IconDirEntry>(file, sizeof(IconDir) + i * sizeof(IconDirEntry));
    if (entry.bytesInRes == 0 || entry.imageOffset < directoryEnd || entry.imageOffset > file.size() ||
        entry.bytesInRes > file.size() - entry.imageOffset)
      return Refuse(why, "an image lies outside the file");
    if (entry.bytesInRes > kMaxIconImageBytes) return Refuse(why, "an image is larger than any icon needs");
    const ByteView bytes = file.subspan(entry.imageOffset, entry.bytesInRes);
    const auto info = InspectIconImage(bytes);
    if (!info) return Refuse(why, "an image is neither a sound bitmap nor a PNG");
    ico.images.push_back({entry, *info, bytes});
  }
  return ico;
}

std::optional<Bytes> WriteIco(const IconPicture& picture) {
  const uint16_t bits = picture.bitCount;
  if (picture.width == 0 || picture.width > 256 || picture.height == 0 || picture.height > 256) return std::nullopt;
  if (!SupportedDepth(bits) || picture.palette.size() > PaletteLimit(bits)) return std::nullopt;
  if (picture.colourRows.size() != RowStride(picture.width, bits) * picture.height ||
      picture.maskRows.size() != RowStride(picture.width, 1) * picture.height)
    return std::nullopt;

  BitmapInfoHeader info{};
  info.size = sizeof(BitmapInfoHeader);
  info.width = static_cast<int32_t>(picture.width);
  info.height = static_cast<int32_t>(picture.height * 2);  // colour rows and mask rows
  info.planes = 1;
  info.bitCount = bits;
  info.compression = kBiRgb;
  info.sizeImage = static_cast<uint32_t>(picture.colourRows.size() + picture.maskRows.size());
  info.clrUsed = static_cast<uint32_t>(picture.palette.size());
  const uint32_t imageBytes = static_cast<uint32_t>(sizeof(info) + picture.palette.size() * 4) + info.sizeImage;

  const IconDir header{0, kIconType, 1};
  IconDirEntry entry{};
  entry.width = static_cast<uint8_t>(picture.width == 256 ? 0 : picture.width);
  entry.height = static_cast<uint8_t>(picture.height == 256 ? 0 : picture.height);
  entry.colourCount = static_cast<uint8_t>(picture.palette.size() < 256 ? picture.palette.size() : 0);
  entry.planes = 1;
  entry.bitCount = bits;
  entry.bytesInRes = imageBytes;
  entry.imageOffset = sizeof(IconDir) + sizeof(IconDirEntry);

  Bytes out;
  out.reserve(entry.imageOffset + imageBytes);
  Append(out, header);
  Append(out, entry);
  Append(out, info);
  for (uint32_t colour : picture.palette) Append(out, colour);
  out.insert(out.end(), picture.colourRows.begin(), picture.colourRows.end());
  out.insert(out.end(), picture.maskRows.begin(), picture.maskRows.end());
  return out;
}

}  // namespace icons
