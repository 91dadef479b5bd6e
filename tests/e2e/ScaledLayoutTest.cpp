// End-to-end tests of the main window at display scales other than 100 %: the same layout, larger, every caption
// whole, the window within the work area; and a move to a monitor of another scale, which keeps what the window
// shows. Each suite runs in a Wine prefix set to its scale and desktop size (scripts/wine-scaled, see
// tests/e2e/CMakeLists.txt); at 96 DPI the layout is checked by MainWindowContentTest.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "base/ProgramInfo.h"
#include "e2e/Driver.h"
#include "e2e/ListFilling.h"
#include "e2e/MainWindowPlaces.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/RemoteBuffer.h"
#include "e2e/ScratchFolder.h"
#include "e2e/Screenshot.h"

namespace e2e {

namespace {

using namespace base;  // the program's control numbers

constexpr int kDesignWidth = 1014;
constexpr int kDesignHeight = 718;

int At(int designValue, double scale) { return static_cast<int>(std::lround(designValue * scale)); }

RECT ClientRect(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// Every control of the layout at its 96-DPI place times the scale, a pixel either way for rounding.
void ExpectPlacesAtScale(const RunningProgram& program, double s) {
  for (const ControlPlace& expected : kPlaces) {
    SCOPED_TRACE(testing::Message() << "control " << expected.number << " at scale " << s);
    HWND control = program.Control(expected.number);
    ASSERT_NE(control, nullptr);
    const RECT place = PlaceInParent(control);
    EXPECT_NEAR(place.left, At(expected.x, s), 1) << DescribePlace(place);
    EXPECT_NEAR(place.top, At(expected.y, s), 1) << DescribePlace(place);
    const int width = place.right - place.left;
    if (expected.number == kExplorer) {
      const RECT host = ClientRect(GetParent(control));
      EXPECT_NEAR(width, std::min<int>(At(expected.width, s), host.right), 1) << DescribePlace(place);
    } else {
      EXPECT_GE(width, At(expected.width, s) - 1) << DescribePlace(place);
    }
    if (expected.height != kFreeHeight) {
      EXPECT_NEAR(place.bottom - place.top, At(expected.height, s), 1) << DescribePlace(place);
    }
  }
}

// What the screen shows of a window, row by row.
struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

ScreenPixels Capture(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  ScreenPixels shot;
  shot.width = r.right - r.left;
  shot.height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = shot.width;
  info.bmiHeader.biHeight = -shot.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, shot.width, shot.height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* bgra = static_cast<const unsigned char*>(bits);
  shot.pixels.resize(static_cast<size_t>(shot.width * shot.height));
  for (size_t i = 0; i < shot.pixels.size(); ++i) shot.pixels[i] = RGB(bgra[i * 4 + 2], bgra[i * 4 + 1], bgra[i * 4]);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

int Distance(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
         std::abs(GetBValue(a) - GetBValue(b));
}

// A caption that does not fit is cut at the control's edge, or at the edge of the room it is drawn in: ink of the
// caption's colour reaches the last columns of that room. Captions are black but for the type field's label.
testing::AssertionResult CaptionIsWhole(HWND control, int number) {
  const ScreenPixels shot = Capture(control);
  if (shot.width < 8 || shot.height < 4) return testing::AssertionFailure() << "nothing shown";
  const COLORREF ink = number == kTypeLabel ? RGB(254, 248, 220) : RGB(0, 0, 0);
  const bool button = WindowClass(control) == L"Button";
  const LONG kind = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  const bool framed = button && (kind == BS_OWNERDRAW || kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
  // A framed button draws its caption inside its edges (a default button's are the widest, 5 pixels); the others
  // up to their last column.
  const int last = framed ? shot.width - 6 : shot.width - 1;
  const COLORREF background = shot.At(last, 1);
  const int threshold = Distance(ink, background) * 2 / 5;
  // The rows of the caption: a framed button's top and bottom edges run across the whole width.
  const int top = framed ? shot.height / 4 : 1;
  const int bottom = framed ? shot.height - shot.height / 4 : shot.height - 1;
  for (int y = top; y < bottom; ++y) {
    for (int x = last - 1; x <= last; ++x) {
      if (Distance(shot.At(x, y), ink) < threshold) {
        return testing::AssertionFailure() << "caption ink at " << x << "," << y << " of " << shot.width << "x"
                                           << shot.height;
      }
    }
  }
  return testing::AssertionSuccess();
}

// The mode boxes show one panel at a time: each panel's captions are looked at while it shows.
void ExpectCaptionsWhole(const RunningProgram& program) {
  const int modeOfPanel[][2] = {{kReplacePanel, kReplaceModeBox}, {kRenumberPanel, kRenumberModeBox},
                                {kAppendPanel, kAppendModeBox}};
  for (const auto& [panel, mode] : modeOfPanel) {
    ASSERT_TRUE(SetTicked(program.Control(mode), true));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(program.Control(panel)) != FALSE; }, kReactionLimit));
    UpdateWindow(program.MainWindow());
    for (const ControlText& shown : kTexts) {
      HWND control = program.Control(shown.number);
      if (!*shown.text || !control || !IsWindowVisible(control) || WindowClass(control) == L"Edit") continue;
      if (GetParent(control) != program.MainWindow() && GetParent(control) != program.Control(panel) &&
          GetParent(control) != program.Control(kCommandBar) && shown.number != kTypeLabel) {
        continue;
      }
      EXPECT_TRUE(CaptionIsWhole(control, shown.number)) << "control " << shown.number << " \"" << shown.text << "\"";
    }
  }
  ASSERT_TRUE(SetTicked(program.Control(kReplaceModeBox), true));
}

void ExpectWithinWorkArea(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const RECT area = WorkArea();
  EXPECT_GE(outer.left, area.left) << DescribePlace(outer) << " in " << DescribePlace(area);
  EXPECT_GE(outer.top, area.top) << DescribePlace(outer) << " in " << DescribePlace(area);
  EXPECT_LE(outer.right, area.right) << DescribePlace(outer) << " in " << DescribePlace(area);
  EXPECT_LE(outer.bottom, area.bottom) << DescribePlace(outer) << " in " << DescribePlace(area);
}

void ExpectWholeLayoutAt(const RunningProgram& program, double s, const char* shot) {
  HWND window = program.MainWindow();
  const RECT client = ClientRect(window);
  EXPECT_EQ(client.right, At(kDesignWidth, s)) << "client width";
  EXPECT_EQ(client.bottom, At(kDesignHeight, s)) << "client height";
  ExpectWithinWorkArea(window);
  ExpectPlacesAtScale(program, s);
  ExpectCaptionsWhole(program);
  EXPECT_TRUE(SaveScreenshot(shot));
}

// 144 dots per inch on a 1920 x 1200 desktop: room for the whole window at 150 %.
class ScaledLayout144Test : public SharedRunTest {};

TEST_F(ScaledLayout144Test, WholeLayoutAtOneAndAHalf) {
  ASSERT_EQ(GetDpiForSystem(), 144u) << "the prefix runs at 144 dots per inch";
  ExpectWholeLayoutAt(Program(), 1.5, "main-window-144dpi");
}

// The About and forbidden-characters windows grow as the main window does, within the work area.
TEST_F(ScaledLayout144Test, SmallWindowsGrowToo) {
  struct SmallWindow {
    int opener;
    const wchar_t* title;
    int width;
    int height;
    const char* shot;
  };
  const SmallWindow windows[] = {{kAboutButton, kAboutTitle, 500, 225, "about-window-144dpi"},
                                 {kCharactersButton, L"Caractères interdits ", 550, 260, "forbidden-characters-144dpi"}};
  for (const SmallWindow& expected : windows) {
    SCOPED_TRACE(expected.shot);
    Click(Program().Control(expected.opener));
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
          window = FindTopLevelWindow(Program().ProcessId(), expected.title);
          return window && IsWindowVisible(window);
        },
        kReactionLimit));
    const RECT client = ClientRect(window);
    EXPECT_EQ(client.right, At(expected.width, 1.5));
    EXPECT_EQ(client.bottom, At(expected.height, 1.5));
    ExpectWithinWorkArea(window);
    EXPECT_TRUE(SaveWindowScreenshot(expected.shot, window));
    HWND close = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) -> BOOL {
          if (WindowClass(child) != L"Button" || Text(child).rfind(L"Fermer", 0) != 0) return TRUE;
          *reinterpret_cast<HWND*>(found) = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&close));
    ASSERT_NE(close, nullptr) << "its close button";
    EXPECT_TRUE(CaptionIsWhole(close, -1));
    Click(close);
    ASSERT_TRUE(WaitUntilGone(window));
  }
}

// 120 dots per inch, 125 %.
class ScaledLayout120Test : public SharedRunTest {};

TEST_F(ScaledLayout120Test, WholeLayoutAtOneAndAQuarter) {
  ASSERT_EQ(GetDpiForSystem(), 120u) << "the prefix runs at 120 dots per inch";
  ExpectWholeLayoutAt(Program(), 1.25, "main-window-120dpi");
}

// On a desktop too small for the display's scale the window is lowered just enough to fit its work area.
void ExpectLoweredToFit(const RunningProgram& program, double displayScale, const char* shot) {
  HWND window = program.MainWindow();
  ExpectWithinWorkArea(window);
  const RECT client = ClientRect(window);
  const double s = client.right / static_cast<double>(kDesignWidth);
  EXPECT_LT(s, displayScale) << "lowered from the display's scale";
  EXPECT_GE(s, 0.8) << "never below 80 %";
  EXPECT_NEAR(client.bottom, kDesignHeight * s, 1.5) << "the layout keeps its proportions";
  // The window fills the work area's height: lowered no more than it must.
  RECT outer{};
  GetWindowRect(window, &outer);
  EXPECT_GE(outer.bottom - outer.top, WorkArea().bottom - WorkArea().top - 2);
  ExpectPlacesAtScale(program, s);
  ExpectCaptionsWhole(program);
  EXPECT_TRUE(SaveScreenshot(shot));
}

// 150 % on a 1280 x 800 desktop.
class SmallScreenScaleTest : public SharedRunTest {};

TEST_F(SmallScreenScaleTest, LowersTheScaleToFitTheWorkArea) {
  ExpectLoweredToFit(Program(), 1.5, "main-window-144dpi-small-screen");
}

// 100 % on a 1366 x 768 screen whose taskbar leaves 720 rows.
class ShortScreenScaleTest : public SharedRunTest {};

TEST_F(ShortScreenScaleTest, LowersTheScaleBelowOneToFitTheWorkArea) {
  ExpectLoweredToFit(Program(), 1.0, "main-window-96dpi-short-screen");
}

// A move to a monitor of 96 dots per inch, as Windows tells it, and back to 144.
class DpiChangeTest : public FreshRunTest {};

// The suggested place is a record in the program's memory, as Windows gives it.
void SendDpiChange(HWND window, int dotsPerInch) {
  RECT suggested{};
  GetWindowRect(window, &suggested);
  OffsetRect(&suggested, 10, 10);
  RemoteBuffer record(window, sizeof(suggested));
  ASSERT_TRUE(record.Ok() && record.Write(0, &suggested, sizeof(suggested)));
  SendWithLimit(window, WM_DPICHANGED, MAKEWPARAM(dotsPerInch, dotsPerInch), record.AsParameter());
}

TEST_F(DpiChangeTest, RebuildsTheLayoutAndKeepsWhatTheWindowShows) {
  const RunningProgram& program = Program();
  ScratchFolder folder;
  std::vector<std::wstring> names;
  for (int i = 0; i < 60; ++i) names.push_back(folder.MakeFile(L"photo" + std::to_wstring(100 + i) + L".jpg", "x"));
  for (std::wstring& name : names) name = name.substr(name.find_last_of(L'\\') + 1);
  ASSERT_TRUE(ChooseType(program, L"JPG"));
  ASSERT_TRUE(AddFilesThroughRequester(program, folder.Path(), names));
  HWND list = program.Control(kFileList);
  ASSERT_TRUE(SelectListRow(list, 45, true));
  SendWithLimit(list, LVM_ENSUREVISIBLE, 45, FALSE);
  const int topBefore = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  ASSERT_GT(topBefore, 0) << "the list is scrolled";
  ASSERT_TRUE(SetTicked(program.Control(kRenumberModeBox), true));
  ASSERT_TRUE(SetText(program.Control(kNewNameField), L"Vacances"));
  ASSERT_TRUE(WaitUntil([&] { return ListColumnTitles(list).size() == 3; }, kReactionLimit))
      << "the column \"Nouveau nom\" comes, and follows the scale with the others";
  const std::vector<int> widthsBefore = ListColumnWidths(list);

  SendDpiChange(Window(), 96);
  const RECT client = ClientRect(Window());
  EXPECT_EQ(client.right, kDesignWidth);
  EXPECT_EQ(client.bottom, kDesignHeight);
  ExpectPlacesAtScale(program, 1.0);
  EXPECT_EQ(ListRowCount(list), 60) << "rows kept";
  EXPECT_EQ(SelectedListRows(list), std::vector<int>{45}) << "selection kept";
  EXPECT_EQ(static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0)), topBefore) << "scroll position kept";
  EXPECT_TRUE(IsWindowVisible(program.Control(kRenumberPanel))) << "mode panel kept";
  EXPECT_EQ(Text(program.Control(kNewNameField)), L"Vacances") << "field text kept";
  const std::vector<int> widthsAt96 = ListColumnWidths(list);
  ASSERT_EQ(widthsAt96.size(), widthsBefore.size());
  for (size_t column = 0; column < widthsAt96.size(); ++column) {
    EXPECT_NEAR(widthsAt96[column], widthsBefore[column] / 1.5, 1) << "column " << column;
  }
  EXPECT_TRUE(SaveScreenshot("main-window-moved-to-96dpi"));

  SendDpiChange(Window(), 144);
  EXPECT_EQ(ClientRect(Window()).right, At(kDesignWidth, 1.5));
  ExpectPlacesAtScale(program, 1.5);
  EXPECT_EQ(ListRowCount(list), 60);
  EXPECT_EQ(SelectedListRows(list), std::vector<int>{45});
  EXPECT_TRUE(IsWindowVisible(program.Control(kRenumberPanel))) << "mode panel kept";
  // Wine draws check boxes at the system's scale whatever the window's, so captions are looked at here, back at
  // the scale the system runs at, rather than after the pretended move to 96 DPI.
  ExpectCaptionsWhole(program);
}

// At 96 DPI, in the shared prefix: the same checks hold, which shows that they find no fault where there is none.
class ScaledLayout96Test : public SharedRunTest {};

TEST_F(ScaledLayout96Test, WholeLayoutAtOne) {
  ASSERT_EQ(GetDpiForSystem(), 96u);
  HWND window = Window();
  EXPECT_EQ(ClientRect(window).right, kDesignWidth);
  EXPECT_EQ(ClientRect(window).bottom, kDesignHeight);
  ExpectWithinWorkArea(window);
  ExpectCaptionsWhole(Program());
}

}  // namespace

}  // namespace e2e
