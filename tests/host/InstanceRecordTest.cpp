#include <gtest/gtest.h>

#include <array>

#include "platform/system/portable/InstanceRecord.h"

using namespace platform;

namespace {
std::array<std::byte, 8> Bytes(std::initializer_list<int> values) {
  std::array<std::byte, 8> out{};
  std::size_t i = 0;
  for (int v : values) out[i++] = static_cast<std::byte>(v);
  return out;
}
}  // namespace

TEST(InstanceRecord, PacksOwnerThenCountLittleEndian) {
  std::array<std::byte, 8> bytes{};
  EncodeInstanceRecord({0x00A1B2C3u, 1}, bytes);
  EXPECT_EQ(bytes, Bytes({0xC3, 0xB2, 0xA1, 0x00, 0x01, 0x00, 0x00, 0x00}));

  EncodeInstanceRecord({0xFFFFFFFEu, -2}, bytes);
  EXPECT_EQ(bytes, Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(InstanceRecord, DecodesWhatAnotherInstanceWrote) {
  const auto bytes = Bytes({0x34, 0x12, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x7F});
  const InstanceRecord record = DecodeInstanceRecord(bytes);
  EXPECT_EQ(record.ownerWindow, 0x00011234u);
  EXPECT_EQ(record.count, 0x7FFFFFFF);

  const InstanceRecord negative = DecodeInstanceRecord(Bytes({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(negative.count, -1);
}

TEST(InstanceRecord, RoundTripsExtremes) {
  const InstanceRecord cases[] = {{0, 0}, {0xFFFFFFFFu, INT32_MIN}, {0x80000000u, INT32_MAX}, {1, -1}};
  for (const InstanceRecord& original : cases) {
    std::array<std::byte, 8> bytes{};
    EncodeInstanceRecord(original, bytes);
    const InstanceRecord back = DecodeInstanceRecord(bytes);
    EXPECT_EQ(back.ownerWindow, original.ownerWindow);
    EXPECT_EQ(back.count, original.count);
  }
}

TEST(InstanceRecordName, DropsEveryBackslashAndKeepsCase) {
  EXPECT_EQ(InstanceRecordName(L"C:\\Tools\\Vantora\\Vantora.exe"), L"C:ToolsVantoraVantora.exe");
  EXPECT_EQ(InstanceRecordName(L"c:\\tools\\vantora\\VANTORA.EXE"), L"c:toolsvantoraVANTORA.EXE");
  EXPECT_EQ(InstanceRecordName(L"\\\\server\\share\\a b\\V.exe"), L"serversharea bV.exe");
}
