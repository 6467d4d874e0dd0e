#include "skin/portable/SkinFileParser.h"

namespace skin {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kQuotedLength = 40;

// The keys besides the colours, numbered after them.
enum OtherKey : std::size_t { kBase = kColourRoleCount, kDescription, kFormat, kKeyCount };
constexpr std::string_view kOtherKeys[] = {"base", "description", "format"};

std::optional<std::size_t> KeyIndex(std::string_view key) {
  for (std::size_t i = 0; i < kColourRoleCount; ++i)
    if (kColourRoles[i].key == key) return i;
  for (std::size_t i = 0; i < std::size(kOtherKeys); ++i)
    if (kOtherKeys[i] == key) return kColourRoleCount + i;
  return std::nullopt;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF) into the platform's
// wide characters, UTF-16 where wchar_t has 16 bits.
std::optional<std::wstring> DecodeUtf8(std::string_view text) {
  std::wstring wide;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || i + length > text.size()) return std::nullopt;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    if (sizeof(wchar_t) == 2 && code >= 0x10000) {
      wide += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
      wide += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      wide += static_cast<wchar_t>(code);
    }
    i += length;
  }
  return wide;
}

// A piece of an already checked line, quoted for a message and cut short when long.
std::wstring Quoted(std::string_view piece) {
  std::wstring text = DecodeUtf8(piece).value_or(L"?");
  if (text.size() > kQuotedLength) {
    text.resize(kQuotedLength);
    if (text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
    text += L"...";
  }
  return L"'" + text + L"'";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<Rgb> ParseColour(std::string_view value) {
  if (value.size() != 7 || value[0] != '#') return std::nullopt;
  std::uint8_t parts[3];
  for (int i = 0; i < 3; ++i) {
    const int high = HexDigit(value[1 + 2 * i]), low = HexDigit(value[2 + 2 * i]);
    if (high < 0 || low < 0) return std::nullopt;
    parts[i] = static_cast<std::uint8_t>(high * 16 + low);
  }
  return Rgb{parts[0], parts[1], parts[2]};
}

// Why the raw line cannot be read as text, or empty.
std::wstring UnreadableLine(std::string_view line) {
  if (line.size() > kMaxSkinLineBytes) return L"longer than " + std::to_wstring(kMaxSkinLineBytes) + L" bytes";
  for (char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\t') || byte == 0x7F)
      return L"control character " + std::to_wstring(byte) + L" in the text";
  }
  if (!DecodeUtf8(line)) return L"not UTF-8 text";
  return {};
}

}  // namespace

std::wstring LineMessage(int line, const std::wstring& what) {
  return line > 0 ? L"line " + std::to_wstring(line) + L": " + what : what;
}

ParsedSkin ParseSkinText(std::string_view text) {
  ParsedSkin result;
  if (text.size() > kMaxSkinFileBytes) {
    result.error = L"larger than " + std::to_wstring(kMaxSkinFileBytes) + L" bytes";
    return result;
  }
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

  std::array<int, kKeyCount> givenOn{};
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const auto fail = [&result, number](const std::wstring& what) {
      result.error = LineMessage(number, what);
      return result;
    };

    if (std::wstring unreadable = UnreadableLine(line); !unreadable.empty()) return fail(unreadable);
    line = Trimmed(line);
    if (line.empty() || line.front() == '#') continue;
    const std::size_t equals = line.find('=');
    const std::string_view key = Trimmed(line.substr(0, equals));
    if (equals == std::string_view::npos || key.empty()) return fail(L"expected key=value");
    const std::string_view value = Trimmed(line.substr(equals + 1));

    const std::optional<std::size_t> index = KeyIndex(key);
    if (!index) return fail(Quoted(key) + L" is not a skin key");
    if (givenOn[*index] != 0)
      return fail(Quoted(key) + L" given again (first on line " + std::to_wstring(givenOn[*index]) + L")");
    givenOn[*index] = number;

    if (*index < kColourRoleCount) {
      result.skin.colours[*index] = ParseColour(value);
      if (!result.skin.colours[*index]) return fail(Quoted(value) + L" is not a colour (#RRGGBB)");
    } else if (*index == kBase) {
      if (value.empty()) return fail(L"base= names no skin");
      result.skin.base = *DecodeUtf8(value);
      result.skin.baseLine = number;
    } else if (*index == kDescription) {
      result.skin.description = *DecodeUtf8(value);
    } else if (value != "1") {
      return fail(L"format " + Quoted(value) + L" is not one this program reads (1)");
    }
  }
  return result;
}

}  // namespace skin
