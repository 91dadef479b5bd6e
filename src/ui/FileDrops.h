#pragma once
// Files dragged from Windows Explorer, or any program that offers files, dropped anywhere on a window of the
// program: the platform's drag and drop (an OLE drop target), with the copy cursor while files are over the window
// and the "no" cursor while the window takes no input (a pass, a modal box). Nothing is moved or copied: the
// dropped paths are handed over (ui/ArrivingPaths.h) with the event `command`.

namespace ui {

// Needs OLE started on this thread. False when the window does not exist or the platform refuses.
bool AcceptFileDrops(int windowNumber, int command);
// Before the window goes.
void StopFileDrops(int windowNumber);

}  // namespace ui
