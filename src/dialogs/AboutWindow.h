#pragma once
// The About window (number 64): the program's name and version, a picture, a short notice and two links, one to
// the maker's website and one that starts a mail to the support address. It has no event loop of its own: the
// main event loop serves its links and its close button. While it is open the main window is disabled, so it
// behaves as a modal window and only one exists at a time. Its keys are a dialog box's: Tab goes from link to link
// and to the close button, which has the focus when the window opens; Enter presses the focused one, and Escape
// closes the window as the close button does.

namespace dialogs {

// Opens the window centred on the screen, disables the main window and returns. When the window cannot be
// created nothing changes.
void ShowAboutWindow();

// The close button (76) and a close request for window 64 (Alt+F4: the window has no close box): the main window
// is enabled again and the About window closed.
void CloseAboutWindow();

}  // namespace dialogs
