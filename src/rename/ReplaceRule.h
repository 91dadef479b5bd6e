#pragma once
// Replace-part mode: every occurrence of a part of the name, found without regard to the case of A to Z, is
// replaced by another text or removed. Window-free.

#include <string>
#include <string_view>

#include "rename/RenamePlan.h"

namespace renaming {

struct ReplaceCriteria {
  std::wstring part;          // S, exactly as typed
  std::wstring replacement;   // T; empty when only removing
};

// The criteria as the replace panel gives them: with the remove-only box ticked the replacement field is not read.
ReplaceCriteria ReplaceCriteriaFromFields(std::wstring part, std::wstring replacementText, bool removeOnly);

// Scans the name from left to right; wherever the next characters equal the part, with A to Z matching a to z and
// every other character (accented letters too) only itself, writes the replacement and goes on after them. Matches
// never overlap (aaa with aa and b gives ba). An empty part changes nothing.
std::wstring ReplaceCaseless(std::wstring_view name, std::wstring_view part, std::wstring_view replacement);

// The new name is formed from the row's name (column "Nom"), extension included; the log shows that name part of the
// full path. A part that does not occur gives the name unchanged, and the rename is still asked for.
RenamePlan PlanReplace(const ReplaceCriteria& criteria, const RenameRow& row);

// The mode has no running number: a success changes nothing.
inline void AdvanceAfterSuccess(ReplaceCriteria&) {}

}  // namespace renaming
