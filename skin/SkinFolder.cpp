#include "skin/SkinFolder.h"

#include <stdexcept>

#include "platform/files/FileBytes.h"
#include "platform/files/FileSystem.h"
#include "platform/files/ModulePath.h"
#include "skin/portable/SkinFileParser.h"

namespace skin {
namespace {

// At most one byte more than a skin file may hold, so an oversized file is still refused by
// its size rather than read whole.
std::optional<std::string> ReadSkinFile(const std::wstring& path) {
  try {
    const std::vector<uint8_t> bytes = platform::ReadFileBytes(path, kMaxSkinFileBytes + 1);
    return std::string(bytes.begin(), bytes.end());
  } catch (const std::runtime_error&) {
    return std::nullopt;  // an unreadable file is reported as such by the skin list
  }
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
