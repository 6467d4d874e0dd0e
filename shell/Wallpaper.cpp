// The desktop wallpaper: a picture chosen with the browse button, applied stretched.
#include <stdexcept>

#include "platform/Error.h"
#include "platform/files/FileBytes.h"
#include "platform/files/FileSystem.h"
#include "platform/system/Registry.h"
#include "platform/system/SystemParameters.h"
#include "shell/SystemSettings.h"
#include "shell/portable/PictureFormat.h"

namespace shell {
namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";

// A path that names no picture would leave the desktop blank: refused before anything changes.
void CheckIsPicture(const std::wstring& picture) {
  if (!platform::FileExists(picture))
    throw std::runtime_error("The Picture \"" + platform::Narrow(picture) + "\" Does Not Exist.");
  std::vector<uint8_t> start;
  uint64_t size = 0;
  try {
    start = platform::ReadFileBytes(picture, vantora::kPictureSignatureBytes, &size);
  } catch (const std::runtime_error&) {
    // A file that cannot be read is no picture we can set.
  }
  // Nor is one cut short or declaring a size no picture has, nor an icon or a metafile, which
  // the system does not show as a wallpaper.
  switch (vantora::SoundPictureFormatOf(start, size)) {
    case vantora::PictureFormat::Png:
    case vantora::PictureFormat::Gif:
    case vantora::PictureFormat::Jpeg:
    case vantora::PictureFormat::Bitmap: return;
    default: throw std::runtime_error("The File \"" + platform::Narrow(picture) + "\" Is Not A Picture.");
  }
}

}  // namespace

void SetWallpaper(const std::wstring& picture) {
  CheckIsPicture(picture);
  const auto show = [&picture] { return platform::ShowDesktopWallpaper(picture); };
  // All five or none: a picture with another picture's style would show wrongly, and values
  // naming a picture the system refused would be taken up again at the next logon.
  const platform::StringValue values[] = {{L"Wallpaper", picture},
                                          {L"TileWallpaper", L"0"},
                                          {L"WallpaperStyle", L"2"},  // stretched
                                          {L"WallpaperOriginX", L"0"},
                                          {L"WallpaperOriginY", L"0"}};
  auto key = platform::RegistryKey::TryCreate(HKEY_CURRENT_USER, kDesktopKey);
  const platform::Outcome shown = key ? key->WriteStringsFor(values, show) : show();
  // The system may still refuse a picture it cannot show.
  if (!shown)
    throw std::runtime_error(
        platform::Narrow(L"The Picture \"" + picture + L"\" Could Not Be Set As Wallpaper. " + shown.Reason()));
}

void SystemSettings::BrowseWallpaper() {
  if (!controls_.wallpaperDialog.Execute()) return;
  controls_.wallpaperPath.SetText(controls_.wallpaperDialog.FileName());
  controls_.applyWallpaper.SetEnabled(true);
}

void SystemSettings::ApplyWallpaper() { SetWallpaper(controls_.wallpaperPath.Text()); }

}  // namespace shell
