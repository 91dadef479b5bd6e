#include "ui/Containers.h"

#include "ui/ChildList.h"
#include "ui/Objects.h"
#include "ui/WindowClasses.h"
#include "ui/WindowScaling.h"

namespace ui {

HWND CreateContainer(int number, int x, int y, int width, int height, ContainerBorder border) {
  HWND parent = CurrentParent();
  if (!parent || !RegisterWindowClasses()) return nullptr;
  int id = ReserveControlNumber(number);
  if (id < 0) return nullptr;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  switch (border) {
    case ContainerBorder::Flat: style |= WS_BORDER; break;
    case ContainerBorder::StaticEdge: exStyle |= WS_EX_STATICEDGE; break;
    case ContainerBorder::Raised: exStyle |= WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME; break;
    case ContainerBorder::Sunken: exStyle |= WS_EX_CLIENTEDGE; break;
    case ContainerBorder::None: break;
  }
  const base::LayoutBox box = PixelBox(x, y, width, height);
  HWND container = CreateWindowExW(exStyle, kContainerClass, L"", style, box.x, box.y, box.width, box.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
  if (!container) return nullptr;
  RememberDesignBox(container, x, y, width, height);
  RegisterControl(id, container);
  return container;
}

}  // namespace ui
