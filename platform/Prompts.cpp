#include "platform/Prompts.h"

#include <commdlg.h>

#include <vector>

#include "platform/portable/FileDialogFilter.h"

namespace platform {
namespace {

HWND g_owner = nullptr;
std::wstring g_title = L"Vantora";

// Long enough for any path the dialogs can return.
constexpr DWORD kPathBufferChars = 32768;

class Win32Prompts final : public Prompts {
 public:
  void Information(const std::wstring& text) override {
    ::MessageBoxW(g_owner, text.c_str(), g_title.c_str(), MB_OK);
  }
  bool Confirm(const std::wstring& text) override {
    return ::MessageBoxW(g_owner, text.c_str(), L"Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
  }
  void Error(const std::wstring& text) override {
    ::MessageBoxW(g_owner, text.c_str(), g_title.c_str(), MB_OK | MB_ICONSTOP);
  }
  std::optional<std::wstring> OpenFile(const FileDialogOptions& options) override {
    return RunDialog(options, ::GetOpenFileNameW);
  }
  std::optional<std::wstring> SaveFile(const FileDialogOptions& options) override {
    return RunDialog(options, ::GetSaveFileNameW);
  }

 private:
  static std::optional<std::wstring> RunDialog(const FileDialogOptions& options,
                                               BOOL(WINAPI* show)(OPENFILENAMEW*)) {
    const std::wstring filter = DialogFilter(options.filter);
    const std::wstring defaultExt = DialogDefaultExtension(options.defaultExt);
    std::vector<wchar_t> path(kPathBufferChars, L'\0');
    options.fileName.copy(path.data(), std::min<size_t>(options.fileName.size(), kPathBufferChars - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = g_owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(options.filterIndex);
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathBufferChars;
    dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    dialog.Flags = options.flags;
    if (!show(&dialog)) return std::nullopt;
    return std::wstring(path.data());
  }
};

Win32Prompts g_win32Prompts;
Prompts* g_current = &g_win32Prompts;

}  // namespace

Prompts& CurrentPrompts() { return *g_current; }

void SetPrompts(Prompts* prompts) { g_current = prompts ? prompts : &g_win32Prompts; }

void SetPromptsOwner(HWND owner) { g_owner = owner; }
HWND PromptsOwner() { return g_owner; }

void SetApplicationTitle(std::wstring title) { g_title = std::move(title); }

}  // namespace platform
