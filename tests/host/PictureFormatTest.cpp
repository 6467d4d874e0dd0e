// Telling pictures from other files by their first bytes, on files written by ImageMagick and
// the program's own resources, and on look-alikes that only start like a picture.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/portable/PictureFormat.h"

using vantora::PictureFormat;
using vantora::PictureFormatOf;

namespace {

std::vector<unsigned char> StartOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<unsigned char> bytes(vantora::kPictureSignatureBytes);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

PictureFormat FormatOf(std::vector<unsigned char> bytes) { return PictureFormatOf(bytes); }

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
