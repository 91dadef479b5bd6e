#pragma once
// Containers: child windows that hold controls, drawn in their colour (ui/ControlColors.h), whose controls'
// notifications become events as a top-level window's do.

#include <windows.h>

namespace ui {

enum class ContainerBorder { None, Flat, StaticEdge, Raised, Sunken };

// Creates a container under the current parent (ui/ChildList.h); its controls go into it inside a
// ui::ChildList of it. Returns null on failure.
HWND CreateContainer(int number, int x, int y, int width, int height, ContainerBorder border);

}  // namespace ui
