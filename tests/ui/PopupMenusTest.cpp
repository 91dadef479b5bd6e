// Popup menus by number: entries in the order they were added, with their command numbers, separators and the
// picture beside the text; a chosen entry comes back as a menu event.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/TestWindow.h"
#include "ui/PopupMenus.h"
#include "ui/SolidIcon.h"
#include "ui/TopLevelWindows.h"

namespace {

using wintest::Describe;
using wintest::TakeEvents;
using wintest::TestWindow;

struct Entry {
  bool separator;
  UINT command;
  std::wstring text;
  HBITMAP picture;
};

Entry EntryAt(HMENU menu, int position) {
  wchar_t text[128] = {};
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_BITMAP;
  item.dwTypeData = text;
  item.cch = 128;
  GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item);
  return {(item.fType & MFT_SEPARATOR) != 0, item.wID, text, item.hbmpItem};
}

// Fresh picture numbers: the registry of pictures is the whole program's.
int RegisterIcon(COLORREF colour) {
  ui::Image image;
  image.icon = uitest::MakeSolidIcon(colour);
  image.width = 16;
  image.height = 16;
  return ui::RegisterImage(ui::kNewNumber, image);
}

TEST(UiPopupMenus, EntriesComeInTheOrderAddedWithTheirCommandsAndSeparators) {
  HMENU menu = ui::CreateNumberedPopupMenu(954);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(ui::MenuHandle(954), menu) << "the menu answers its number";
  int picture = RegisterIcon(RGB(0, 0, 255));
  ui::AddMenuEntry(954, 55, L"Propriétés", picture);
  ui::AddMenuSeparator(954);
  ui::AddMenuEntry(954, 56, L"Ouvrir/voir", -1);
  ui::AddMenuSeparator(954);
  ui::AddMenuEntry(954, 57, L"Retirer de la liste", picture);
  ui::AddMenuEntry(954, 58, L"Envoyer à la corbeille", -1);
  ui::AddMenuEntry(954, 59, L"Supprimer", picture);

  const Entry expected[] = {
      {false, 55, L"Propriétés", nullptr}, {true, 0, L"", nullptr},
      {false, 56, L"Ouvrir/voir", nullptr}, {true, 0, L"", nullptr},
      {false, 57, L"Retirer de la liste", nullptr}, {false, 58, L"Envoyer à la corbeille", nullptr},
      {false, 59, L"Supprimer", nullptr},
  };
  ASSERT_EQ(GetMenuItemCount(menu), 7) << "five entries and two separators";
  for (int position = 0; position < 7; ++position) {
    Entry entry = EntryAt(menu, position);
    EXPECT_EQ(entry.separator, expected[position].separator) << "position " << position;
    if (expected[position].separator) continue;
    EXPECT_EQ(entry.command, expected[position].command) << "position " << position;
    EXPECT_EQ(entry.text, expected[position].text) << "position " << position;
  }
}

TEST(UiPopupMenus, AnEntrysPictureIsItsIconDrawnOpaqueBesideTheText) {
  HMENU menu = ui::CreateNumberedPopupMenu(955);
  ASSERT_NE(menu, nullptr);
  int picture = RegisterIcon(RGB(255, 0, 0));
  ui::AddMenuEntry(955, 52, L"Ajouter", picture);
  ui::AddMenuEntry(955, 53, L"Ouvrir", -1);
  ui::AddMenuEntry(955, 54, L"Sans image", 65530);

  HBITMAP bitmap = EntryAt(menu, 0).picture;
  ASSERT_NE(bitmap, nullptr) << "an entry with a picture carries a bitmap";
  BITMAP info{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof(info), &info), static_cast<int>(sizeof(info)));
  EXPECT_EQ(info.bmWidth, 16);
  EXPECT_EQ(info.bmHeight, 16);
  EXPECT_EQ(info.bmBitsPixel, 32) << "menus blend 32-bit pictures with their alpha";
  ASSERT_NE(info.bmBits, nullptr);
  DWORD middle = static_cast<const DWORD*>(info.bmBits)[8 * 16 + 8];
  EXPECT_EQ(middle & 0x00FFFFFFu, 0x00FF0000u) << "the icon's red, read as 0x" << std::hex << middle;
  EXPECT_EQ(middle >> 24, 0xFFu) << "an opaque icon pixel stays opaque, read as 0x" << std::hex << middle;
  EXPECT_EQ(EntryAt(menu, 1).picture, nullptr) << "no picture asked";
  EXPECT_EQ(EntryAt(menu, 2).picture, nullptr) << "a number that holds no picture";
}

TEST(UiPopupMenus, TheChosenEntryArrivesAsAMenuEventOfTheOwner) {
  TestWindow window(wintest::kTestWindow, ui::kWindowSystemMenu);
  HMENU menu = ui::CreateNumberedPopupMenu(956);
  ASSERT_NE(menu, nullptr);
  ui::AddMenuEntry(956, 55, L"Propriétés", -1);
  ui::AddMenuSeparator(956);
  ui::AddMenuEntry(956, 56, L"Ouvrir/voir", -1);
  // The menu's own loop reads these keys: down twice (over the separator) to the second entry, then Enter.
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
    PostMessageW(window.handle(), WM_KEYDOWN, key, 0);
  }
  ui::ShowPopupMenuAtCursor(956, window.handle());
  std::vector<ui::Event> events = TakeEvents();
  ASSERT_EQ(events.size(), 1u) << Describe(events);
  EXPECT_EQ(events[0].kind, ui::kMenuEvent);
  EXPECT_EQ(events[0].command, 56) << "the second entry's command";
  EXPECT_EQ(events[0].window, window.number());
}

}  // namespace
