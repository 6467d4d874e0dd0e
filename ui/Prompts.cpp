#include "ui/Prompts.h"

#include <commdlg.h>

#include <vector>

#include "platform/CallbackExceptions.h"
#include "platform/Error.h"
#include "ui/ModalScope.h"
#include "platform/system/SystemFunctions.h"
#include "ui/portable/FileDialogFilter.h"

namespace ui {
namespace {

HWND g_owner = nullptr;
std::wstring g_title = L"Vantora";

// Long enough for any path the dialogs can return.
constexpr DWORD kPathBufferChars = 32768;
constexpr int kFileNameBox = 0x47C;  // cmb13: the file name field of the explorer-style dialogs

// What the hook of a file dialog works with: the options whose typeChanged it calls, and what
// that threw, rethrown once the dialog has returned.
struct HookContext {
  const FileDialogOptions& options;
  platform::CallbackExceptions failure;
};

// Tells the options' typeChanged about a new file type and shows the name it returns. The hook
// sits in the child dialog the system creates for it; the real dialog is its parent. A failure
// cancels the dialog: the name the user would confirm could no longer follow the type.
UINT_PTR CALLBACK TypeChangeHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* dialog = reinterpret_cast<const OPENFILENAMEW*>(lParam);
    ::SetWindowLongPtrW(child, GWLP_USERDATA, static_cast<LONG_PTR>(dialog->lCustData));
    return 0;
  }
  if (message != WM_NOTIFY) return 0;
  const auto* notify = reinterpret_cast<const OFNOTIFYW*>(lParam);
  if (notify->hdr.code != CDN_TYPECHANGE) return 0;
  auto* context = reinterpret_cast<HookContext*>(::GetWindowLongPtrW(child, GWLP_USERDATA));
  if (!context) return 0;
  const HWND dialog = ::GetParent(child);
  context->failure.Guard(0, [&] {
    std::vector<wchar_t> entered(kPathBufferChars, L'\0');
    ::SendMessageW(dialog, CDM_GETSPEC, entered.size(), reinterpret_cast<LPARAM>(entered.data()));
    const std::wstring shown =
        context->options.typeChanged(entered.data(), static_cast<int>(notify->lpOFN->nFilterIndex));
    if (!shown.empty())
      ::SendMessageW(dialog, CDM_SETCONTROLTEXT, kFileNameBox, reinterpret_cast<LPARAM>(shown.c_str()));
    return 0;
  });
  if (context->failure.Caught()) ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  return 0;
}

using ShowFileDialog = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialogs are loaded with the first file dialog, not with the program: they bring the
// print spooler's libraries with them, and most sessions open no file dialog at all.
ShowFileDialog CommonDialog(const char* name) {
  const auto show =
      platform::SystemFunction<ShowFileDialog>(L"comdlg32.dll", name, platform::LibraryUse::LoadIfMissing);
  if (!show) platform::ThrowLastError("comdlg32.dll");
  return show;
}

class Win32Prompts final : public Prompts {
 public:
  void Information(const std::wstring& text) override {
    ThreadWindowsDisabled others(nullptr, g_owner);
    ::MessageBoxW(g_owner, text.c_str(), g_title.c_str(), MB_OK);
  }
  bool Confirm(const std::wstring& text) override {
    ThreadWindowsDisabled others(nullptr, g_owner);
    return ::MessageBoxW(g_owner, text.c_str(), L"Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
  }
  void Error(const std::wstring& text) override {
    ThreadWindowsDisabled others(nullptr, g_owner);
    ::MessageBoxW(g_owner, text.c_str(), g_title.c_str(), MB_OK | MB_ICONSTOP);
  }
  std::optional<std::wstring> OpenFile(const FileDialogOptions& options) override {
    return RunDialog(options, CommonDialog("GetOpenFileNameW"));
  }
  std::optional<std::wstring> SaveFile(const FileDialogOptions& options) override {
    return RunDialog(options, CommonDialog("GetSaveFileNameW"));
  }

 private:
  static std::optional<std::wstring> RunDialog(const FileDialogOptions& options, ShowFileDialog show) {
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
    HookContext hook{options, {}};
    if (options.typeChanged) {
      dialog.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK;
      dialog.lpfnHook = TypeChangeHook;
      dialog.lCustData = reinterpret_cast<LPARAM>(&hook);
    }
    ThreadWindowsDisabled others(nullptr, g_owner);
    const bool confirmed = show(&dialog) != FALSE;
    hook.failure.RethrowIfCaught();
    if (!confirmed) return std::nullopt;
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

}  // namespace ui
