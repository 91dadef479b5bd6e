#include "rename/RenameFields.h"

namespace renaming {

ChosenMode ChosenModeOf(const RenameFields& fields) {
  if (fields.renumberModeBox) return ChosenMode::Renumber;
  if (fields.replaceModeBox) return ChosenMode::Replace;
  if (fields.addModeBox) return ChosenMode::Add;
  return ChosenMode::None;
}

bool ChosenModeHasItsText(const RenameFields& fields) {
  switch (ChosenModeOf(fields)) {
    case ChosenMode::Renumber: return !fields.newNameText.empty();
    case ChosenMode::Replace: return !fields.partText.empty();
    case ChosenMode::Add: return !fields.addedText.empty();
    case ChosenMode::None: return false;
  }
  return false;
}

std::optional<RenameCriteria> CriteriaOf(const RenameFields& fields) {
  switch (ChosenModeOf(fields)) {
    case ChosenMode::Renumber:
      return RenumberCriteriaFromFields(fields.newNameText, fields.renumberIncrementText, fields.renumberStartText,
                                        fields.renumberSeparator);
    case ChosenMode::Replace:
      return ReplaceCriteriaFromFields(fields.partText, fields.replacementText, fields.removeOnly);
    case ChosenMode::Add:
      return AddCriteriaFromFields(fields.addedText, fields.addPosition, fields.numbering, fields.appendIncrementText,
                                   fields.appendStartText, fields.appendSeparator);
    case ChosenMode::None: return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace renaming
