#include "rename/RenameRequest.h"

#include "base/Numbers.h"
#include "rename/FileNameText.h"

namespace renaming {

namespace {

RenameDecision Refuse(const wchar_t* text, int focusControl) {
  return RenameDecision{RenameStep::ShowMessage, RenameMessage{kRefusalTitle, text, focusControl}};
}

RenameDecision Run(RenameStep step) { return RenameDecision{step, {}}; }

RenameDecision DecideRenumber(const RenameFields& request) {
  if (request.newNameText.empty()) return Refuse(kMissingNewNameText, base::kNewNameField);
  if (!IsValidFileNameText(request.newNameText)) return Refuse(kForbiddenCharactersText, base::kNewNameField);
  return Run(RenameStep::RunRenumber);
}

// The part is only required, never checked for forbidden characters: it names what is in the names already.
RenameDecision DecideReplace(const RenameFields& request) {
  if (request.partText.empty()) return Refuse(kMissingPartText, base::kPartField);
  if (request.removeOnly) return Run(RenameStep::RunReplace);
  if (request.replacementText.empty()) return Refuse(kMissingReplacementText, base::kReplacementField);
  if (!IsValidFileNameText(request.replacementText)) return Refuse(kForbiddenCharactersText, base::kReplacementField);
  return Run(RenameStep::RunReplace);
}

RenameDecision DecideAdd(const RenameFields& request) {
  if (request.addedText.empty()) return Refuse(kMissingNewNameText, base::kAddedTextField);
  if (!IsValidFileNameText(request.addedText)) return Refuse(kForbiddenCharactersText, base::kAddedTextField);
  if (request.addPosition == AddPosition::None) {
    return RenameDecision{RenameStep::ShowMessage, MissingAddPositionRefusal()};
  }
  return Run(RenameStep::RunAdd);
}

}  // namespace

std::optional<RenameMessage> EmptyListRefusal(int rowCount) {
  if (rowCount > 0) return std::nullopt;
  return RenameMessage{kRefusalTitle, kEmptyListText, kFocusUnchanged};
}

RenameMessage CancelledByUserMessage() { return RenameMessage{kCancelledTitle, kCancelledText, kFocusUnchanged}; }

RenameMessage MissingAddPositionRefusal() {
  return RenameMessage{kRefusalTitle, kMissingAddPositionText, base::kAtStartOption};
}

RenameDecision DecideConfirmedRename(const RenameFields& request) {
  switch (ChosenModeOf(request)) {
    case ChosenMode::Renumber: return DecideRenumber(request);
    case ChosenMode::Replace: return DecideReplace(request);
    case ChosenMode::Add: return DecideAdd(request);
    case ChosenMode::None: break;
  }
  return RenameDecision{};
}

}  // namespace renaming
