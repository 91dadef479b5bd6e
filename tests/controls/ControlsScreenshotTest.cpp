#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "controls/ControlsDemo.h"
#include "controls/ScrollContainer.h"
#include "controls/TaskPane.h"
#include "controls/ThemeApi.h"
#include "ui/Objects.h"
#include "ui/TopLevelWindows.h"

namespace controls {
namespace {

constexpr int kDemoWindowNumber = 912;

// Writes a picture as a 24-bit bottom-up BMP file.
bool SaveBitmap(const controlstest::Picture& picture, const std::filesystem::path& path) {
  const int stride = (picture.width * 3 + 3) & ~3;
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(stride * picture.height);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + imageBytes;
  info.biSize = sizeof(info);
  info.biWidth = picture.width;
  info.biHeight = picture.height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = imageBytes;
  std::vector<unsigned char> rows(imageBytes, 0);
  for (int y = 0; y < picture.height; ++y) {
    unsigned char* row = rows.data() + static_cast<size_t>((picture.height - 1 - y) * stride);
    for (int x = 0; x < picture.width; ++x) {
      COLORREF c = picture.At(x, y);
      row[x * 3] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
  }
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 && std::fwrite(&info, sizeof(info), 1, out) == 1 &&
                 std::fwrite(rows.data(), 1, rows.size(), out) == rows.size();
  return std::fclose(out) == 0 && written;
}

TEST(ControlsScreenshot, DemonstrationWindow) {
  LoadThemeApi();
  int pane = 0;
  HWND window = OpenControlsDemo(kDemoWindowNumber, &pane);
  ASSERT_NE(window, nullptr);
  ASSERT_GT(pane, 0);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(window);
  controlstest::PumpMessages(300);

  // Light the first link as the mouse would.
  TaskPaneState* state = PaneStateOf(pane);
  ASSERT_NE(state, nullptr);
  const TaskPaneItem* link = PaneItemOf(*state, 2);
  ASSERT_NE(link, nullptr);
  POINT over{(link->hitRect.left + link->hitRect.right) / 2, (link->hitRect.top + link->hitRect.bottom) / 2};
  ClientToScreen(state->canvas, &over);
  SetCursorPos(over.x, over.y);
  controlstest::PumpMessages(200);
  EXPECT_EQ(state->hotItem, 2) << "the link under the cursor is hot";

  controlstest::Picture picture = controlstest::ReadWindow(window);
  EXPECT_EQ(picture.At(5, 600), 0xAE795A) << "pane background below the groups";
  std::filesystem::path folder = TARVELLE_SCREENSHOT_DIR;
  std::filesystem::create_directories(folder);
  EXPECT_TRUE(SaveBitmap(picture, folder / "controls-demo.bmp")) << "screenshot written";
  SetCursorPos(1200, 1000);
  ui::CloseTopLevelWindow(kDemoWindowNumber);
}

}  // namespace
}  // namespace controls
