// A file the wallpaper is asked to show: telling its format from its start and checking its
// header against its size must accept or refuse any bytes without reading past the start it is
// given, and a format it accepts must be the one the signature alone gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "shell/portable/PictureFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t startBytes = size < vantora::kPictureSignatureBytes ? size : vantora::kPictureSignatureBytes;
  const std::span<const unsigned char> start(data, startBytes);
  const auto sound = vantora::SoundPictureFormatOf(start, size);
  if (sound != vantora::PictureFormat::None && sound != vantora::PictureFormatOf(start)) std::abort();
  return 0;
}
