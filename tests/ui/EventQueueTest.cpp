// The event queue: WaitEvent and PollEvent hand out events in the order they arose, DiscardEvents forgets them,
// and a quit request ends the waiting without being lost.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/TestWindow.h"
#include "ui/Controls.h"
#include "ui/WindowHooks.h"

namespace {

using wintest::Describe;
using wintest::TakeEvents;
using wintest::TestWindow;

ui::Event MenuEvent(int command) {
  ui::Event event;
  event.kind = ui::kMenuEvent;
  event.window = wintest::kTestWindow;
  event.command = command;
  return event;
}

using NextEvent = ui::Event (*)();
struct Taker {
  const char* name;
  NextEvent next;
};
const Taker kTakers[] = {{"WaitEvent", ui::WaitEvent}, {"PollEvent", ui::PollEvent}};

TEST(UiEventQueue, EventsComeOutInTheOrderTheyArose) {
  for (const Taker& taker : kTakers) {
    TestWindow window;
    HWND button = ui::CreateButtonControl(820, 0, 0, 80, 25, L"Renommer");
    ASSERT_NE(button, nullptr);
    ui::PostEvent(MenuEvent(1));
    ui::PostEvent(MenuEvent(2));
    // Window messages still in the thread's queue become events only as they are dispatched.
    PostMessageW(window.handle(), WM_COMMAND, 3, 0);
    PostMessageW(button, BM_CLICK, 0, 0);
    PostMessageW(window.handle(), WM_CLOSE, 0, 0);

    ui::Event events[5];
    for (ui::Event& event : events) event = taker.next();
    EXPECT_EQ(events[0].command, 1) << taker.name << ": first posted event";
    EXPECT_EQ(events[1].command, 2) << taker.name << ": second posted event";
    EXPECT_EQ(events[2].kind, ui::kMenuEvent) << taker.name;
    EXPECT_EQ(events[2].command, 3) << taker.name << ": the posted command";
    EXPECT_EQ(events[3].kind, ui::kControlEvent) << taker.name << ": then the click";
    EXPECT_EQ(events[3].control, 820) << taker.name;
    EXPECT_EQ(events[4].kind, ui::kCloseEvent) << taker.name << ": then the close request";
    EXPECT_EQ(events[4].window, window.number()) << taker.name;
    std::vector<ui::Event> rest = TakeEvents();
    EXPECT_TRUE(rest.empty()) << taker.name << ": nothing more, " << Describe(rest);
  }
}

int privateMessagesSeen = 0;
LRESULT CountingHook(HWND, UINT message, WPARAM, LPARAM, LRESULT notHandled) {
  if (message != WM_APP + 1) return notHandled;
  ++privateMessagesSeen;
  return 0;
}

TEST(UiEventQueue, PollEventWithNothingWaitingDispatchesTheMessagesAndReturnsNoEvent) {
  TestWindow window;
  ui::SetWindowHook(window.number(), CountingHook);
  privateMessagesSeen = 0;
  PostMessageW(window.handle(), WM_APP + 1, 0, 0);
  PostMessageW(window.handle(), WM_APP + 1, 0, 0);
  EXPECT_EQ(ui::PollEvent().kind, ui::kNoEvent) << "messages that are no events give nothing";
  EXPECT_EQ(privateMessagesSeen, 2) << "but they were dispatched to the window";
  EXPECT_EQ(ui::PollEvent().kind, ui::kNoEvent) << "nothing waiting at all";
}

TEST(UiEventQueue, DiscardEventsForgetsEveryWaitingEvent) {
  TestWindow window;
  ui::PostEvent(MenuEvent(5));
  SendMessageW(window.handle(), WM_CLOSE, 0, 0);
  SendMessageW(window.handle(), WM_COMMAND, 6, 0);
  ui::DiscardEvents();
  EXPECT_EQ(ui::PollEvent().kind, ui::kNoEvent) << "the queue is empty";
  ui::PostEvent(MenuEvent(7));
  ui::Event after = ui::PollEvent();
  EXPECT_EQ(after.command, 7) << "events after the discard still arrive";
}

TEST(UiEventQueue, AQuitRequestEndsTheWaitAndStaysForTheOuterLoop) {
  for (const Taker& taker : kTakers) {
    TestWindow window;
    ui::PostEvent(MenuEvent(8));
    PostQuitMessage(3);
    EXPECT_EQ(taker.next().command, 8) << taker.name << ": an event already waiting comes first";
    EXPECT_EQ(taker.next().kind, ui::kNoEvent) << taker.name << ": then the quit request";
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << taker.name << ": the quit request is kept for the loop outside";
    EXPECT_EQ(quit.wParam, 3u) << taker.name << ": with its exit code";
  }
}

}  // namespace
