#pragma once
// Renumber mode: every file gets one common new name, an optional `_` and a running number, and keeps its
// extension (Vacances_1.JPG, Vacances_2.JPG, Vacances_3.txt). Window-free.

#include <cstdint>
#include <string>
#include <string_view>

#include "rename/RenamePlan.h"

namespace renaming {

struct RenumberCriteria {
  std::wstring newName;             // N, exactly as typed
  std::wstring incrementText;       // read again after every successful rename
  std::int32_t runningNumber = 0;   // R
  bool separator = false;           // `_` between N and R
};

// The criteria as the renumber panel's fields give them; R starts at `TextValue32` of the start field.
RenumberCriteria RenumberCriteriaFromFields(std::wstring newName, std::wstring incrementText,
                                            std::wstring_view startText, bool separator);

// N, `_` when the separator is on, the decimal text of R, `.`, the extension of the path (the dot also when the
// extension is empty: README becomes Vacances_1.).
std::wstring RenumberNewName(const RenumberCriteria& criteria, std::wstring_view fullPath);

// The new name in the row's folder; the log shows the old name with its extension.
RenamePlan PlanRenumber(const RenumberCriteria& criteria, const RenameRow& row);

// After a successful rename R grows by the increment (wrapping in 32 bits); after a failure it stays, so the next row
// tries the same number.
void AdvanceAfterSuccess(RenumberCriteria& criteria);

}  // namespace renaming
