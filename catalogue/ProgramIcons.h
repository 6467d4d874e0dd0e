#pragma once
// Under Wine a window of another process hands out no icon at all (the messages and the class
// icon do not cross processes), so the first icon of the program file that owns the window
// stands in. Each program file is looked up once and kept while it has windows listed: its
// picture for the list's rows at once, its icons at the system's sizes when first asked.
#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "platform/system/Processes.h"

namespace catalogue {

class ProgramIcons {
 public:
  // The program's icon for a window of another process (borrowed; valid until the program's last
  // listed window is gone); null when the program file has none or the process cannot be asked.
  HICON For(HWND window, bool large);
  // The same for the list's row: the file's image made for the rows' size.
  HICON RowIcon(HWND window);

  // A rebuild marks what it asks for; what no listed window asked for is let go afterwards.
  // Row icons are of `rowSize` pixels; the programs kept take theirs anew when it changes.
  void BeginRebuild(int rowSize);
  void EndRebuild();

 private:
  struct Program {
    platform::UniqueIcon row;  // empty: the file has no icon
    std::optional<platform::FileIcons> icons;
    bool used = false;
  };
  using Entry = std::map<std::wstring, Program>::value_type;  // the program by its file's path
  struct Known {
    Entry* program;  // null: the process could not be asked
    bool used = false;
  };
  Entry* ProgramOf(HWND window);
  Entry* Find(HWND window);  // null for this process's windows and processes not to be asked

  int rowSize_ = 0;
  std::map<std::wstring, Program> programs_;  // by executable path
  std::map<DWORD, Known> processes_;          // by process id
  std::map<HWND, Known> windows_;             // by window
};

}  // namespace catalogue
