#include "rename/ReplaceRule.h"

#include <utility>

#include "base/PathParts.h"

namespace renaming {

namespace {

// The caseless comparison of the C library in its default locale: only A to Z fold.
wchar_t FoldAsciiCase(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + (L'a' - L'A')) : c; }

bool MatchesAt(std::wstring_view name, size_t at, std::wstring_view part) {
  if (name.size() - at < part.size()) return false;
  for (size_t k = 0; k < part.size(); ++k) {
    if (FoldAsciiCase(name[at + k]) != FoldAsciiCase(part[k])) return false;
  }
  return true;
}

}  // namespace

ReplaceCriteria ReplaceCriteriaFromFields(std::wstring part, std::wstring replacementText, bool removeOnly) {
  return ReplaceCriteria{std::move(part), removeOnly ? std::wstring() : std::move(replacementText)};
}

std::wstring ReplaceCaseless(std::wstring_view name, std::wstring_view part, std::wstring_view replacement) {
  if (part.empty()) return std::wstring(name);
  std::wstring result;
  size_t i = 0;
  while (i < name.size()) {
    if (MatchesAt(name, i, part)) {
      result += replacement;
      i += part.size();
    } else {
      result += name[i];
      ++i;
    }
  }
  return result;
}

RenamePlan PlanReplace(const ReplaceCriteria& criteria, const RenameRow& row) {
  std::wstring newName = ReplaceCaseless(row.name, criteria.part, criteria.replacement);
  std::wstring newPath = base::FolderPart(row.fullPath) + newName;
  return RenamePlan{std::move(newName), std::move(newPath), base::NamePart(row.fullPath)};
}

}  // namespace renaming
