// Tooltips of controls: the balloon with its styles, colours, width, tool record and title with icon.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "support/TestWindow.h"
#include "ui/Controls.h"
#include "ui/SolidIcon.h"
#include "ui/Tooltips.h"
#include "ui/TopLevelWindows.h"

namespace {

using wintest::TestWindow;

// Closes the tooltip windows a test made: they belong to no window and would outlive it.
struct TipWindow {
  HWND handle;
  ~TipWindow() {
    if (handle) DestroyWindow(handle);
  }
};

struct ToolRecord {
  bool found = false;
  UINT flags = 0;
  HWND window = nullptr;
  UINT_PTR id = 0;
  std::wstring text;
};

ToolRecord FirstTool(HWND tip) {
  wchar_t text[256] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.lpszText = text;
  ToolRecord record;
  record.found = SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
  record.flags = tool.uFlags;
  record.window = tool.hwnd;
  record.id = tool.uId;
  record.text = text;
  return record;
}

const wchar_t kLongText[] = L"Saisissez directement un type de fichier ou choisissez en un dans la liste déroulante.";

TEST(UiBalloonTips, ABalloonHasItsStylesColoursAndWidth) {
  TestWindow window;
  ASSERT_NE(ui::CreateComboBox(810, 150, 5, 60, 20, ui::kComboEditable | ui::kComboUpperCase), nullptr);
  HICON icon = uitest::MakeSolidIcon(RGB(192, 96, 32));
  TipWindow tip{ui::AttachBalloonTip(810, L"Extension", kLongText, icon)};
  ASSERT_NE(tip.handle, nullptr) << "a balloon for an existing control";
  EXPECT_EQ(_wcsicmp(wintest::ClassOf(tip.handle).c_str(), L"tooltips_class32"), 0) << "the platform's tooltip class";
  LONG_PTR style = GetWindowLongPtrW(tip.handle, GWL_STYLE);
  EXPECT_EQ(style & 0x80000042, 0x80000042) << "WS_POPUP | TTS_NOPREFIX | TTS_BALLOON";
  EXPECT_EQ(style & TTS_ALWAYSTIP, 0) << "the balloon is not the always-shown standard tip";
  EXPECT_EQ(SendMessageW(tip.handle, TTM_GETMAXTIPWIDTH, 0, 0), 200) << "long texts wrap at 200 pixels";
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tip.handle, TTM_GETTIPTEXTCOLOR, 0, 0)), GetSysColor(COLOR_INFOTEXT))
      << "text colour";
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tip.handle, TTM_GETTIPBKCOLOR, 0, 0)), GetSysColor(COLOR_INFOBK))
      << "background colour";
  DestroyIcon(icon);
}

TEST(UiBalloonTips, TheBalloonWatchesItsControlAndHoldsItsText) {
  TestWindow window;
  HWND field = ui::CreateEditField(811, 145, 15, 425, 20, L"");
  ASSERT_NE(field, nullptr);
  TipWindow tip{ui::AttachBalloonTip(811, L"Nouveau nom", L"Saisie du nouveau nom", nullptr)};
  ASSERT_NE(tip.handle, nullptr);
  EXPECT_EQ(SendMessageW(tip.handle, TTM_GETTOOLCOUNT, 0, 0), 1) << "one tool per balloon";
  ToolRecord tool = FirstTool(tip.handle);
  ASSERT_TRUE(tool.found) << "the tool was added";
  EXPECT_EQ(tool.flags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS))
      << "the tool is the control's window, watched through its own messages";
  EXPECT_EQ(tool.window, field) << "the tool's window is the control";
  EXPECT_EQ(tool.id, reinterpret_cast<UINT_PTR>(field)) << "the tool's identifier is the control's window";
  EXPECT_EQ(tool.text, L"Saisie du nouveau nom") << "the text survives the tool record";
}

// The room the balloon takes for its tool: the title line adds height, its icon adds width.
SIZE BubbleSize(HWND tip, HWND control) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = control;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  LRESULT size = SendMessageW(tip, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));
  return {LOWORD(size), HIWORD(size)};
}

TEST(UiBalloonTips, TheTitleLineComesWithItsIconAndOnlyWhenGiven) {
  struct Case {
    const char* name;
    const wchar_t* title;
    bool withIcon;
  };
  const Case cases[] = {
      {"no title", nullptr, true},
      {"empty title", L"", true},
      {"title without icon", L"Caractères interdits", false},
      {"title and icon", L"Caractères interdits", true},
  };
  SIZE sizes[4] = {};
  for (int i = 0; i < 4; ++i) {
    const Case& c = cases[i];
    TestWindow window;
    HWND button = ui::CreateButtonControl(812, 0, 2, 90, 35, L"Caractères ?");
    ASSERT_NE(button, nullptr);
    HICON icon = c.withIcon ? uitest::MakeSolidIcon(RGB(192, 96, 32)) : nullptr;
    TipWindow tip{ui::AttachBalloonTip(812, c.title, L"Voir", icon)};
    ASSERT_NE(tip.handle, nullptr) << c.name;
    sizes[i] = BubbleSize(tip.handle, button);
    EXPECT_GT(sizes[i].cy, 0) << c.name << ": the balloon has a size";
    if (icon) DestroyIcon(icon);
  }
  EXPECT_EQ(sizes[1].cy, sizes[0].cy) << "an empty title adds no title line";
  EXPECT_GT(sizes[2].cy, sizes[0].cy) << "a title adds its line above the text";
  EXPECT_GT(sizes[3].cx, sizes[2].cx) << "the icon sits beside the title";
}

TEST(UiBalloonTips, TipsGoWithTheWindowOfTheirControl) {
  HWND tip = nullptr;
  {
    TestWindow window(wintest::kTestWindow, ui::kWindowSystemMenu);
    ASSERT_NE(ui::CreateButtonControl(834, 5, 5, 80, 25, L"Bouton"), nullptr);
    tip = ui::AttachBalloonTip(834, L"Titre", L"Texte", nullptr);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(GetWindow(tip, GW_OWNER), window.handle()) << "the tip is owned by the control's top-level window";
  }
  EXPECT_FALSE(IsWindow(tip)) << "closing the window takes its tooltips with it";
}

}  // namespace
