#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/FrenchDate.h"
#include "app/Greeting.h"
#include "app/GreetingText.h"
#include "app/StartupResources.h"
#include "base/Numbers.h"
#include "resources/Pictures.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace {

std::vector<COLORREF> Pixels(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> quads(static_cast<size_t>(width * height));
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), quads.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  std::vector<COLORREF> pixels;
  for (const RGBQUAD& q : quads) pixels.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
  return pixels;
}

TEST(Greeting, IsDrawnOnceOntoTheBannerInWhiteFromTheTwoOrigins) {
  resources::Picture fresh = resources::LoadImagePicture(base::kBannerPicture);
  ASSERT_NE(fresh.bitmap, nullptr) << "picture 7 must decode";
  const int width = fresh.width;
  const int height = fresh.height;
  std::vector<COLORREF> before = Pixels(fresh.bitmap, width, height);
  ui::RegisterImage(base::kBannerPicture, {nullptr, fresh.bitmap, width, height});
  app::LoadGreetingFont();

  app::DrawGreetingOnBanner();
  std::vector<COLORREF> after = Pixels(fresh.bitmap, width, height);

  int changedLine1 = 0;
  int changedLine2 = 0;
  int whiteish = 0;
  int changedOutside = 0;
  int leftmost = width;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      size_t at = static_cast<size_t>(y * width + x);
      if (before[at] == after[at]) continue;
      leftmost = std::min(leftmost, x);
      if (y >= 5 && y < 20) ++changedLine1;
      else if (y >= 20 && y < 36) ++changedLine2;
      else ++changedOutside;
      COLORREF c = after[at];
      if (GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200) ++whiteish;
    }
  }
  EXPECT_GT(changedLine1, 100) << "line 1 (Bonjour ...) starts at y 5";
  EXPECT_GT(changedLine2, 500) << "line 2, the long date line, starts at y 20";
  EXPECT_EQ(changedOutside, 0) << "nothing drawn above y 5 or below the second line";
  EXPECT_GE(leftmost, 10) << "both lines start at x 10";
  EXPECT_LE(leftmost, 14) << "the first glyphs stand right at x 10";
  EXPECT_GT(whiteish, (changedLine1 + changedLine2) / 3) << "the text is white; only glyphs change the picture";
}

// The longest greeting (a 20-letter name, the longest French date) drawn by the program in its own font stays in
// the room the banner keeps dark for it, clear of the name and the logo, at 100 % and at 150 %.
TEST(Greeting, TheLongestGreetingStaysClearOfTheLogo) {
  const std::wstring first = app::GreetingFirstLine(std::wstring(20, L'W'));
  const std::wstring second = app::GreetingSecondLine(app::FrenchLongDate({2026, 9, 30, 3}));
  ASSERT_NE(second.find(L"Septembre"), std::wstring::npos) << "the longest month";
  for (double s : {1.0, 1.5}) {
    SCOPED_TRACE(s);
    ui::SetLayoutScale(s);
    resources::Picture fresh = resources::LoadImagePicture(base::kBannerPicture, s);
    ASSERT_NE(fresh.bitmap, nullptr);
    const std::vector<COLORREF> before = Pixels(fresh.bitmap, fresh.width, fresh.height);
    ui::ReplaceImage(base::kBannerPicture, {nullptr, fresh.bitmap, fresh.width, fresh.height});
    app::LoadGreetingFont();
    app::DrawGreetingLines(first, second);
    const std::vector<COLORREF> after = Pixels(fresh.bitmap, fresh.width, fresh.height);
    int rightmost = -1;
    for (int y = 0; y < fresh.height; ++y) {
      for (int x = 0; x < fresh.width; ++x) {
        const size_t at = static_cast<size_t>(y * fresh.width + x);
        if (before[at] != after[at]) rightmost = std::max(rightmost, x);
      }
    }
    EXPECT_GT(rightmost, ui::Scaled(500)) << "the long line is drawn";
    EXPECT_LT(rightmost, ui::Scaled(resources::kBannerGreetingRoom)) << "and ends in the dark room";
  }
  ui::SetLayoutScale(1.0);
  app::LoadGreetingFont();
}

}  // namespace
