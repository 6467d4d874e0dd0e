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
// Creates or replaces the file.
void WriteFileBytes(const std::wstring& path, std::span<const uint8_t> bytes);

}  // namespace platform
