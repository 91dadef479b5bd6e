#include "rename/RenameModes.h"

namespace renaming {

namespace {

RenamePlan PlanFor(const RenumberCriteria& criteria, const RenameRow& row) { return PlanRenumber(criteria, row); }
RenamePlan PlanFor(const ReplaceCriteria& criteria, const RenameRow& row) { return PlanReplace(criteria, row); }
RenamePlan PlanFor(const AddCriteria& criteria, const RenameRow& row) { return PlanAddToName(criteria, row); }

}  // namespace

RenamePlan PlanRename(const RenameCriteria& criteria, const RenameRow& row) {
  return std::visit([&row](const auto& modeCriteria) { return PlanFor(modeCriteria, row); }, criteria);
}

void AdvanceAfterSuccess(RenameCriteria& criteria) {
  std::visit([](auto& modeCriteria) { AdvanceAfterSuccess(modeCriteria); }, criteria);
}

}  // namespace renaming
