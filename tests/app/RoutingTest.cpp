#include "app/Routing.h"

#include <gtest/gtest.h>

#include "base/Numbers.h"
#include "ui/EventCodes.h"

namespace {

using base::kFileList;
using base::kMainWindow;
using base::kOpenFolderButton;
using base::kPlacesBox;
using base::kQuitButton;
using ui::kChange;
using ui::kMenuKey;
using ui::kRightClick;

int lastCalled = 0;
void First() { lastCalled = 1; }
void Second() { lastCalled = 2; }
void Third() { lastCalled = 3; }

const app::ControlRoute kRoutes[] = {
    {kPlacesBox, kMainWindow, kChange, First},
    {kFileList, kMainWindow, kRightClick, Second},
    {kFileList, kMainWindow, app::kAnyEventType, Third},  // the file list's other types
    {kFileList, kMainWindow, kRightClick, First},         // never reached: the first row serving the type decides
    {kQuitButton, kMainWindow, app::kAnyEventType, Third},
    {kOpenFolderButton, kMainWindow, app::kAnyEventType, nullptr},
};

TEST(ControlRouting, TheFirstRowWithTheNumberThatServesTheTypeDecides) {
  struct Case {
    int control;
    int type;
    app::Action expected;
  };
  const Case cases[] = {
      {kPlacesBox, kChange, First},
      {kPlacesBox, 0, nullptr},
      {kFileList, kRightClick, Second},
      {kFileList, 0, Third},
      {kFileList, kMenuKey, Third},
      {kQuitButton, 0, Third},
      {kQuitButton, kChange, Third},
      {kOpenFolderButton, 0, nullptr},
      {99, 0, nullptr},
      {-1, 0, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app::FindControlAction(kRoutes, c.control, c.type), c.expected)
        << "control " << c.control << " type " << c.type;
  }
}

TEST(MenuAndCloseRouting, FindTheirRowsByNumberOnly) {
  const app::MenuRoute menus[] = {{base::kAddFilesCommand, First}, {base::kAddFolderCommand, Second},
                                  {base::kExplorerAdd, nullptr}};
  EXPECT_EQ(app::FindMenuAction(menus, base::kAddFilesCommand), First) << "command 5";
  EXPECT_EQ(app::FindMenuAction(menus, base::kAddFolderCommand), Second) << "command 6";
  EXPECT_EQ(app::FindMenuAction(menus, base::kExplorerAdd), nullptr) << "a row without its operation yet";
  EXPECT_EQ(app::FindMenuAction(menus, 1), nullptr) << "an unlisted command is ignored";

  const app::CloseRoute closes[] = {{base::kAboutWindow, First}, {kMainWindow, Third}};
  EXPECT_EQ(app::FindCloseAction(closes, kMainWindow), Third) << "main window";
  EXPECT_EQ(app::FindCloseAction(closes, base::kAboutWindow), First) << "About window";
  EXPECT_EQ(app::FindCloseAction(closes, 3), nullptr) << "any other window is ignored";
  app::FindCloseAction(closes, kMainWindow)();
  EXPECT_EQ(lastCalled, 3) << "the found action is the one of its row";
}

}  // namespace
