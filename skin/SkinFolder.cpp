#include "skin/SkinFolder.h"

#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "platform/ModulePath.h"
#include "skin/portable/SkinFileParser.h"

namespace skin {
namespace {

// At most one byte more than a skin file may hold, so an oversized file is still refused by
// its size rather than read whole.
std::optional<std::string> ReadSkinFile(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(kMaxSkinFileBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return std::nullopt;
  text.resize(static_cast<size_t>(in.gcount()));
  return text;
}

}  // namespace

std::vector<SkinFile> SkinFilesBesideProgram() {
  // Beside the executable rather than in the current folder, which a shortcut or the Run
  // entry may set anywhere.
  const std::wstring folder = platform::ExecutableFolder() + L"Skins\\";
  std::vector<SkinFile> files;
  for (std::wstring& name : platform::FilesMatching(folder, L"*" + std::wstring(kSkinFileExtension))) {
    std::optional<std::string> text = ReadSkinFile(folder + name);
    files.push_back({std::move(name), std::move(text)});
  }
  return files;
}

}  // namespace skin
