#pragma once
// The three rename modes behind one type, so that the rename pass handles any of them the same way. Window-free.

#include <cstdint>
#include <variant>

#include "rename/AddToNameRule.h"
#include "rename/RenamePlan.h"
#include "rename/RenumberRule.h"
#include "rename/ReplaceRule.h"

namespace renaming {

// The criteria of one pass, read once when it starts; the running number inside them moves on as files succeed.
using RenameCriteria = std::variant<RenumberCriteria, ReplaceCriteria, AddCriteria>;

// The rename the mode asks for one row.
RenamePlan PlanRename(const RenameCriteria& criteria, const RenameRow& row);

// The running number the next row would get; 0 for a mode without one.
std::int32_t RunningNumberOf(const RenameCriteria& criteria);
// The same criteria with the running number at `number`: what the pass had in hand when it reached a given row.
RenameCriteria WithRunningNumber(RenameCriteria criteria, std::int32_t number);

// The mode's success step, run after a successful rename and never after a failure.
void AdvanceAfterSuccess(RenameCriteria& criteria);

}  // namespace renaming
