// Telling pictures from other files by their first bytes, on files written by ImageMagick and
// the program's own resources, and on look-alikes that only start like a picture.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/portable/PictureFormat.h"

using vantora::PictureFormat;
using vantora::PictureFormatOf;
using vantora::SoundPictureFormatOf;

namespace {

std::vector<unsigned char> StartOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<unsigned char> bytes(vantora::kPictureSignatureBytes);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

PictureFormat FormatOf(std::vector<unsigned char> bytes) { return PictureFormatOf(bytes); }

// A 24-bit bitmap of width x height as the format lays it out: file header, 40-byte info header,
// then the rows (`rows` bytes of them).
std::vector<unsigned char> BitmapHead(std::int32_t width, std::int32_t height, std::size_t rows) {
  std::vector<unsigned char> b(54, 0);
  const auto put = [&](std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<unsigned char>(value >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put(2, static_cast<std::uint32_t>(54 + rows), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<std::uint32_t>(width), 4);
  put(22, static_cast<std::uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  b.resize(54 + rows, 0x7F);
  return b;
}

PictureFormat SoundFormatOf(const std::vector<unsigned char>& whole) {
  const std::size_t start = std::min(whole.size(), vantora::kPictureSignatureBytes);
  return SoundPictureFormatOf(std::span(whole).first(start), whole.size());
}

TEST(PictureFormat, ABitmapCutShortOrDeclaringAnAbsurdSizeIsNoPicture) {
  const auto whole = BitmapHead(2, 2, 16);  // two rows of 6 bytes, padded to 8
  EXPECT_EQ(SoundFormatOf(whole), PictureFormat::Bitmap);
  EXPECT_EQ(SoundFormatOf(BitmapHead(2, -2, 16)), PictureFormat::Bitmap);  // top-down rows
  auto cut = whole;
  cut.resize(whole.size() - 1);
  EXPECT_EQ(PictureFormatOf(cut), PictureFormat::Bitmap) << "the signature alone says bitmap";
  EXPECT_EQ(SoundFormatOf(cut), PictureFormat::None);
  cut.resize(30);  // inside the info header
  EXPECT_EQ(SoundFormatOf(cut), PictureFormat::None);

  // 200000 x 200000 pixels, with a file as long as it says: still absurd.
  EXPECT_EQ(SoundPictureFormatOf(BitmapHead(200000, 200000, 0), 54 + 120000000000ull), PictureFormat::None);
  // The largest side taken, and one more.
  const std::uint32_t side = vantora::kMaxPictureSide;
  EXPECT_EQ(SoundPictureFormatOf(BitmapHead(side, 1, 0), 54 + side * 3ull + 4), PictureFormat::Bitmap);
  EXPECT_EQ(SoundPictureFormatOf(BitmapHead(side + 1, 1, 0), 54 + side * 3ull + 8), PictureFormat::None);
  // Sides within the limit whose product is not.
  EXPECT_EQ(SoundPictureFormatOf(BitmapHead(side, side, 0), 54 + side * 3ull * side), PictureFormat::None);
  EXPECT_EQ(SoundFormatOf(BitmapHead(0, 2, 16)), PictureFormat::None);
}

TEST(PictureFormat, PngGifAndIconHeadersAreCheckedToo) {
  // A PNG's IHDR: 13 bytes of data after its length and name; the sides big-endian.
  std::vector<unsigned char> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0,    13,
                                 'I',  'H', 'D', 'R', 0,    0,    0x01, 0x00, 0, 0, 0x00, 0x80};
  png.resize(64, 0);
  EXPECT_EQ(SoundFormatOf(png), PictureFormat::Png);
  png[16] = 0x7F;  // 2 billion pixels wide
  EXPECT_EQ(SoundFormatOf(png), PictureFormat::None);
  png[16] = 0;
  EXPECT_EQ(SoundPictureFormatOf(png, 24), PictureFormat::None) << "the IHDR chunk is cut short";

  std::vector<unsigned char> gif{'G', 'I', 'F', '8', '9', 'a', 0x20, 0x03, 0x58, 0x02, 0, 0, 0, 0x2C};
  EXPECT_EQ(SoundFormatOf(gif), PictureFormat::Gif);  // 800 x 600
  gif[7] = gif[9] = 0xFF;                             // 65312 x 65368
  EXPECT_EQ(SoundFormatOf(gif), PictureFormat::None);

  // An icon directory of three entries in a file that holds one.
  std::vector<unsigned char> ico{0, 0, 1, 0, 3, 0};
  ico.resize(6 + 16, 0);
  EXPECT_EQ(SoundFormatOf(ico), PictureFormat::None);
  ico[4] = 1;
  EXPECT_EQ(SoundFormatOf(ico), PictureFormat::Icon);
}

TEST(PictureFormat, RecognisesPicturesThatImageMagickWrites) {
  const auto folder = std::filesystem::temp_directory_path() / ("vantora-pictures-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const struct {
    const char* name;
    PictureFormat format;
  } pictures[] = {{"p.png", PictureFormat::Png},    {"p.gif", PictureFormat::Gif},     {"p.jpg", PictureFormat::Jpeg},
                  {"p.bmp", PictureFormat::Bitmap}, {"p3.bmp", PictureFormat::Bitmap}, {"p.ico", PictureFormat::Icon}};
  for (const auto& picture : pictures) {
    const auto path = folder / picture.name;
    const std::string prefix = std::string(picture.name) == "p3.bmp" ? "BMP3:" : "";
    const std::string command = "convert -size 3x2 xc:orange " + prefix + path.string() + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "ImageMagick's convert is not available";
    EXPECT_EQ(PictureFormatOf(StartOf(path)), picture.format) << picture.name;
    EXPECT_EQ(SoundPictureFormatOf(StartOf(path), std::filesystem::file_size(path)), picture.format) << picture.name;
  }
  std::filesystem::remove_all(folder);
}

TEST(PictureFormat, RecognisesTheProgramsOwnIconAndBitmaps) {
  const std::filesystem::path res = std::filesystem::path(VANTORA_SOURCE_DIR) / "res";
  EXPECT_EQ(PictureFormatOf(StartOf(res / "vantora.ico")), PictureFormat::Icon);
  EXPECT_EQ(PictureFormatOf(StartOf(res / "placeholder.bmp")), PictureFormat::Bitmap);
  EXPECT_EQ(PictureFormatOf(StartOf(res / "vantora.rc")), PictureFormat::None);
}

TEST(PictureFormat, RecognisesMetafileHeaders) {
  // An enhanced metafile starts with its header record (type 1) carrying " EMF" at offset 40.
  std::vector<unsigned char> emf(88, 0);
  emf[0] = 1;
  emf[4] = 88;
  emf[40] = ' ', emf[41] = 'E', emf[42] = 'M', emf[43] = 'F';
  EXPECT_EQ(FormatOf(emf), PictureFormat::EnhancedMetafile);
  emf[41] = 'X';
  EXPECT_EQ(FormatOf(emf), PictureFormat::None);

  EXPECT_EQ(FormatOf({0xD7, 0xCD, 0xC6, 0x9A, 0, 0}), PictureFormat::Metafile);  // placeable
  EXPECT_EQ(FormatOf({2, 0, 9, 0, 0, 3, 0, 0}), PictureFormat::Metafile);        // on disk, version 3
  EXPECT_EQ(FormatOf({2, 0, 8, 0, 0, 3, 0, 0}), PictureFormat::None);            // wrong header size
}

TEST(PictureFormat, FilesThatOnlyStartLikeAPictureAreNone) {
  const std::string words = "BM but only words, no bitmap header at all";
  EXPECT_EQ(FormatOf({words.begin(), words.end()}), PictureFormat::None);
  EXPECT_EQ(FormatOf({'G', 'I', 'F', '8', '8', 'a'}), PictureFormat::None);
  EXPECT_EQ(FormatOf({0x89, 'P', 'N', 'G'}), PictureFormat::None);  // cut short
  EXPECT_EQ(FormatOf({0, 0, 1, 0, 0, 0}), PictureFormat::None);     // an icon directory of no icons
  EXPECT_EQ(FormatOf({0, 0, 2, 0, 1, 0}), PictureFormat::None);     // a cursor
  EXPECT_EQ(FormatOf({}), PictureFormat::None);
  EXPECT_EQ(FormatOf({0xFF, 0xD8}), PictureFormat::None);
}

}  // namespace
