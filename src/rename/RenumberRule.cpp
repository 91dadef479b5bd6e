#include "rename/RenumberRule.h"

#include <utility>

#include "base/PathParts.h"
#include "rename/NumberText.h"

namespace renaming {

RenumberCriteria RenumberCriteriaFromFields(std::wstring newName, std::wstring incrementText,
                                            std::wstring_view startText, bool separator) {
  return RenumberCriteria{std::move(newName), std::move(incrementText), TextValue32(startText), separator};
}

std::wstring RenumberNewName(const RenumberCriteria& criteria, std::wstring_view fullPath) {
  std::wstring name = criteria.newName;
  if (criteria.separator) name += L'_';
  name += DecimalText(criteria.runningNumber);
  name += L'.';
  name += base::FileExtension(fullPath);
  return name;
}

RenamePlan PlanRenumber(const RenumberCriteria& criteria, const RenameRow& row) {
  std::wstring newName = RenumberNewName(criteria, row.fullPath);
  std::wstring newPath = base::FolderPart(row.fullPath) + newName;
  return RenamePlan{std::move(newName), std::move(newPath), base::NamePart(row.fullPath)};
}

void AdvanceAfterSuccess(RenumberCriteria& criteria) {
  criteria.runningNumber = WrappingAdd(criteria.runningNumber, TextValue32(criteria.incrementText));
}

}  // namespace renaming
