// Icon files as the program reads them from disk: the reader must refuse or accept any bytes
// without reading outside them, and every image it accepts must lie inside the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "icons/portable/IcoFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const icons::ByteView file(data, size);
  const auto ico = icons::ReadIco(file);
  if (!ico) return 0;
  if (ico->images.empty()) std::abort();
  unsigned sum = 0;
  for (const auto& image : ico->images) {
    if (image.bytes.data() < data || image.bytes.data() + image.bytes.size() > data + size) std::abort();
    for (uint8_t byte : image.bytes) sum += byte;  // the sanitizer sees any read past the end
    if (!icons::InspectIconImage(image.bytes)) std::abort();
  }
  return static_cast<int>(sum & 0);
}
