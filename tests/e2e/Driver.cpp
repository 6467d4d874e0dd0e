#include "e2e/Driver.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/files/FileSystem.h"

namespace e2e {

namespace {

// Messages to the program under test never wait longer than this: a hung target fails the
// test instead of hanging it.
constexpr UINT kSendTimeoutMs = 5000;

bool BoundedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr) {
  DWORD_PTR ignored = 0;
  return ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendTimeoutMs,
                               result ? result : &ignored) != 0;
}

// A block of memory inside the process that owns a window. Common controls take pointers in
// their messages, and another process's pointers mean nothing to them: the structure is
// written there, the message sent with the remote address, and the answer read back.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, size_t size) : size_(size) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    process_.reset(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (process_)
      address_ =
          static_cast<BYTE*>(::VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() {
    if (address_) ::VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
  }

  explicit operator bool() const noexcept { return address_ != nullptr; }
  BYTE* Address(size_t offset = 0) const noexcept { return address_ + offset; }
  LPARAM Param(size_t offset = 0) const noexcept { return reinterpret_cast<LPARAM>(Address(offset)); }

  bool Write(const void* data, size_t bytes, size_t offset = 0) const {
    SIZE_T written = 0;
    return offset + bytes <= size_ && ::WriteProcessMemory(process_.get(), Address(offset), data, bytes, &written) &&
           written == bytes;
  }
  bool Read(void* data, size_t bytes, size_t offset = 0) const {
    SIZE_T read = 0;
    return offset + bytes <= size_ && ::ReadProcessMemory(process_.get(), Address(offset), data, bytes, &read) &&
           read == bytes;
  }

 private:
  platform::UniqueKernelHandle process_;
  BYTE* address_ = nullptr;
  size_t size_;
};

constexpr int kMaxListText = 1024;

// Sends a list-view message whose parameter is a structure followed by a text buffer that the
// structure points into; returns the text the control wrote.
template <class Item>
std::wstring RemoteTextQuery(HWND list, UINT message, WPARAM wParam, Item item, LPWSTR Item::*textField) {
  RemoteBuffer remote(list, sizeof(Item) + kMaxListText * sizeof(wchar_t));
  if (!remote) return {};
  item.*textField = reinterpret_cast<LPWSTR>(remote.Address(sizeof(Item)));
  const wchar_t empty = L'\0';
  if (!remote.Write(&item, sizeof(item)) || !remote.Write(&empty, sizeof(empty), sizeof(Item)) ||
      !BoundedSend(list, message, wParam, remote.Param())) {
    return {};
  }
  std::wstring text(kMaxListText, L'\0');
  if (!remote.Read(text.data(), text.size() * sizeof(wchar_t), sizeof(Item))) return {};
  text.resize(text.find(L'\0'));
  return text;
}

bool WriteBmp(const std::filesystem::path& path, const BITMAPINFOHEADER& header, const std::vector<BYTE>& pixels) {
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  platform::UniqueFile out(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) return false;
  auto write = [&](const void* data, DWORD bytes) {
    DWORD written = 0;
    return ::WriteFile(out.get(), data, bytes, &written, nullptr) && written == bytes;
  };
  return write(&file, sizeof(file)) && write(&header, sizeof(header)) &&
         write(pixels.data(), static_cast<DWORD>(pixels.size()));
}

}  // namespace

// --- Paths -----------------------------------------------------------------------------------

std::wstring WindowsPath(const std::string& path) {
  if (!path.empty() && path.front() == '/') {
    using ToDos = LPWSTR(__cdecl*)(LPCSTR);
    // Exported by Wine's kernel32 only; on Windows the build's paths are Windows paths already.
    if (auto toDos = reinterpret_cast<ToDos>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_dos_file_name")))) {
      if (LPWSTR dos = toDos(path.c_str())) {
        std::wstring converted = dos;
        ::HeapFree(::GetProcessHeap(), 0, dos);
        return converted;
      }
    }
  }
  return std::filesystem::path(path).make_preferred().wstring();
}

std::wstring VantoraExePath() { return WindowsPath(VANTORA_EXE_DIR "/vantora.exe"); }

bool RunningOnWine() { return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

bool On64BitSystem() {
  SYSTEM_INFO system{};
  ::GetNativeSystemInfo(&system);
  return system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
         system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_ARM64;
}

std::wstring SystemFolderPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH] = {};
  ::GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + name;
}

std::wstring NativeSystemFolderPath(const std::wstring& name) {
  return platform::ReachablePath(SystemFolderPath(name));
}

std::wstring Wow64FolderPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH] = {};
  if (::GetSystemWow64DirectoryW(folder, MAX_PATH) == 0) return {};
  return std::wstring(folder) + L"\\" + name;
}

std::optional<std::string> OutputOf(const std::wstring& commandLine, Duration timeout) {
  SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!::CreatePipe(&read, &write, &inherited, 0)) return std::nullopt;
  const platform::UniqueKernelHandle reader(read);
  platform::UniqueKernelHandle writer(write);
  ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = write;
  PROCESS_INFORMATION started{};
  std::wstring line = commandLine;
  if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &started))
    return std::nullopt;
  const platform::UniqueKernelHandle process(started.hProcess);
  ::CloseHandle(started.hThread);
  writer.reset();  // the pipe ends when the program's copy of it closes
  std::string output;
  std::thread drain([&] {
    char chunk[4096];
    DWORD got = 0;
    while (::ReadFile(read, chunk, sizeof(chunk), &got, nullptr) && got > 0) output.append(chunk, got);
  });
  const bool ended = ::WaitForSingleObject(process.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
  if (!ended) ::TerminateProcess(process.get(), 1);
  drain.join();
  if (!ended) return std::nullopt;
  return output;
}

std::wstring HelperExePath(const std::wstring& helperName) {
  return WindowsPath(VANTORA_EXE_DIR) + L"\\" + helperName + L".exe";
}

// --- Waiting -----------------------------------------------------------------------------------

bool WaitUntil(const std::function<bool()>& condition, Duration timeout, Duration step) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(step);
  }
}

// --- A program under test ----------------------------------------------------------------------

Process::Process(const std::wstring& exePath, const std::wstring& arguments) {
  // The job ends the program even when the test process dies without running its destructors.
  job_.reset(::CreateJobObjectW(nullptr, nullptr));
  if (job_) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!::SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits)))
      job_.reset();
  }
  std::wstring command = L"\"" + exePath + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  const std::wstring folder = std::filesystem::path(exePath).parent_path().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(exePath.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    ADD_FAILURE() << "cannot start " << testing::PrintToString(exePath) << ", error " << ::GetLastError();
    return;
  }
  if (job_ && !::AssignProcessToJobObject(job_.get(), info.hProcess)) job_.reset();
  ::ResumeThread(info.hThread);
  ::CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
}

Process::~Process() {
  if (Started()) Stop();
}

bool Process::Running() const { return Started() && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

std::vector<HWND> Process::TopLevelWindows() const {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{id_, {}};
  ::EnumWindows(
      [](HWND window, LPARAM context) WINAPI -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId && ClassOf(window) != L"IME") s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Process::FindTopLevel(const wchar_t* className, const wchar_t* caption) const {
  for (HWND window : TopLevelWindows()) {
    if (className && ClassOf(window) != className) continue;
    if (caption && TextOf(window) != caption) continue;
    return window;
  }
  return nullptr;
}

HWND Process::WaitForWindow(const wchar_t* className, const wchar_t* caption, Duration timeout) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindTopLevel(className, caption);
        return (found && ::IsWindowVisible(found)) || !Running();
      },
      timeout);
  return found && ::IsWindowVisible(found) ? found : nullptr;
}

HWND Process::WaitForMainWindow(Duration timeout) const {
  return WaitForWindow(kMainWindowClass, kMainWindowCaption, timeout);
}

HWND Process::WaitForMessageBox(const wchar_t* caption, Duration timeout) const {
  return WaitForWindow(kMessageBoxClass, caption, timeout);
}

std::optional<DWORD> Process::WaitForExit(Duration timeout) const {
  if (!Started() || ::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

DWORD Process::Stop(Duration grace) {
  if (!Started()) return kTerminatedExitCode;
  if (Running()) {
    // Vantora is closed through its main window; another program through its visible windows.
    if (HWND main = FindTopLevel(kMainWindowClass, kMainWindowCaption)) {
      ::PostMessageW(main, WM_CLOSE, 0, 0);
    } else {
      for (HWND window : TopLevelWindows())
        if (::IsWindowVisible(window)) ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (!WaitForExit(grace)) {
      ::TerminateProcess(process_.get(), kTerminatedExitCode);
      ::WaitForSingleObject(process_.get(), 10000);
    }
  }
  DWORD code = kTerminatedExitCode;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

// --- Windows and controls ----------------------------------------------------------------------

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  const int length = ::GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!BoundedSend(window, WM_GETTEXTLENGTH, 0, 0, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!BoundedSend(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied)) return {};
  text.resize(std::min<size_t>(copied, length));
  return text;
}

bool SetText(HWND window, const std::wstring& text) {
  DWORD_PTR accepted = 0;
  return BoundedSend(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &accepted) && accepted;
}

std::vector<HWND> FindChildren(HWND parent, const wchar_t* className, const wchar_t* caption) {
  std::vector<HWND> found;
  for (HWND child = ::FindWindowExW(parent, nullptr, className, caption); child;
       child = ::FindWindowExW(parent, child, className, caption)) {
    found.push_back(child);
  }
  return found;
}

HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* caption) {
  return ::FindWindowExW(parent, nullptr, className, caption);
}

HWND NearestAt(const std::vector<HWND>& windows, POINT topLeft) {
  HWND nearest = nullptr;
  int best = kCaptionRoom * 2 + 1;
  for (HWND w : windows) {
    const RECT r = RectInParent(w);
    const int dx = std::abs(r.left - topLeft.x), dy = std::abs(r.top - topLeft.y);
    if (dx <= kCaptionRoom && dy <= kCaptionRoom && dx + dy < best) {
      best = dx + dy;
      nearest = w;
    }
  }
  return nearest;
}

HWND ChildAt(HWND parent, const wchar_t* className, POINT topLeft) {
  return NearestAt(FindChildren(parent, className, nullptr), topLeft);
}

RECT RectInParent(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  if (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

SIZE ClientSize(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

bool Click(HWND button) { return ::PostMessageW(button, BM_CLICK, 0, 0) != 0; }

int CheckState(HWND button) {
  DWORD_PTR state = 0;
  return BoundedSend(button, BM_GETCHECK, 0, 0, &state) ? static_cast<int>(state) : -1;
}

// --- List views of another process --------------------------------------------------------------

int ListViewItemCount(HWND list) {
  DWORD_PTR count = 0;
  return BoundedSend(list, LVM_GETITEMCOUNT, 0, 0, &count) ? static_cast<int>(count) : -1;
}

std::wstring ListViewItemText(HWND list, int item, int subItem) {
  LVITEMW query{};
  query.iSubItem = subItem;
  query.cchTextMax = kMaxListText;
  return RemoteTextQuery(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), query, &LVITEMW::pszText);
}

int ListViewItemImage(HWND list, int item) {
  LVITEMW query{};
  query.mask = LVIF_IMAGE;
  query.iItem = item;
  RemoteBuffer remote(list, sizeof(query));
  DWORD_PTR ok = 0;
  if (!remote || !remote.Write(&query, sizeof(query)) || !BoundedSend(list, LVM_GETITEMW, 0, remote.Param(), &ok) ||
      !ok || !remote.Read(&query, sizeof(query)))
    return -1;
  return query.iImage;
}

std::vector<std::wstring> ListViewRows(HWND list) {
  std::vector<std::wstring> rows;
  for (int i = 0, count = ListViewItemCount(list); i < count; ++i) rows.push_back(ListViewItemText(list, i));
  return rows;
}

int ListViewColumnCount(HWND list) {
  DWORD_PTR header = 0, count = 0;
  if (!BoundedSend(list, LVM_GETHEADER, 0, 0, &header) || !header ||
      !BoundedSend(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, &count)) {
    return -1;
  }
  return static_cast<int>(count);
}

std::wstring ListViewColumnTitle(HWND list, int column) {
  LVCOLUMNW query{};
  query.mask = LVCF_TEXT;
  query.cchTextMax = kMaxListText;
  return RemoteTextQuery(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), query, &LVCOLUMNW::pszText);
}

int ListViewColumnWidth(HWND list, int column) {
  DWORD_PTR width = 0;
  return BoundedSend(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0, &width) ? static_cast<int>(width) : -1;
}

int ListViewSelectedIndex(HWND list) {
  DWORD_PTR index = 0;
  if (!BoundedSend(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED, &index)) return -1;
  return static_cast<int>(static_cast<INT_PTR>(index));
}

bool ClickListViewItem(HWND list, int item) {
  RemoteBuffer remote(list, sizeof(RECT));
  RECT rect{LVIR_LABEL, 0, 0, 0};
  DWORD_PTR ok = 0;
  if (!remote || !remote.Write(&rect, sizeof(rect)) ||
      !BoundedSend(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), remote.Param(), &ok) || !ok ||
      !remote.Read(&rect, sizeof(rect))) {
    return false;
  }
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  return ::PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point) && ::PostMessageW(list, WM_LBUTTONUP, 0, point);
}

// --- Message boxes -------------------------------------------------------------------------------

std::wstring MessageBoxText(HWND box) {
  // The message is the one static with text; the icon is a static without.
  for (HWND child : FindChildren(box, L"Static", nullptr)) {
    std::wstring text = TextOf(child);
    if (!text.empty()) return text;
  }
  return {};
}

bool AnswerMessageBox(HWND box, const wchar_t* buttonText) {
  HWND button = FindChild(box, L"Button", buttonText);
  return button && Click(button);
}

// --- Screenshots -------------------------------------------------------------------------------

std::wstring SaveScreenshot(HWND window, const std::wstring& fileName) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  BoundedSend(window, WM_NULL, 0, 0);
  std::this_thread::sleep_for(150ms);  // lets the X server show what was just drawn

  RECT r{};
  ::GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return {};

  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files store rows
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  header.biSizeImage = static_cast<DWORD>(stride * height);

  platform::WindowDc screen(nullptr);
  platform::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  void* bits = nullptr;
  platform::UniqueBitmap bitmap(
      ::CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!screen || !memory || !bitmap || !bits) return {};
  {
    platform::SelectRestorer select(memory.get(), bitmap.get());
    if (!::BitBlt(memory.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY)) return {};
  }
  ::GdiFlush();
  const auto* first = static_cast<const BYTE*>(bits);
  const std::vector<BYTE> pixels(first, first + header.biSizeImage);

  const std::filesystem::path folder = WindowsPath(VANTORA_SCREENSHOT_DIR);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::filesystem::path file = folder / fileName;
  return WriteBmp(file, header, pixels) ? file.wstring() : std::wstring();
}

// --- The mouse -------------------------------------------------------------------------------------

bool MouseAt(POINT screen, DWORD buttonFlags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = ::MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = ::MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  const bool sent = ::SendInput(1, &input, sizeof(input)) == 1;
  ::Sleep(40);
  return sent;
}

bool Drag(POINT from, POINT to, int steps) {
  bool sent = MouseAt(from) && MouseAt(from, MOUSEEVENTF_LEFTDOWN);
  for (int i = 1; sent && i <= steps; ++i)
    sent = MouseAt({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  return MouseAt(to, MOUSEEVENTF_LEFTUP) && sent;
}

}  // namespace e2e
