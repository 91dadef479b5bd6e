#include "rename/StartRename.h"

#include "base/Numbers.h"
#include "filelist/FileList.h"
#include "rename/AddToNameRule.h"
#include "rename/RenamePass.h"
#include "rename/RenameRequest.h"
#include "ui/Controls.h"
#include "ui/MessageBoxes.h"

namespace renaming {

namespace {

void Show(const RenameMessage& message) {
  ui::ShowMessage(message.title, message.text, ui::MessageIcon::Exclamation);
  if (message.focusControl != kFocusUnchanged) ui::FocusControl(message.focusControl);
}

RenameRequest ReadRequest() {
  RenameRequest request;
  request.rowCount = filelist::FileRowCount();
  request.replaceModeBox = ui::IsControlChecked(base::kReplaceModeBox);
  request.renumberModeBox = ui::IsControlChecked(base::kRenumberModeBox);
  request.addModeBox = ui::IsControlChecked(base::kAppendModeBox);
  request.newNameText = ui::ControlText(base::kNewNameField);
  request.partText = ui::ControlText(base::kPartField);
  request.replacementText = ui::ControlText(base::kReplacementField);
  request.addedText = ui::ControlText(base::kAddedTextField);
  request.removeOnly = ui::IsControlChecked(base::kRemoveOnlyBox);
  request.addPosition =
      AddPositionFromOptions(ui::IsControlChecked(base::kAtStartOption), ui::IsControlChecked(base::kAtEndOption));
  return request;
}

}  // namespace

void StartRename() {
  if (auto refusal = EmptyListRefusal(filelist::FileRowCount())) {
    Show(*refusal);
    return;
  }
  if (ui::ShowMessage(kConfirmRenameTitle, kConfirmRenameText, ui::MessageIcon::Exclamation, MB_YESNO) != IDYES) {
    Show(CancelledByUserMessage());
    return;
  }
  RenameDecision decision = DecideConfirmedRename(ReadRequest());
  switch (decision.step) {
    case RenameStep::ShowMessage: Show(decision.message); break;
    case RenameStep::RunRenumber: RenumberFiles(); break;
    case RenameStep::RunReplace: ReplaceInNames(); break;
    case RenameStep::RunAdd: AddToNames(); break;
    case RenameStep::Nothing: break;
  }
}

}  // namespace renaming
