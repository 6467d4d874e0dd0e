#include "platform/windows/StoreApps.h"

#include <knownfolders.h>
#include <propsys.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "platform/system/ComApartment.h"
#include "platform/system/Processes.h"
#include "platform/system/SystemFunctions.h"

namespace platform {
namespace {

using Microsoft::WRL::ComPtr;

// System.AppUserModel.ID
constexpr PROPERTYKEY kAppUserModelId{{0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}},
                                      5};
constexpr UINT32 kAppIdMaxLength = 130;  // APPLICATION_USER_MODEL_ID_MAX_LENGTH

// The app id the frame carries for the taskbar.
std::wstring FrameAppId(HWND frame) {
  using GetStoreFn = HRESULT(WINAPI*)(HWND, REFIID, void**);
  static const auto getStore = SystemFunction<GetStoreFn>(L"shell32.dll", "SHGetPropertyStoreForWindow");
  ComPtr<IPropertyStore> store;
  if (!getStore || FAILED(getStore(frame, IID_PPV_ARGS(&store)))) return {};
  PROPVARIANT value;
  ::PropVariantInit(&value);
  std::wstring id;
  if (SUCCEEDED(store->GetValue(kAppUserModelId, &value)) && value.vt == VT_LPWSTR && value.pwszVal) id = value.pwszVal;
  ::PropVariantClear(&value);
  return id;
}

// The app id of the process whose window the frame hosts.
std::wstring HostedAppId(HWND frame) {
  using GetIdFn = LONG(WINAPI*)(HANDLE, UINT32*, PWSTR);
  static const auto getId = SystemFunction<GetIdFn>(L"kernel32.dll", "GetApplicationUserModelId");
  const HWND hosted = ::FindWindowExW(frame, nullptr, L"Windows.UI.Core.CoreWindow", nullptr);
  if (!getId || !hosted) return {};
  const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, WindowProcessId(hosted)));
  std::wstring id(kAppIdMaxLength, L'\0');
  UINT32 length = kAppIdMaxLength;
  if (!process || getId(process.get(), &length, id.data()) != ERROR_SUCCESS) return {};
  id.resize(length > 0 ? length - 1 : 0);  // the length counts the terminator
  return id;
}

// The picture, with its alpha, as an icon: the colour bitmap carries the shape, the mask is clear.
UniqueIcon IconOfPicture(HBITMAP picture, int size) {
  const UniqueBitmap colour(picture);
  const std::vector<BYTE> clear(static_cast<size_t>((size + 15) / 16 * 2 * size));
  const UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, clear.data()));
  ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
  return UniqueIcon(mask ? ::CreateIconIndirect(&info) : nullptr);
}

}  // namespace

UniqueIcon StoreAppIcon(HWND frame, int size) {
  using CreateItemFn = HRESULT(WINAPI*)(REFKNOWNFOLDERID, DWORD, PCWSTR, REFIID, void**);
  static const auto createItem = SystemFunction<CreateItemFn>(L"shell32.dll", "SHCreateItemInKnownFolder");
  if (!createItem) return {};
  const ComApartment apartment;
  std::wstring id = FrameAppId(frame);
  if (id.empty()) id = HostedAppId(frame);
  ComPtr<IShellItemImageFactory> factory;
  HBITMAP picture = nullptr;
  if (id.empty() || FAILED(createItem(FOLDERID_AppsFolder, KF_FLAG_DONT_VERIFY, id.c_str(), IID_PPV_ARGS(&factory))) ||
      FAILED(factory->GetImage(SIZE{size, size}, SIIGBF_ICONONLY, &picture)))
    return {};
  return IconOfPicture(picture, size);
}

}  // namespace platform
