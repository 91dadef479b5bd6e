#pragma once
// How an event finds its operation: three tables, by control number, by command number and by window number.
// Window-free: the tables themselves are in app/EventLoop.cpp.

#include <span>

namespace app {

using Action = void (*)();

inline constexpr int kAnyEventType = -1;

struct ControlRoute {
  int control;
  int window;     // the window the control belongs to (for the reader: control numbers are unique)
  int eventType;  // kAnyEventType, or the one event type the row serves
  Action action;  // null: the operation is not part of the program yet; the event is ignored
};

struct MenuRoute {
  int command;
  Action action;
};

struct CloseRoute {
  int window;
  Action action;
};

// The first row with the control number that serves the event type decides; an event no row serves is ignored.
// So one control can have a row per event type (a right click and the Menu key each open a menu of their own).
inline Action FindControlAction(std::span<const ControlRoute> routes, int control, int eventType) {
  for (const ControlRoute& route : routes) {
    if (route.control != control) continue;
    if (route.eventType != kAnyEventType && route.eventType != eventType) continue;
    return route.action;
  }
  return nullptr;
}

inline Action FindMenuAction(std::span<const MenuRoute> routes, int command) {
  for (const MenuRoute& route : routes) {
    if (route.command == command) return route.action;
  }
  return nullptr;
}

inline Action FindCloseAction(std::span<const CloseRoute> routes, int window) {
  for (const CloseRoute& route : routes) {
    if (route.window == window) return route.action;
  }
  return nullptr;
}

}  // namespace app
