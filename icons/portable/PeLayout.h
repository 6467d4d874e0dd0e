#pragma once
// Where the sections of a Portable Executable end, and whether anything follows them. Rewriting
// the resources of an executable keeps only its headers and sections: an installer payload or
// a signature appended after them would be lost.
#include <cstdint>
#include <optional>

#include "icons/portable/IconFormats.h"

namespace icons {

#pragma pack(push, 1)
struct PeFileHeader {  // after the "PE\0\0" signature
  uint16_t machine;
  uint16_t numberOfSections;
  uint32_t timeDateStamp;
  uint32_t pointerToSymbolTable;
  uint32_t numberOfSymbols;
  uint16_t sizeOfOptionalHeader;
  uint16_t characteristics;
};
struct PeSectionHeader {
  char name[8];
  uint32_t virtualSize;
  uint32_t virtualAddress;
  uint32_t sizeOfRawData;
  uint32_t pointerToRawData;
  uint32_t pointerToRelocations;
  uint32_t pointerToLinenumbers;
  uint16_t numberOfRelocations;
  uint16_t numberOfLinenumbers;
  uint32_t characteristics;
};
struct PeDataDirectory {
  uint32_t address;
  uint32_t size;
};
#pragma pack(pop)
static_assert(sizeof(PeFileHeader) == 20);
static_assert(sizeof(PeSectionHeader) == 40);
static_assert(sizeof(PeDataDirectory) == 8);

struct PeLayout {
  uint64_t sectionsEnd;       // file offset just past the last section's raw data
  uint32_t certificateSize;   // the security directory: a signature stored after the sections
  PeDataDirectory resources;  // where the headers say the resource directory lies; empty for none
  bool HasResources() const { return resources.address != 0 && resources.size != 0; }
  bool TrailingData(uint64_t fileSize) const { return fileSize > sectionsEnd || certificateSize != 0; }
  // The file ends before its last section does.
  bool Truncated(uint64_t fileSize) const { return fileSize < sectionsEnd; }
};

// Nothing when the bytes are not a PE image whose headers lie inside them. Only the headers
// are needed: the first few kilobytes of the file are enough.
std::optional<PeLayout> ReadPeLayout(ByteView headers);

}  // namespace icons
