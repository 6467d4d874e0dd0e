#pragma once
// Under Wine a window of another process hands out no icon at all (the messages and the class
// icon do not cross processes), so the first icon of the program file that owns the window
// stands in. Each program file is looked up once and kept while it has windows listed.
#include <windows.h>

#include <map>
#include <string>

#include "platform/Processes.h"

namespace catalogue {

class ProgramIcons {
 public:
  // The program's icon for a window of another process (borrowed; valid until the program's last
  // listed window is gone); null when the program file has none or the process cannot be asked.
  HICON For(HWND window, bool large);
  // The same for the list's row: the file's image made for the rows' size, or its large icon
  // when that could not be read.
  HICON RowIcon(HWND window);

  // A rebuild marks what it asks for; what no listed window asked for is let go afterwards.
  // Row icons are of `rowSize` pixels; the programs kept take theirs anew when it changes.
  void BeginRebuild(int rowSize);
  void EndRebuild();

 private:
  struct Program {
    platform::FileIcons icons;
    platform::UniqueIcon row;
    bool used = false;
  };
  struct Known {
    Program* program;  // null: the process could not be asked, or its file has no icon
    bool used = false;
  };
  Program* ProgramOf(HWND window);
  Program* Find(HWND window);  // null for this process's windows and processes not to be asked

  int rowSize_ = 0;
  std::map<std::wstring, Program> programs_;  // by executable path
  std::map<DWORD, Known> processes_;          // by process id
  std::map<HWND, Known> windows_;             // by window
};

}  // namespace catalogue
