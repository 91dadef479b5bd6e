#include "rename/RenameModes.h"

#include <type_traits>

namespace renaming {

namespace {

RenamePlan PlanFor(const RenumberCriteria& criteria, const RenameRow& row) { return PlanRenumber(criteria, row); }
RenamePlan PlanFor(const ReplaceCriteria& criteria, const RenameRow& row) { return PlanReplace(criteria, row); }
RenamePlan PlanFor(const AddCriteria& criteria, const RenameRow& row) { return PlanAddToName(criteria, row); }

template <typename Criteria>
concept Numbered = requires(Criteria criteria) { criteria.runningNumber; };

}  // namespace

std::int32_t RunningNumberOf(const RenameCriteria& criteria) {
  return std::visit(
      [](const auto& modeCriteria) -> std::int32_t {
        if constexpr (Numbered<std::decay_t<decltype(modeCriteria)>>) return modeCriteria.runningNumber;
        return 0;
      },
      criteria);
}

RenameCriteria WithRunningNumber(RenameCriteria criteria, std::int32_t number) {
  std::visit(
      [number](auto& modeCriteria) {
        if constexpr (Numbered<std::decay_t<decltype(modeCriteria)>>) modeCriteria.runningNumber = number;
      },
      criteria);
  return criteria;
}

RenamePlan PlanRename(const RenameCriteria& criteria, const RenameRow& row) {
  return std::visit([&row](const auto& modeCriteria) { return PlanFor(modeCriteria, row); }, criteria);
}

void AdvanceAfterSuccess(RenameCriteria& criteria) {
  std::visit([](auto& modeCriteria) { AdvanceAfterSuccess(modeCriteria); }, criteria);
}

}  // namespace renaming
