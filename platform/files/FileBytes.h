#pragma once
// Whole files in and out, with the file layer's messages: "Cannot open file "<path>". <reason>"
// and "Cannot create file "<path>". <reason>", thrown as exceptions that reach the standard
// error box.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// At most `limit` bytes from the start of the file; its whole size in `fileSize` when asked.
std::vector<uint8_t> ReadFileBytes(const std::wstring& path, size_t limit = SIZE_MAX, uint64_t* fileSize = nullptr);
// Creates or replaces the file whole (see FileReplacement): on failure the file is as it was.
void WriteFileBytes(const std::wstring& path, std::span<const uint8_t> bytes);

// Throws the file layer's message for `action` ("Cannot create file") with the system's text
// for `code`, a Win32 error code taken at the failing call, and `more` after it.
[[noreturn]] void ThrowFileError(const wchar_t* action, const std::wstring& path, unsigned long code,
                                 const std::wstring& more = {});

}  // namespace platform
