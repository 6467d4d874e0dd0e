#pragma once
// The single-instance guard: one running copy per executable path. The copies meet in a small
// named record (owner window, count) that lives as long as one of them holds it.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/system/SharedMemory.h"

class InstanceGuard {
 public:
  // `recordName` names the shared record; the program uses ProgramRecordName().
  explicit InstanceGuard(std::wstring recordName);
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;
  // Orderly shutdown: a counted instance gives its place back before the record is released.
  ~InstanceGuard();

  // Claims a place for this process, whose application window is `applicationWindow`. Returns
  // true when `maximumInstances` copies already run: the last one to claim the record is then
  // restored and brought to the foreground, and this process must end. Throws
  // platform::Win32Error when the record cannot be created.
  bool ActivatePreviousInstance(HWND applicationWindow, int maximumInstances);

  // The application window of a running copy that claimed the record, or null when none runs.
  // Claims nothing.
  static HWND RunningInstance(const std::wstring& recordName);

  // False once the guard refused this process: it then never gives a place back.
  bool InstanceCounted() const noexcept { return counted_; }

 private:
  std::wstring name_;
  std::optional<platform::SharedMemory> record_;
  bool counted_ = true;
};

// The record name of the running executable: its full path without backslashes.
std::wstring ProgramRecordName();

// The text of the error box shown when the record cannot be created.
std::wstring SystemErrorText(DWORD code);
