#pragma once
// Add-to-name mode: a text is added before or after the base name, optionally with `_`, optionally followed by `_`
// and a running number, and the extension is kept (2024_IMG_0001.JPG, IMG_0001_2024_1.JPG). Window-free.

#include <cstdint>
#include <string>
#include <string_view>

#include "rename/RenamePlan.h"

namespace renaming {

// Where the added text goes. None: neither option is selected; the request is refused before any pass starts.
enum class AddPosition { AtStart, AtEnd, None };

// The at-start option is looked at first, then the at-end option.
AddPosition AddPositionFromOptions(bool atStartSelected, bool atEndSelected);

struct AddCriteria {
  std::wstring addedText;                  // X, exactly as typed
  AddPosition position = AddPosition::None;
  bool numbering = false;                  // `_` and R after the core
  std::wstring incrementText;              // read again after every successful rename
  std::int32_t runningNumber = 0;          // R
  bool separator = false;                  // `_` between X and the base name
};

// The criteria as the append panel's fields give them; R starts at `TextValue32` of the start field.
AddCriteria AddCriteriaFromFields(std::wstring addedText, AddPosition position, bool numbering,
                                  std::wstring incrementText, std::wstring_view startText, bool separator);

// X [`_`] base name at start, or base name [`_`] X at end; then `_` and R when numbering is on (whatever the
// separator); then `.` and the extension, the dot also when the extension is empty (README becomes README_old.).
// None is refused before a pass; should it come here all the same, the text goes at the end, so nothing is lost.
std::wstring AddToNameNewName(const AddCriteria& criteria, std::wstring_view fullPath);

// The new name in the row's folder; the log shows the base name, without its extension.
RenamePlan PlanAddToName(const AddCriteria& criteria, const RenameRow& row);

// With numbering on, R grows by the increment (wrapping in 32 bits) after a successful rename; otherwise nothing.
void AdvanceAfterSuccess(AddCriteria& criteria);

}  // namespace renaming
