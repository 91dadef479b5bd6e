// The hook of a top-level window: it sees the window's messages before the program's own handling, its answer
// becomes the message's result, and draw requests of controls inside containers reach it too.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/TestWindow.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/ControlColors.h"
#include "ui/Controls.h"
#include "ui/WindowHooks.h"

namespace {

using wintest::Describe;
using wintest::TakeEvents;
using wintest::TestWindow;

struct Seen {
  HWND window;
  UINT message;
  WPARAM wParam;
  UINT drawnControl;  // WM_DRAWITEM: the control id the draw request names
};

// What the hook has seen, and what it answers for one message (kNotHandled for all others).
std::vector<Seen> seen;
UINT answeredMessage = 0;
LRESULT answer = ui::kNotHandled;

UINT DrawnControl(UINT message, LPARAM lParam) {
  return message == WM_DRAWITEM ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlID : 0;
}

LRESULT RecordingHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled) {
  seen.push_back({window, message, wParam, DrawnControl(message, lParam)});
  return message == answeredMessage ? answer : notHandled;
}

void ResetHook(UINT message, LRESULT result) {
  seen.clear();
  answeredMessage = message;
  answer = result;
}

bool HookSaw(UINT message) {
  for (const Seen& s : seen) {
    if (s.message == message) return true;
  }
  return false;
}

TEST(UiWindowHook, TheHooksAnswerIsTheResultAndStopsTheProgramsHandling) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
    LRESULT hookAnswer;
    LRESULT expectedResult;
    size_t expectedEvents;
  };
  const Case cases[] = {
      {"close answered", WM_CLOSE, 0, 0, 0, 0},
      {"close answered with 7", WM_CLOSE, 0, 7, 7, 0},
      {"close let through", WM_CLOSE, 0, ui::kNotHandled, 0, 1},
      {"menu command answered", WM_COMMAND, 52, 1, 1, 0},
      {"menu command let through", WM_COMMAND, 52, ui::kNotHandled, 0, 1},
      {"a private message answered", WM_APP + 3, 0, 1234, 1234, 0},
  };
  for (const Case& c : cases) {
    TestWindow window;
    ui::SetWindowHook(window.number(), RecordingHook);
    ResetHook(c.message, c.hookAnswer);
    LRESULT result = SendMessageW(window.handle(), c.message, c.wParam, 0);
    EXPECT_TRUE(HookSaw(c.message)) << c.name << ": the hook sees the message";
    EXPECT_EQ(result, c.expectedResult) << c.name;
    std::vector<ui::Event> events = TakeEvents();
    EXPECT_EQ(events.size(), c.expectedEvents) << c.name << ": " << Describe(events);
  }
}

TEST(UiWindowHook, TheHookComesBeforeTheControlsColours) {
  TestWindow window;
  HWND label = ui::CreateTextControl(760, 0, 0, 100, 20, L"Type");
  ASSERT_NE(label, nullptr);
  ui::SetControlColor(760, ui::kBackColor, RGB(68, 94, 138));
  HBRUSH hookBrush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  ui::SetWindowHook(window.number(), RecordingHook);
  ResetHook(WM_CTLCOLORSTATIC, reinterpret_cast<LRESULT>(hookBrush));
  HDC dc = GetDC(label);
  LRESULT result = SendMessageW(window.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(label));
  ReleaseDC(label, dc);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(result), hookBrush) << "the hook's brush, not the control's own colour";
  ui::SetControlColor(760, ui::kBackColor, static_cast<COLORREF>(-1));
}

TEST(UiWindowHook, EachWindowHasItsOwnHook) {
  TestWindow first;
  TestWindow second(wintest::kOtherTestWindow);
  ui::SetWindowHook(first.number(), RecordingHook);
  ResetHook(WM_CLOSE, 0);
  SendMessageW(second.handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(HookSaw(WM_CLOSE)) << "the first window's hook must not see the second window's messages";
  std::vector<ui::Event> events = TakeEvents();
  ASSERT_EQ(events.size(), 1u) << Describe(events);
  EXPECT_EQ(events[0].window, wintest::kOtherTestWindow);
}

// An owner-drawn button inside containers asks its parent to draw it; the top-level window's hook paints it.
LRESULT PaintingHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled) {
  seen.push_back({window, message, wParam, DrawnControl(message, lParam)});
  if (message != WM_DRAWITEM) return notHandled;
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(item->hDC, &item->rcItem, red);
  DeleteObject(red);
  return TRUE;
}

TEST(UiWindowHook, DrawRequestsInsideContainersReachTheTopLevelHook) {
  for (int depth = 1; depth <= 2; ++depth) {
    TestWindow window;
    std::vector<std::unique_ptr<ui::ChildList>> nested;
    for (int level = 0; level < depth; ++level) {
      HWND container = ui::CreateContainer(ui::kNewNumber, 0, 0, 200, 100, ui::ContainerBorder::None);
      ASSERT_NE(container, nullptr);
      nested.push_back(std::make_unique<ui::ChildList>(container));
    }
    HWND button = ui::CreateControlWindow(770, L"Button", L"", BS_OWNERDRAW, 0, 0, 0, 40, 35);
    ASSERT_NE(button, nullptr);
    ui::SetWindowHook(window.number(), PaintingHook);
    seen.clear();

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 35);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    COLORREF middle = GetPixel(dc, 20, 17);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);

    bool reached = false;
    for (const Seen& s : seen) {
      if (s.message != WM_DRAWITEM) continue;
      reached = true;
      EXPECT_EQ(s.window, window.handle()) << "depth " << depth << ": the hook is told its own window";
      EXPECT_EQ(s.drawnControl, 770u) << "depth " << depth << ": the request names the button";
    }
    EXPECT_TRUE(reached) << "depth " << depth << ": WM_DRAWITEM of a button in a container reaches the hook";
    EXPECT_EQ(middle, RGB(255, 0, 0)) << "depth " << depth << ": the hook's painting is the button's picture";
  }
}

TEST(UiWindowHook, TheDrawRequestsAnswerIsTheHooksAnswer) {
  TestWindow window;
  HWND container = ui::CreateContainer(771, 0, 0, 200, 100, ui::ContainerBorder::None);
  ASSERT_NE(container, nullptr);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = 772;
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;

  ResetHook(WM_DRAWITEM, 5);
  ui::SetWindowHook(window.number(), RecordingHook);
  EXPECT_EQ(SendMessageW(container, WM_DRAWITEM, 772, reinterpret_cast<LPARAM>(&item)), 5)
      << "WM_DRAWITEM sent to the container";
  ResetHook(WM_MEASUREITEM, 9);
  EXPECT_EQ(SendMessageW(container, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), 9)
      << "WM_MEASUREITEM sent to the container";
  ui::SetWindowHook(window.number(), nullptr);
  ResetHook(WM_DRAWITEM, 5);
  SendMessageW(container, WM_DRAWITEM, 772, reinterpret_cast<LPARAM>(&item));
  EXPECT_TRUE(seen.empty()) << "a window without hook calls nothing";
}

}  // namespace
