#include "icons/portable/BmpFile.h"

namespace icons {

std::optional<Bytes> BmpHeaders(uint32_t width, uint32_t height, uint16_t bits, size_t colours) {
  if (!SupportedDepth(bits) || width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
    return std::nullopt;
  if (colours > PaletteLimit(bits) || (bits <= 8 && colours == 0)) return std::nullopt;
  const uint64_t rowBytes = RowStride(width, bits) * uint64_t{height};
  const uint64_t offBits = sizeof(BitmapFileHeader) + sizeof(BitmapInfoHeader) + colours * 4;
  if (offBits + rowBytes > 0xFFFFFFFFu) return std::nullopt;

  const BitmapFileHeader file{kBitmapSignature, static_cast<uint32_t>(offBits + rowBytes), 0, 0,
                              static_cast<uint32_t>(offBits)};
  BitmapInfoHeader info{};
  info.size = sizeof(info);
  info.width = static_cast<int32_t>(width);
  info.height = static_cast<int32_t>(height);
  info.planes = 1;
  info.bitCount = bits;
  info.compression = kBiRgb;
  info.sizeImage = static_cast<uint32_t>(rowBytes);
  info.clrUsed = static_cast<uint32_t>(colours);

  Bytes out;
  out.reserve(static_cast<size_t>(offBits + rowBytes));
  Append(out, file);
  Append(out, info);
  return out;
}

std::optional<Bytes> WriteBmp(const BmpPicture& picture) {
  if (picture.rows.size() != RowStride(picture.width, picture.bitCount) * uint64_t{picture.height}) return std::nullopt;
  auto out = BmpHeaders(picture.width, picture.height, picture.bitCount, picture.palette.size());
  if (!out) return std::nullopt;
  for (uint32_t colour : picture.palette) Append(*out, colour);
  out->insert(out->end(), picture.rows.begin(), picture.rows.end());
  return out;
}

std::optional<BmpPicture> ReadBmp(ByteView bytes) {
  const auto file = ReadAt<BitmapFileHeader>(bytes, 0);
  const auto info = ReadAt<BitmapInfoHeader>(bytes, sizeof(BitmapFileHeader));
  if (!file || !info || file->type != kBitmapSignature || info->size < sizeof(BitmapInfoHeader)) return std::nullopt;
  if (info->compression != kBiRgb || !SupportedDepth(info->bitCount) || info->width <= 0 || info->height == 0 ||
      info->height == INT32_MIN)
    return std::nullopt;
  const bool topDown = info->height < 0;
  BmpPicture picture{static_cast<uint32_t>(info->width),
                     static_cast<uint32_t>(topDown ? -info->height : info->height),
                     info->bitCount,
                     {},
                     {}};
  const size_t colours = TableColours(info->clrUsed, info->bitCount);
  if (colours > 256) return std::nullopt;
  const size_t paletteAt = sizeof(BitmapFileHeader) + info->size;
  for (size_t i = 0; i < colours; ++i) {
    const auto colour = ReadAt<uint32_t>(bytes, paletteAt + i * 4);
    if (!colour) return std::nullopt;
    picture.palette.push_back(*colour);
  }
  const uint64_t stride = RowStride(picture.width, picture.bitCount);
  const uint64_t rowBytes = stride * picture.height;
  if (file->offBits > bytes.size() || rowBytes > bytes.size() - file->offBits) return std::nullopt;
  const uint8_t* rows = bytes.data() + file->offBits;
  if (topDown) {
    for (uint32_t y = picture.height; y-- > 0;)
      picture.rows.insert(picture.rows.end(), rows + y * stride, rows + (y + 1) * stride);
  } else {
    picture.rows.assign(rows, rows + rowBytes);
  }
  return picture;
}

}  // namespace icons
