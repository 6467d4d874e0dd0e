#include "skin/portable/SkinLibrary.h"

#include <algorithm>
#include <cstdint>
#include <cwctype>
#include <map>

#include "skin/portable/BuiltInSkins.h"
#include "skin/portable/SkinFileParser.h"

namespace skin {
namespace {

std::optional<std::wstring> SkinName(const std::wstring& file) {
  if (file.size() <= kSkinFileExtension.size()) return std::nullopt;
  const size_t start = file.size() - kSkinFileExtension.size();
  for (size_t i = 0; i < kSkinFileExtension.size(); ++i)
    if (std::towlower(static_cast<wint_t>(file[start + i])) != static_cast<wint_t>(kSkinFileExtension[i]))
      return std::nullopt;
  return file.substr(0, start);
}

std::wstring Quoted(const std::wstring& name) { return L"'" + name + L"'"; }

// One skin file on its way to a palette.
struct Entry {
  std::wstring file;
  SkinDefinition definition;
  std::optional<Palette> palette;  // once resolved
  std::wstring error;              // once refused
};

Palette Completed(const SkinDefinition& definition, const Palette& base) {
  Palette palette = base;
  for (size_t i = 0; i < kColourRoleCount; ++i)
    if (definition.colours[i]) palette.*kColourRoles[i].colour = *definition.colours[i];
  return palette;
}

// A file without a base gives every colour itself.
std::optional<Palette> CompleteByItself(const SkinDefinition& definition, std::wstring& error) {
  for (size_t i = 0; i < kColourRoleCount; ++i) {
    if (!definition.colours[i]) {
      error = L"no colour for " + Quoted(std::wstring(kColourRoles[i].key.begin(), kColourRoles[i].key.end())) +
              L" and no base= to take it from";
      return std::nullopt;
    }
  }
  return Completed(definition, {});
}

std::wstring BaseFault(const SkinDefinition& definition, const wchar_t* what) {
  return LineMessage(definition.baseLine, L"base " + Quoted(definition.base) + what);
}
constexpr const wchar_t* kUnusableBase = L" is not a usable skin";
constexpr const wchar_t* kCycle = L" leads back to this skin";

// Follows the chain of bases from `start` to a skin whose palette is known (a built-in skin,
// a file resolved before, a file without base) or to a fault, then settles every file on the way.
void Resolve(std::map<std::wstring, Entry>& entries, Entry& start) {
  std::vector<Entry*> chain{&start};
  std::optional<Palette> palette;
  std::wstring fault;  // why the last file of the chain cannot get a palette
  size_t cycleStart = SIZE_MAX;
  while (true) {
    const SkinDefinition& definition = chain.back()->definition;
    if (definition.base.empty()) {
      palette = CompleteByItself(definition, fault);
      break;
    }
    if (const BuiltInSkin* builtIn = FindBuiltInSkin(definition.base)) {
      palette = Completed(definition, builtIn->palette);
      break;
    }
    const auto found = entries.find(definition.base);
    if (found == entries.end()) {
      fault = BaseFault(definition, L" is not a skin");
      break;
    }
    Entry& base = found->second;
    if (base.palette) {
      palette = Completed(definition, *base.palette);
      break;
    }
    if (!base.error.empty()) {
      fault = BaseFault(definition, kUnusableBase);
      break;
    }
    if (const auto seen = std::find(chain.begin(), chain.end(), &base); seen != chain.end()) {
      cycleStart = static_cast<size_t>(seen - chain.begin());
      fault = BaseFault(definition, kCycle);
      break;
    }
    chain.push_back(&base);
  }
  // Settle from the end of the chain back to its start: each file completes from the next one.
  for (size_t i = chain.size(); i-- > 0;) {
    Entry& entry = *chain[i];
    if (i + 1 < chain.size()) {
      const Entry& base = *chain[i + 1];
      if (base.palette) {
        palette = Completed(entry.definition, *base.palette);
      } else {
        palette.reset();
        fault = BaseFault(entry.definition, i >= cycleStart ? kCycle : kUnusableBase);
      }
    }
    entry.palette = palette;
    if (!palette) entry.error = fault;
  }
}

}  // namespace

SkinLibrary LoadSkins(const std::vector<SkinFile>& files) {
  SkinLibrary library;
  for (const BuiltInSkin& builtIn : kBuiltInSkins) library.skins.push_back({builtIn.name, builtIn.palette});

  std::map<std::wstring, Entry> entries;  // by skin name, so sorted
  for (const SkinFile& file : files) {
    const std::optional<std::wstring> name = SkinName(file.name);
    if (!name) continue;
    Entry entry{file.name, {}, std::nullopt, {}};
    if (!file.text) {
      entry.error = L"the file cannot be read";
    } else if (FindBuiltInSkin(*name)) {
      entry.error = L"a built-in skin has this name";
    } else {
      ParsedSkin parsed = ParseSkinText(*file.text);
      entry.definition = std::move(parsed.skin);
      entry.error = std::move(parsed.error);
    }
    entries.insert_or_assign(*name, std::move(entry));
  }
  for (auto& [name, entry] : entries) {
    if (!entry.palette && entry.error.empty()) Resolve(entries, entry);
    if (entry.palette)
      library.skins.push_back({name, *entry.palette});
    else
      library.problems.push_back({entry.file, entry.error});
  }
  return library;
}

std::wstring SkinProblemsMessage(const std::vector<SkinProblem>& problems) {
  if (problems.empty()) return {};
  std::wstring text = L"These skins could not be loaded and were left out:";
  const size_t named = std::min(problems.size(), kNamedSkinProblems);
  for (size_t i = 0; i < named; ++i) text += L"\r" + problems[i].file + L": " + problems[i].reason;
  if (const size_t more = problems.size() - named; more > 0)
    text += L"\r...and " + std::to_wstring(more) + (more == 1 ? L" more file." : L" more files.");
  return text;
}

}  // namespace skin
