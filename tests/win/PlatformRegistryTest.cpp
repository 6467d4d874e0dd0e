#include <windows.h>

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/system/Registry.h"

using namespace platform;

namespace {

const wchar_t kTestRoot[] = L"Software\\VantoraTest";

class RegistryKeyTest : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot); }

  // What the registry itself holds, read without our wrapper.
  static std::wstring RawString(const std::wstring& path, const std::wstring& name) {
    wchar_t buffer[512] = {};
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
      return L"<missing>";
    return buffer;
  }
};

}  // namespace

TEST_F(RegistryKeyTest, CreateMakesNestedKeysAndStringsRoundTrip) {
  const std::wstring path = std::wstring(kTestRoot) + L"\\Kestrel Test\\Vantora";
  EXPECT_FALSE(RegistryKey::Exists(HKEY_CURRENT_USER, path));
  RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, path);
  EXPECT_TRUE(RegistryKey::Exists(HKEY_CURRENT_USER, path));

  const std::wstring value = L"C:\\Programme\\Vantöra 日本\\Vantora.exe";
  key.WriteString(L"FilePath", value);
  EXPECT_EQ(RawString(path, L"FilePath"), value);
  EXPECT_TRUE(key.HasValue(L"FilePath"));
  EXPECT_EQ(key.ReadString(L"FilePath"), std::optional<std::wstring>(value));

  key.WriteString(L"Empty", L"");
  EXPECT_EQ(key.ReadString(L"Empty"), std::optional<std::wstring>(L""));

  auto reopened = RegistryKey::Open(HKEY_CURRENT_USER, path);
  ASSERT_TRUE(reopened);
  EXPECT_EQ(reopened->ReadString(L"FilePath"), std::optional<std::wstring>(value));
}

TEST_F(RegistryKeyTest, MissingKeysAndValuesAreReportedAsMissing) {
  EXPECT_FALSE(RegistryKey::Exists(HKEY_CURRENT_USER, std::wstring(kTestRoot) + L"\\Nowhere"));
  EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, std::wstring(kTestRoot) + L"\\Nowhere"));
  RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kTestRoot);
  EXPECT_FALSE(key.HasValue(L"Vantora"));
  EXPECT_EQ(key.ReadString(L"Vantora"), std::nullopt);
  EXPECT_FALSE(key.DeleteValue(L"Vantora"));
}

TEST_F(RegistryKeyTest, DeleteValueRemovesItFromTheRegistry) {
  RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kTestRoot);
  key.WriteString(L"Vantora", L"\"C:\\Program Files\\Vantora\\Vantora.exe\"");
  ASSERT_NE(RawString(kTestRoot, L"Vantora"), L"<missing>");
  EXPECT_TRUE(key.DeleteValue(L"Vantora"));
  EXPECT_EQ(RawString(kTestRoot, L"Vantora"), L"<missing>");
  EXPECT_FALSE(key.HasValue(L"Vantora"));
}

TEST_F(RegistryKeyTest, NonStringValueIsATypeErrorNamingTheValue) {
  RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kTestRoot);
  const DWORD number = 7;
  ASSERT_EQ(
      RegSetValueExW(key.get(), L"Window Title", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number)),
      ERROR_SUCCESS);
  EXPECT_TRUE(key.HasValue(L"Window Title"));
  try {
    key.ReadString(L"Window Title");
    ADD_FAILURE() << "a DWORD value read as a string";
  } catch (const RegistryTypeError& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'Window Title'");
  }
}

TEST_F(RegistryKeyTest, StringsStoredWithoutTerminatorReadWhole) {
  RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kTestRoot);
  const wchar_t raw[] = {L'a', L'b', L'c'};
  ASSERT_EQ(RegSetValueExW(key.get(), L"Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(raw), sizeof(raw)),
            ERROR_SUCCESS);
  EXPECT_EQ(key.ReadString(L"Raw"), std::optional<std::wstring>(L"abc"));
}

TEST_F(RegistryKeyTest, CreateUnderAnInvalidRootThrowsWithTheSystemCode) {
  try {
    RegistryKey::Create(reinterpret_cast<HKEY>(0x1234), L"Child");
    ADD_FAILURE() << "created a key under an invalid root";
  } catch (const Win32Error& e) {
    EXPECT_EQ(e.code(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  }
}
