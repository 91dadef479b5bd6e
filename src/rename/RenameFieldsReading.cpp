#include "rename/RenameFieldsReading.h"

#include "base/Numbers.h"
#include "ui/Controls.h"

namespace renaming {

RenameFields ReadRenameFields() {
  RenameFields fields;
  fields.replaceModeBox = ui::IsControlChecked(base::kReplaceModeBox);
  fields.renumberModeBox = ui::IsControlChecked(base::kRenumberModeBox);
  fields.addModeBox = ui::IsControlChecked(base::kAppendModeBox);
  fields.partText = ui::ControlText(base::kPartField);
  fields.replacementText = ui::ControlText(base::kReplacementField);
  fields.removeOnly = ui::IsControlChecked(base::kRemoveOnlyBox);
  fields.newNameText = ui::ControlText(base::kNewNameField);
  fields.renumberIncrementText = ui::ControlText(base::kRenumberIncrementField);
  fields.renumberStartText = ui::ControlText(base::kRenumberStartField);
  fields.renumberSeparator = ui::IsControlChecked(base::kRenumberSeparatorBox);
  fields.addedText = ui::ControlText(base::kAddedTextField);
  fields.addPosition =
      AddPositionFromOptions(ui::IsControlChecked(base::kAtStartOption), ui::IsControlChecked(base::kAtEndOption));
  fields.numbering = ui::IsControlChecked(base::kNumberingBox);
  fields.appendIncrementText = ui::ControlText(base::kAppendIncrementField);
  fields.appendStartText = ui::ControlText(base::kAppendStartField);
  fields.appendSeparator = ui::IsControlChecked(base::kAppendSeparatorBox);
  return fields;
}

}  // namespace renaming
