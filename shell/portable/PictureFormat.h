#pragma once
// What kind of picture a file holds, told from its first bytes: the wallpaper takes only the
// kinds the system shows as one.
#include <cstddef>
#include <cstdint>
#include <span>

namespace vantora {

enum class PictureFormat { None, Png, Gif, Jpeg, Bitmap, Icon, EnhancedMetafile, Metafile };

// How many bytes from the start of a file PictureFormatOf needs at most.
inline constexpr std::size_t kPictureSignatureBytes = 64;

// The format whose signature the bytes carry, or None (also for a file too short to tell).
PictureFormat PictureFormatOf(std::span<const unsigned char> start);

// The largest picture taken: a side of at most this many pixels...
inline constexpr std::uint32_t kMaxPictureSide = 32768;
// ... and at most this many pixels in all (256 MiB at 32 bits per pixel, as much as a 32-bit
// process can hope to hold once).
inline constexpr std::uint64_t kMaxPicturePixels = 64ull * 1024 * 1024;

// PictureFormatOf, and None also when the header the start declares does not fit a file of
// `fileSize` bytes (a bitmap whose rows run past its end, an icon directory cut short) or
// declares a size beyond the limits above (bitmaps, PNG and GIF; JPEG keeps its size further
// in and is taken by its signature).
PictureFormat SoundPictureFormatOf(std::span<const unsigned char> start, std::uint64_t fileSize);

}  // namespace vantora
