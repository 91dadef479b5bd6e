#include "ui/ChildList.h"

#include <algorithm>
#include <vector>

#include "ui/Objects.h"
#include "ui/TopLevelWindows.h"

namespace ui {

namespace {

constexpr const wchar_t* kChildHostProperty = L"TarvelleChildHost";

struct OpenList {
  const ChildList* list;
  HWND parent;
  HWND window;  // the newest top-level window as the list opened: a window opened later takes the controls
};

std::vector<OpenList>& OpenLists() {
  static std::vector<OpenList> lists;
  return lists;
}

HWND HolderOf(int controlNumber) {
  HWND control = ControlHandle(controlNumber);
  HWND host = control ? static_cast<HWND>(GetPropW(control, kChildHostProperty)) : nullptr;
  return host ? host : control;
}

}  // namespace

ChildList::ChildList(HWND parent) { OpenLists().push_back({this, parent, NewestTopLevelWindow()}); }

ChildList::ChildList(int controlNumber) : ChildList(HolderOf(controlNumber)) {}

ChildList::~ChildList() {
  std::erase_if(OpenLists(), [this](const OpenList& open) { return open.list == this; });
}

HWND CurrentParent() {
  HWND window = NewestTopLevelWindow();
  const auto& lists = OpenLists();
  for (auto open = lists.rbegin(); open != lists.rend() && open->window == window; ++open) {
    if (!open->parent) return nullptr;
    if (IsWindow(open->parent)) return open->parent;
  }
  return window;
}

void SetChildHost(HWND control, HWND childHost) { SetPropW(control, kChildHostProperty, childHost); }

}  // namespace ui
