#pragma once
// Values of the whole run that several commands share.

namespace app {

// Set to 1 by "Quitter" and by closing the main window; the event loop then ends.
inline int QuitRequested = 0;

// Numbers of the six button icons, given when they are loaded.
struct ButtonIcons {
  int rename = -1;
  int clear = -1;
  int remove = -1;
  int help = -1;
  int quit = -1;
  int characters = -1;
};
inline ButtonIcons LoadedButtonIcons;

}  // namespace app
