// Entry point: start-up (given the command line's paths), the event loop and the exit live in app/Program.
#include <windows.h>

#include "app/Program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return app::RunProgram();
}
