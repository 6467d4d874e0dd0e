// The icon, icon-group, bitmap and executable-layout codecs on the host, under the sanitizers:
// round trips, and malformed files refused without reading outside them.
#include <gtest/gtest.h>

#include <cstring>

#include "icons/portable/BmpFile.h"
#include "icons/portable/IcoFile.h"
#include "icons/portable/IconGroup.h"
#include "icons/portable/PeLayout.h"

namespace {

using icons::Bytes;

// A picture whose every row differs, so a row written in the wrong order or place shows.
icons::IconPicture Picture(uint32_t side, uint16_t bits) {
  icons::IconPicture p{side, side, bits, {}, {}, {}};
  if (bits <= 8)
    for (uint32_t i = 0; i < (1u << bits); ++i) p.palette.push_back(i * 0x010203u);
  p.colourRows.resize(icons::RowStride(side, bits) * side);
  for (size_t i = 0; i < p.colourRows.size(); ++i) p.colourRows[i] = static_cast<uint8_t>(i * 7 + 3);
  p.maskRows.resize(icons::RowStride(side, 1) * side);
  for (size_t i = 0; i < p.maskRows.size(); ++i) p.maskRows[i] = static_cast<uint8_t>(i % 3 ? 0xF0 : 0x0F);
  return p;
}

// An icon file whose directory the test writes by hand; images follow the directory.
Bytes HandMadeIco(uint16_t count, uint32_t declaredBytes, uint32_t offset, size_t imageBytes) {
  Bytes file;
  icons::Append(file, icons::IconDir{0, 1, count});
  for (uint16_t i = 0; i < count; ++i)
    icons::Append(file, icons::IconDirEntry{16, 16, 0, 0, 1, 32, declaredBytes, offset});
  file.resize(file.size() + imageBytes, 0);
  return file;
}

TEST(IconCodecs, OneImageIconRoundTripsThroughTheReader) {
  for (uint16_t bits : {1, 4, 8, 24, 32}) {
    const auto picture = Picture(32, bits);
    const auto file = icons::WriteIco(picture);
    ASSERT_TRUE(file) << bits;
    std::string why;
    const auto ico = icons::ReadIco(*file, &why);
    ASSERT_TRUE(ico) << bits << ": " << why;
    ASSERT_EQ(ico->images.size(), 1u);
    const auto& image = ico->images[0];
    EXPECT_EQ(+image.entry.imageOffset, 22u);
    EXPECT_EQ(+image.entry.bytesInRes, file->size() - 22);
    EXPECT_EQ(+image.entry.colourCount, bits <= 4 ? (1u << bits) : 0u);
    EXPECT_EQ(image.info.kind, icons::ImageKind::Dib);
    EXPECT_EQ(image.info.width, 32u);
    EXPECT_EQ(image.info.height, 32u);
    EXPECT_EQ(image.info.bitCount, bits);
    // Palette, colour rows, then the mask, in this order, at the end of the file.
    const size_t paletteBytes = picture.palette.size() * 4;
    const uint8_t* rows = image.bytes.data() + 40 + paletteBytes;
    EXPECT_EQ(std::memcmp(rows, picture.colourRows.data(), picture.colourRows.size()), 0);
    EXPECT_EQ(std::memcmp(rows + picture.colourRows.size(), picture.maskRows.data(), picture.maskRows.size()), 0);
    EXPECT_EQ(image.bytes.size(), 40 + paletteBytes + picture.colourRows.size() + picture.maskRows.size());
  }
}

TEST(IconCodecs, WriterRefusesRowsOfTheWrongSize) {
  auto picture = Picture(16, 24);
  picture.maskRows.pop_back();
  EXPECT_FALSE(icons::WriteIco(picture));
  picture = Picture(16, 24);
  picture.colourRows.push_back(0);
  EXPECT_FALSE(icons::WriteIco(picture));
}

TEST(IconCodecs, ReaderSeesEveryImageOfAMultiImageFileAndPngEntries) {
  const auto small = *icons::WriteIco(Picture(16, 8));
  const auto large = *icons::WriteIco(Picture(48, 32));
  const Bytes smallImage(small.begin() + 22, small.end());
  const Bytes largeImage(large.begin() + 22, large.end());
  const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D',
                     'R',  0,   0,   1,   0,    0,    0,    1,    0, 8, 6, 0,  0,   0};

  Bytes file;
  icons::Append(file, icons::IconDir{0, 1, 3});
  uint32_t offset = 6 + 3 * 16;
  for (const Bytes* image : {&smallImage, &png, &largeImage}) {
    icons::Append(file, icons::IconDirEntry{0, 0, 0, 0, 0, 0, static_cast<uint32_t>(image->size()), offset});
    offset += static_cast<uint32_t>(image->size());
  }
  for (const Bytes* image : {&smallImage, &png, &largeImage}) file.insert(file.end(), image->begin(), image->end());

  const auto ico = icons::ReadIco(file);
  ASSERT_TRUE(ico);
  ASSERT_EQ(ico->images.size(), 3u);
  EXPECT_EQ(ico->images[0].info.width, 16u);
  EXPECT_EQ(ico->images[0].info.bitCount, 8u);
  EXPECT_EQ(ico->images[1].info.kind, icons::ImageKind::Png);
  EXPECT_EQ(ico->images[1].info.width, 256u);
  EXPECT_EQ(ico->images[1].bytes.size(), png.size());
  EXPECT_EQ(ico->images[2].info.height, 48u);
  EXPECT_EQ(ico->images[2].info.bitCount, 32u);
}

TEST(IconCodecs, MalformedIconFilesAreRefused) {
  std::string why;
  // A header cut short, and nothing at all.
  EXPECT_FALSE(icons::ReadIco(Bytes{0, 0, 1, 0}, &why));
  EXPECT_FALSE(icons::ReadIco(Bytes{}, &why));
  // Count 0.
  EXPECT_FALSE(icons::ReadIco(HandMadeIco(0, 0, 0, 64), &why));
  // The directory promises more entries than the file holds.
  Bytes cut = HandMadeIco(2, 40, 38, 0);
  cut.resize(6 + 16 + 8);
  EXPECT_FALSE(icons::ReadIco(cut, &why));
  // An entry's offset past the end of the file, and far past it (no wrap-around).
  EXPECT_FALSE(icons::ReadIco(HandMadeIco(1, 40, 5000, 64), &why));
  EXPECT_FALSE(icons::ReadIco(HandMadeIco(1, 0xFFFFFFF0u, 22, 64), &why));
  // A size larger than the file.
  EXPECT_FALSE(icons::ReadIco(HandMadeIco(1, 4096, 22, 64), &why));
  // An image that overlaps the directory.
  EXPECT_FALSE(icons::ReadIco(HandMadeIco(1, 40, 0, 64), &why));
  // Not an icon (a cursor file has type 2).
  Bytes cursor = *icons::WriteIco(Picture(16, 24));
  cursor[2] = 2;
  EXPECT_FALSE(icons::ReadIco(cursor, &why));
  EXPECT_EQ(why, "the header does not declare an icon");
}

TEST(IconCodecs, ImagesThatAreTooShortForTheBitmapTheyDeclareAreRefused) {
  Bytes file = *icons::WriteIco(Picture(32, 32));
  EXPECT_TRUE(icons::ReadIco(file));
  // The same directory with the mask cut off: header and directory agree, the image does not.
  const uint32_t shorter = static_cast<uint32_t>(file.size() - 22 - 4 * 32);
  std::memcpy(file.data() + 14, &shorter, 4);
  file.resize(22 + shorter);
  EXPECT_FALSE(icons::ReadIco(file));
}

TEST(IconCodecs, AnImageLargerThanAnyIconNeedsIsRefused) {
  // The largest real image, 256 x 256 at 32 bits with its mask, is read.
  const auto largest = icons::WriteIco(Picture(256, 32));
  ASSERT_TRUE(largest);
  EXPECT_LE(largest->size() - 22, icons::kMaxIconImageBytes);
  EXPECT_TRUE(icons::ReadIco(*largest));
  // A sound 16 x 16 image whose entry takes in bytes up to just past the limit is not.
  Bytes file = *icons::WriteIco(Picture(16, 32));
  for (uint32_t declared : {icons::kMaxIconImageBytes, icons::kMaxIconImageBytes + 1}) {
    file.resize(22 + declared, 0);
    std::memcpy(file.data() + 14, &declared, 4);
    std::string why;
    EXPECT_EQ(icons::ReadIco(file, &why).has_value(), declared <= icons::kMaxIconImageBytes) << declared;
    if (declared > icons::kMaxIconImageBytes) {
      EXPECT_EQ(why, "an image is larger than any icon needs");
    }
  }
}

TEST(IconCodecs, BitmapFilesRoundTripWithPaletteAndPadding) {
  for (uint16_t bits : {1, 4, 8, 16, 24, 32}) {
    icons::BmpPicture picture{13, 5, bits, {}, {}};  // 13 pixels: every depth needs padding
    if (bits <= 8)
      for (uint32_t i = 0; i < (1u << bits); ++i) picture.palette.push_back(0x00FF0000u | i);
    picture.rows.resize(icons::RowStride(13, bits) * 5);
    for (size_t i = 0; i < picture.rows.size(); ++i) picture.rows[i] = static_cast<uint8_t>(i * 13);
    const auto file = icons::WriteBmp(picture);
    ASSERT_TRUE(file) << bits;
    const auto header = *icons::ReadAt<icons::BitmapFileHeader>(*file, 0);
    EXPECT_EQ(+header.size, file->size());
    EXPECT_EQ(+header.offBits, 54 + picture.palette.size() * 4);
    const auto back = icons::ReadBmp(*file);
    ASSERT_TRUE(back) << bits;
    EXPECT_EQ(back->width, 13u);
    EXPECT_EQ(back->height, 5u);
    EXPECT_EQ(back->bitCount, bits);
    EXPECT_EQ(back->palette, picture.palette);
    EXPECT_EQ(back->rows, picture.rows);
  }
  EXPECT_FALSE(icons::WriteBmp({4, 4, 8, {}, Bytes(16)}));  // 8 bits per pixel need a colour table
  EXPECT_FALSE(icons::WriteBmp({4, 4, 24, {}, Bytes(47)}));
}

TEST(IconCodecs, IconGroupEntriesOfOneIconAreRewrittenAndTheRestKept) {
  icons::IconGroup group{{0, 1, 3}, {}};
  group.entries.push_back({48, 48, 0, 0, 1, 32, 9640, 1});
  group.entries.push_back({32, 32, 0, 0, 1, 32, 4264, 2});
  group.entries.push_back({16, 16, 0, 0, 1, 32, 1128, 1});
  Bytes bytes = icons::WriteIconGroup(group);
  ASSERT_EQ(bytes.size(), 6u + 3 * 14);
  bytes.push_back(0xAB);  // padding some linkers leave

  const icons::IconImageInfo info{icons::ImageKind::Dib, 16, 16, 1, 4, 16};
  const auto entry = icons::GroupEntryFor(info, 296, 1);
  size_t changed = 0;
  const auto updated = icons::UpdateIconGroup(bytes, entry, &changed);
  ASSERT_TRUE(updated);
  EXPECT_EQ(changed, 2u);
  EXPECT_EQ(updated->size(), bytes.size());
  EXPECT_EQ(updated->back(), 0xAB);
  const auto back = icons::ReadIconGroup(*updated);
  ASSERT_TRUE(back);
  for (size_t i : {0u, 2u}) {
    EXPECT_EQ(+back->entries[i].width, 16);
    EXPECT_EQ(+back->entries[i].colourCount, 16);
    EXPECT_EQ(+back->entries[i].bitCount, 4);
    EXPECT_EQ(+back->entries[i].bytesInRes, 296u);
    EXPECT_EQ(+back->entries[i].id, 1);
  }
  EXPECT_EQ(+back->entries[1].width, 32);
  EXPECT_EQ(+back->entries[1].bytesInRes, 4264u);

  Bytes cut(bytes.begin(), bytes.begin() + 6 + 2 * 14 + 5);
  EXPECT_FALSE(icons::UpdateIconGroup(cut, entry));
  EXPECT_EQ(icons::GroupEntryFor({icons::ImageKind::Png, 256, 256, 1, 32, 0}, 1, 1).width, 0);
}

// A small PE32 image: DOS header, PE header, optional header with 16 directories, two sections.
Bytes Executable(uint32_t certificateSize, size_t trailing) {
  Bytes file(0x400, 0);
  file[0] = 'M';
  file[1] = 'Z';
  const uint32_t peAt = 0x80;
  std::memcpy(file.data() + 0x3C, &peAt, 4);
  std::memcpy(file.data() + peAt, "PE\0\0", 4);
  icons::PeFileHeader header{0x14C, 2, 0, 0, 0, 224, 0x102};
  std::memcpy(file.data() + peAt + 4, &header, sizeof(header));
  const size_t optionalAt = peAt + 24;
  const uint16_t magic = 0x10B;
  std::memcpy(file.data() + optionalAt, &magic, 2);
  const uint32_t directories = 16;
  std::memcpy(file.data() + optionalAt + 92, &directories, 4);
  const icons::PeDataDirectory security{0x600, certificateSize};
  std::memcpy(file.data() + optionalAt + 96 + 4 * 8, &security, 8);
  icons::PeSectionHeader text{".text", 0x100, 0x1000, 0x200, 0x200, 0, 0, 0, 0, 0};
  icons::PeSectionHeader rsrc{".rsrc", 0x100, 0x2000, 0x200, 0x400, 0, 0, 0, 0, 0};
  std::memcpy(file.data() + optionalAt + 224, &text, 40);
  std::memcpy(file.data() + optionalAt + 224 + 40, &rsrc, 40);
  file.resize(0x600 + trailing, 0);
  return file;
}

TEST(IconCodecs, ExecutableLayoutTellsDataAfterTheSections) {
  const auto plain = Executable(0, 0);
  const auto layout = icons::ReadPeLayout(plain);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->sectionsEnd, 0x600u);
  EXPECT_FALSE(layout->TrailingData(plain.size()));
  EXPECT_FALSE(layout->Truncated(plain.size()));
  // Headers whole, the resources cut short: the sections end past the file.
  Bytes shortened = plain;
  shortened.resize(0x500);
  EXPECT_TRUE(icons::ReadPeLayout(shortened)->Truncated(shortened.size()));
  EXPECT_FALSE(icons::ReadPeLayout(shortened)->TrailingData(shortened.size()));
  const auto payload = Executable(0, 100);
  EXPECT_TRUE(icons::ReadPeLayout(payload)->TrailingData(payload.size()));
  const auto signedFile = Executable(0x80, 0);
  EXPECT_TRUE(icons::ReadPeLayout(signedFile)->TrailingData(signedFile.size()));
  Bytes cut = plain;
  cut.resize(0x100);  // the section table is cut off
  EXPECT_FALSE(icons::ReadPeLayout(cut));
  EXPECT_FALSE(icons::ReadPeLayout(Bytes{'M', 'Z'}));
}

}  // namespace
