#include "rename/StartRename.h"

#include <optional>
#include <utility>

#include "base/Numbers.h"
#include "filelist/FileList.h"
#include "rename/RenameFieldsReading.h"
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
  const RenameFields fields = ReadRenameFields();
  RenameDecision decision = DecideConfirmedRename(fields);
  switch (decision.step) {
    case RenameStep::ShowMessage: Show(decision.message); break;
    case RenameStep::RunRenumber:
    case RenameStep::RunReplace:
    case RenameStep::RunAdd:
      if (std::optional<RenameCriteria> criteria = CriteriaOf(fields)) RenamePass(std::move(*criteria));
      break;
    case RenameStep::Nothing: break;
  }
}

}  // namespace renaming
