#include "rename/AddToNameRule.h"

#include <utility>

#include "base/PathParts.h"
#include "rename/NumberText.h"

namespace renaming {

AddPosition AddPositionFromOptions(bool atStartSelected, bool atEndSelected) {
  if (atStartSelected) return AddPosition::AtStart;
  if (atEndSelected) return AddPosition::AtEnd;
  return AddPosition::None;
}

AddCriteria AddCriteriaFromFields(std::wstring addedText, AddPosition position, bool numbering,
                                  std::wstring incrementText, std::wstring_view startText, bool separator) {
  return AddCriteria{std::move(addedText), position, numbering, std::move(incrementText), TextValue32(startText),
                     separator};
}

std::wstring AddToNameNewName(const AddCriteria& criteria, std::wstring_view fullPath) {
  std::wstring base = base::BaseName(fullPath);
  std::wstring joint = criteria.separator ? L"_" : L"";
  std::wstring name = criteria.position == AddPosition::AtStart ? criteria.addedText + joint + base
                                                                : base + joint + criteria.addedText;
  if (criteria.numbering) name += L'_' + DecimalText(criteria.runningNumber);
  name += L'.';
  name += base::FileExtension(fullPath);
  return name;
}

RenamePlan PlanAddToName(const AddCriteria& criteria, const RenameRow& row) {
  std::wstring newName = AddToNameNewName(criteria, row.fullPath);
  std::wstring newPath = base::FolderPart(row.fullPath) + newName;
  return RenamePlan{std::move(newName), std::move(newPath), base::BaseName(row.fullPath)};
}

void AdvanceAfterSuccess(AddCriteria& criteria) {
  if (criteria.numbering) {
    criteria.runningNumber = WrappingAdd(criteria.runningNumber, TextValue32(criteria.incrementText));
  }
}

}  // namespace renaming
