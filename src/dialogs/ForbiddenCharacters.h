#pragma once
// The forbidden-characters window: a topmost tool window that lists, in fourteen lines, the characters file names
// may not contain, with a "Fermer" button. It runs an event loop of its own until it is closed; meanwhile the
// program's other windows keep their platform behaviour (typing, ticking, selecting) but none of the program's
// reactions to them runs: their events are taken and dropped. Its keys are a dialog box's: Tab leaves the text box
// for the button, Enter presses the focused button and Escape closes the window.

#include <string>
#include <vector>

namespace dialogs {

// The text of the window, line by line, runs of spaces included: they align the characters in a column.
std::vector<std::wstring> ForbiddenCharactersLines();

// Opens the window centred over the active window, runs its loop and returns once it is closed, by "Fermer" or by
// a close request to any window of the program. When the window cannot be created it returns at once.
void ShowForbiddenCharacters();

}  // namespace dialogs
