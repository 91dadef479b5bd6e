#pragma once
// "Renommer": the request is checked and confirmed, then the chosen mode renames the listed files.

namespace renaming {

// An empty list is refused; then the user confirms; then the texts of the chosen mode are checked, a refusal putting
// the focus in the field at fault; then the mode runs. With no mode box ticked nothing follows the confirmation.
void StartRename();

}  // namespace renaming
