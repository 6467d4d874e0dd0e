#include "catalogue/ProgramIcons.h"

namespace catalogue {

ProgramIcons::Entry* ProgramIcons::Find(HWND window) {
  // A window keeps its process: only a window not seen before is asked for it.
  auto known = windows_.find(window);
  if (known == windows_.end()) known = windows_.emplace(window, Known{ProgramOf(window)}).first;
  known->second.used = true;
  Entry* program = known->second.program;
  if (program) program->second.used = true;
  return program;
}

HICON ProgramIcons::For(HWND window, bool large) {
  Entry* found = Find(window);
  if (!found || !found->second.row) return nullptr;
  auto& [path, program] = *found;
  if (!program.icons) program.icons = platform::FirstFileIcons(path);
  const platform::FileIcons& icons = *program.icons;
  // A file with a large icon only serves the small size too, as a window's own icons do.
  return large ? icons.large.get() : (icons.small ? icons.small.get() : icons.large.get());
}

HICON ProgramIcons::RowIcon(HWND window) {
  const Entry* found = Find(window);
  return found ? found->second.row.get() : nullptr;
}

ProgramIcons::Entry* ProgramIcons::ProgramOf(HWND window) {
  const DWORD processId = platform::WindowProcessId(window);
  if (processId == 0 || processId == ::GetCurrentProcessId()) return nullptr;
  auto found = processes_.find(processId);
  if (found == processes_.end()) {
    Entry* program = nullptr;
    if (const auto path = platform::ProcessImagePath(processId)) {
      auto [entry, added] = programs_.try_emplace(*path);
      if (added) entry->second.row = platform::FirstFileIconOfSize(*path, rowSize_);
      program = &*entry;
    }
    found = processes_.emplace(processId, Known{program}).first;
  }
  found->second.used = true;
  return found->second.program;
}

void ProgramIcons::BeginRebuild(int rowSize) {
  if (rowSize != rowSize_) {
    rowSize_ = rowSize;
    for (auto& [path, program] : programs_)
      if (program.row) program.row = platform::FirstFileIconOfSize(path, rowSize);
  }
  for (auto& [window, entry] : windows_) entry.used = false;
  for (auto& [id, process] : processes_) process.used = false;
  for (auto& [path, program] : programs_) program.used = false;
}

void ProgramIcons::EndRebuild() {
  std::erase_if(windows_, [](const auto& entry) { return !entry.second.used; });
  std::erase_if(processes_, [](const auto& entry) { return !entry.second.used; });
  std::erase_if(programs_, [](const auto& entry) { return !entry.second.used; });
}

}  // namespace catalogue
