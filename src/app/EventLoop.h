#pragma once
// The event loop: one event at a time, routed by the three tables of app/EventLoop.cpp, until QuitRequested.

#include "ui/Events.h"

namespace app {

void RouteEvent(const ui::Event& event);
void RunEventLoop();

// "Quitter" and the main window's close box.
void RequestQuit();

}  // namespace app
