#include "skin/SkinFolder.h"

#include "platform/FileSystem.h"
#include "platform/ModulePath.h"
#include "skin/portable/SkinEngine.h"

namespace skin {

std::vector<std::wstring> SkinFilesBesideProgram() {
  // Beside the executable rather than in the current folder, which a shortcut or the Run
  // entry may set anywhere.
  return platform::FilesMatching(platform::ExecutableFolder() + L"Skins",
                                 L"*" + std::wstring(kSkinFileExtension));
}

}  // namespace skin
