#pragma once
// The on-disk structures of icon files (ICO), icon-group resources and bitmap files (BMP). Each
// is declared once, packed, little-endian as the files are, and read and written by copying
// bytes, never by casting a pointer into a buffer.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace icons {

#pragma pack(push, 1)
struct IconDir {  // head of an ICO file and of an icon-group resource
  uint16_t reserved;
  uint16_t type;  // 1 = icon
  uint16_t count;
};
struct IconDirEntry {   // one image of an ICO file
  uint8_t width;        // 0 = 256
  uint8_t height;       // 0 = 256
  uint8_t colourCount;  // 0 = 256 or more
  uint8_t reserved;
  uint16_t planes;
  uint16_t bitCount;
  uint32_t bytesInRes;
  uint32_t imageOffset;
};
struct GroupIconDirEntry {  // one image of an icon-group resource: the icon's resource id instead of an offset
  uint8_t width;
  uint8_t height;
  uint8_t colourCount;
  uint8_t reserved;
  uint16_t planes;
  uint16_t bitCount;
  uint32_t bytesInRes;
  uint16_t id;
};
struct BitmapFileHeader {
  uint16_t type;  // "BM"
  uint32_t size;
  uint16_t reserved1;
  uint16_t reserved2;
  uint32_t offBits;
};
struct BitmapInfoHeader {
  uint32_t size;
  int32_t width;
  int32_t height;
  uint16_t planes;
  uint16_t bitCount;
  uint32_t compression;
  uint32_t sizeImage;
  int32_t xPelsPerMeter;
  int32_t yPelsPerMeter;
  uint32_t clrUsed;
  uint32_t clrImportant;
};
#pragma pack(pop)

static_assert(sizeof(IconDir) == 6);
static_assert(sizeof(IconDirEntry) == 16);
static_assert(sizeof(GroupIconDirEntry) == 14);
static_assert(sizeof(BitmapFileHeader) == 14);
static_assert(sizeof(BitmapInfoHeader) == 40);

inline constexpr uint16_t kIconType = 1;
inline constexpr uint16_t kBitmapSignature = 0x4D42;  // "BM"
inline constexpr uint32_t kBiRgb = 0;

using Bytes = std::vector<uint8_t>;
using ByteView = std::span<const uint8_t>;

// The structure at `offset`, or nothing when the bytes end before it does.
template <class T>
std::optional<T> ReadAt(ByteView bytes, size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return std::nullopt;
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

template <class T>
void Append(Bytes& out, const T& value) {
  // Grown first and then copied: GCC 12 takes an insert of a fixed size into an empty vector for
  // an overflow (-Wstringop-overflow), which it is not.
  const size_t at = out.size();
  out.resize(at + sizeof(T));
  std::memcpy(out.data() + at, &value, sizeof(T));
}

// Bytes in one row of a device-independent bitmap: rows are padded to 32 bits.
constexpr size_t RowStride(uint32_t width, uint32_t bitCount) {
  return ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4;
}

// Whether the head of an ICO file or an icon-group resource declares an icon.
constexpr bool IsIconDir(const IconDir& head) { return head.reserved == 0 && head.type == kIconType; }

// The colour depths icon and bitmap images may have.
constexpr bool SupportedDepth(uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The palette entries a depth allows: none above 8 bits.
constexpr size_t PaletteLimit(uint16_t bits) { return bits <= 8 ? (size_t{1} << bits) : 0; }

// The entries of a bitmap's colour table: as many as it says it uses, or all its depth allows.
constexpr size_t TableColours(uint32_t clrUsed, uint16_t bits) {
  return bits > 8 ? 0 : clrUsed ? clrUsed : PaletteLimit(bits);
}

}  // namespace icons
