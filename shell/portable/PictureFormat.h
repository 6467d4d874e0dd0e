#pragma once
// What kind of picture a file holds, told from its first bytes: the wallpaper accepts only the
// picture kinds its file dialog offers.
#include <cstddef>
#include <span>

namespace vantora {

enum class PictureFormat { None, Png, Gif, Jpeg, Bitmap, Icon, EnhancedMetafile, Metafile };

// How many bytes from the start of a file PictureFormatOf needs at most.
inline constexpr std::size_t kPictureSignatureBytes = 64;

// The format whose signature the bytes carry, or None (also for a file too short to tell).
PictureFormat PictureFormatOf(std::span<const unsigned char> start);

}  // namespace vantora
