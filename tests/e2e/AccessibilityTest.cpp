// What a screen reader or an automation tool finds in the program, through Active Accessibility from this other
// process, and what a click that comes without a pointer move does on the task pane.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/ListFilling.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/Requesters.h"

namespace e2e {
namespace {

// mingw-w64's oleacc import library gives a thunk for IID_IAccessible, not the GUID.
constexpr IID kAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct Element {
  long id = 0;
  std::wstring name;
  long role = 0;
  long state = 0;
  std::wstring action;
  RECT place{};
  bool isObject = false;
};

VARIANT Child(long id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::wstring TakeText(BSTR text) {
  std::wstring taken = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  SysFreeString(text);
  return taken;
}

Element Describe(IAccessible* object, long id) {
  Element element;
  element.id = id;
  VARIANT child = Child(id);
  BSTR text = nullptr;
  if (object->get_accName(child, &text) == S_OK) element.name = TakeText(text);
  VARIANT value;
  VariantInit(&value);
  if (object->get_accRole(child, &value) == S_OK && value.vt == VT_I4) element.role = value.lVal;
  VariantInit(&value);
  if (object->get_accState(child, &value) == S_OK && value.vt == VT_I4) element.state = value.lVal;
  text = nullptr;
  if (object->get_accDefaultAction(child, &text) == S_OK) element.action = TakeText(text);
  long x = 0, y = 0, w = 0, h = 0;
  if (object->accLocation(&x, &y, &w, &h, child) == S_OK) element.place = {x, y, x + w, y + h};
  return element;
}

// The object of a window's client area, from this process; null when the window gives none.
IAccessible* ClientObject(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return object;
}

// The children, by AccessibleChildren as screen readers take them.
std::vector<Element> Children(IAccessible* object) {
  long count = 0;
  object->get_accChildCount(&count);
  std::vector<VARIANT> found(static_cast<size_t>(count > 0 ? count : 0));
  long obtained = 0;
  std::vector<Element> children;
  if (count <= 0 || FAILED(AccessibleChildren(object, 0, count, found.data(), &obtained))) return children;
  for (long i = 0; i < obtained; ++i) {
    VARIANT& entry = found[static_cast<size_t>(i)];
    if (entry.vt == VT_I4) {
      children.push_back(Describe(object, entry.lVal));
    } else {
      Element window;
      window.isObject = entry.vt == VT_DISPATCH;
      children.push_back(window);
    }
    VariantClear(&entry);
  }
  return children;
}

HWND PaneCanvas(const RunningProgram& program) {
  HWND frame = program.Control(base::kTaskPane);
  return frame ? FindWindowExW(frame, nullptr, L"TarvelleScrollCanvas", nullptr) : nullptr;
}

class AccessibilityTest : public FreshRunTest {
 protected:
  void SetUp() override {
    FreshRunTest::SetUp();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    canvas = PaneCanvas(Program());
    ASSERT_NE(canvas, nullptr);
    pane = ClientObject(canvas);
    ASSERT_NE(pane, nullptr) << "the task pane answers for its client area";
  }
  void TearDown() override {
    if (pane) pane->Release();
    CoUninitialize();
    FreshRunTest::TearDown();
  }

  Element PaneChild(const std::wstring& name) {
    for (const Element& child : Children(pane)) {
      if (child.name == name) return child;
    }
    ADD_FAILURE() << "no child named " << testing::PrintToString(name);
    return {};
  }

  HWND canvas = nullptr;
  IAccessible* pane = nullptr;
};

TEST_F(AccessibilityTest, ScreenReadersFindThePanesHeadersAndLinksTheBannerAndThePictureButtons) {
  std::vector<Element> children = Children(pane);
  std::vector<std::wstring> names;
  for (const Element& child : children) names.push_back(child.isObject ? L"[fenêtre]" : child.name);
  const std::vector<std::wstring> expected = {L"Sélection de fichiers", L"[fenêtre]",
                                              L"Ajouter un ou plusieurs fichiers", L"Ajouter un répertoire complet",
                                              L"Explorateur système", L"[fenêtre]"};
  EXPECT_EQ(names, expected) << "headers, links and the two host areas, in the pane's order";

  RECT paneArea;
  GetWindowRect(GetParent(canvas), &paneArea);
  for (const Element& child : children) {
    if (child.isObject) continue;
    const bool header = child.name == L"Sélection de fichiers" || child.name == L"Explorateur système";
    EXPECT_EQ(child.role, header ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_LINK) << testing::PrintToString(child.name);
    if (header) {
      EXPECT_TRUE(child.state & STATE_SYSTEM_EXPANDED) << "open groups say so";
      EXPECT_EQ(child.action, L"Réduire");
    } else {
      EXPECT_EQ(child.action, L"Cliquer");
    }
    RECT meet;
    EXPECT_TRUE(IntersectRect(&meet, &child.place, &paneArea) && EqualRect(&meet, &child.place))
        << testing::PrintToString(child.name) << " lies inside the pane";
  }

  struct Named {
    int control;
    long role;
    const wchar_t* name;
  } const named[] = {{base::kAboutButton, 0, L"A propos..."},
                     {base::kOpenFolderButton, 0, L"Explorer ce dossier"},
                     {base::kBannerImage, ROLE_SYSTEM_STATICTEXT, nullptr}};
  for (const Named& n : named) {
    IAccessible* object = ClientObject(Program().Control(n.control));
    ASSERT_NE(object, nullptr) << "control " << n.control;
    Element self = Describe(object, CHILDID_SELF);
    object->Release();
    if (n.name) {
      EXPECT_EQ(self.name, n.name) << "control " << n.control << " is named by its tooltip";
    } else {
      EXPECT_NE(self.name.find(L"Nous sommes le "), std::wstring::npos) << "the banner reads the greeting";
      EXPECT_EQ(self.role, n.role);
    }
  }
}

TEST_F(AccessibilityTest, ALinksDefaultActionRunsItsCommandAndAHeaderFolds) {
  ASSERT_TRUE(ChooseType(Program(), L"JPG"));
  Element link = PaneChild(L"Ajouter un ou plusieurs fichiers");
  ASSERT_EQ(pane->accDoDefaultAction(Child(link.id)), S_OK);
  HWND requester = nullptr;
  ASSERT_TRUE(WaitForDialog(Program().ProcessId(), L"Sélectionnez un fichier il sera ajouté à la liste", &requester));
  ASSERT_TRUE(CancelDialog(requester));

  Element header = PaneChild(L"Sélection de fichiers");
  ASSERT_EQ(pane->accDoDefaultAction(Child(header.id)), S_OK);
  EXPECT_TRUE(WaitUntil([&] { return (Describe(pane, header.id).state & STATE_SYSTEM_COLLAPSED) != 0; },
                        kReactionLimit))
      << "the group folded";
  std::vector<std::wstring> names;
  for (const Element& child : Children(pane)) names.push_back(child.isObject ? L"[fenêtre]" : child.name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Sélection de fichiers", L"Explorateur système", L"[fenêtre]"}))
      << "what folded away is no child any more";
}

TEST_F(AccessibilityTest, AClickThatComesWithoutAPointerMoveActsOnTheLinkOnce) {
  ASSERT_TRUE(ChooseType(Program(), L"JPG"));
  Element link = PaneChild(L"Ajouter un ou plusieurs fichiers");
  POINT middle{(link.place.left + link.place.right) / 2, (link.place.top + link.place.bottom) / 2};
  ASSERT_TRUE(PlacePointer({middle.x + 600, middle.y}));  // far from the pane
  ScreenToClient(canvas, &middle);
  PostMessageW(canvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
  PostMessageW(canvas, WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
  HWND requester = nullptr;
  ASSERT_TRUE(WaitForDialog(Program().ProcessId(), L"Sélectionnez un fichier il sera ajouté à la liste", &requester));
  ASSERT_TRUE(CancelDialog(requester));
  EXPECT_FALSE(WaitForDialog(Program().ProcessId(), L"Sélectionnez un fichier il sera ajouté à la liste", &requester,
                             Milliseconds(1500)))
      << "the command ran once";
}

}  // namespace
}  // namespace e2e
