#include "icons/portable/PeLayout.h"

#include <algorithm>

namespace icons {
namespace {

constexpr uint16_t kDosSignature = 0x5A4D;     // "MZ"
constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr uint16_t kPe32 = 0x10B, kPe32Plus = 0x20B;
constexpr uint32_t kResourceDirectory = 2, kSecurityDirectory = 4;

}  // namespace

std::optional<PeLayout> ReadPeLayout(ByteView headers) {
  const auto dos = ReadAt<uint16_t>(headers, 0);
  const auto peAt = ReadAt<uint32_t>(headers, 0x3C);
  if (!dos || *dos != kDosSignature || !peAt) return std::nullopt;
  const auto signature = ReadAt<uint32_t>(headers, *peAt);
  const auto file = ReadAt<PeFileHeader>(headers, size_t{*peAt} + 4);
  if (!signature || *signature != kPeSignature || !file) return std::nullopt;

  const size_t optionalAt = size_t{*peAt} + 4 + sizeof(PeFileHeader);
  const auto magic = ReadAt<uint16_t>(headers, optionalAt);
  if (!magic || (*magic != kPe32 && *magic != kPe32Plus)) return std::nullopt;
  const size_t countAt = optionalAt + (*magic == kPe32 ? 92 : 108);
  const auto directories = ReadAt<uint32_t>(headers, countAt);
  if (!directories || countAt + 4 > optionalAt + file->sizeOfOptionalHeader) return std::nullopt;

  PeLayout layout{0, 0, {0, 0}};
  const auto directory = [&](uint32_t index) {
    return ReadAt<PeDataDirectory>(headers, countAt + 4 + index * sizeof(PeDataDirectory));
  };
  if (*directories > kResourceDirectory) {
    const auto resources = directory(kResourceDirectory);
    if (!resources) return std::nullopt;
    layout.resources = *resources;
  }
  if (*directories > kSecurityDirectory) {
    const auto security = directory(kSecurityDirectory);
    if (!security) return std::nullopt;
    layout.certificateSize = security->size;
  }
  const size_t sectionsAt = optionalAt + file->sizeOfOptionalHeader;
  layout.sectionsEnd = sectionsAt + size_t{file->numberOfSections} * sizeof(PeSectionHeader);
  for (size_t i = 0; i < file->numberOfSections; ++i) {
    const auto section = ReadAt<PeSectionHeader>(headers, sectionsAt + i * sizeof(PeSectionHeader));
    if (!section) return std::nullopt;
    if (section->sizeOfRawData != 0)
      layout.sectionsEnd = std::max(layout.sectionsEnd, uint64_t{section->pointerToRawData} + section->sizeOfRawData);
  }
  return layout;
}

}  // namespace icons
