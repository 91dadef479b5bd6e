#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/ImageDecoders.h"
#include "resources/Pictures.h"
#include "resources/ResourceIds.h"

namespace {

using resources::ButtonIcon;
using resources::Picture;

// The scales the program meets: the stored ones, between them, and above the largest.
constexpr double kScales[] = {1.0, 1.0669, 1.25, 1.5, 2.0, 2.5};

int Scaled(int side, double scale) { return static_cast<int>(std::lround(side * scale)); }

enum class Kind { Icon, Bitmap };

struct Expected {
  std::string name;
  Picture picture;
  Kind kind;
  int width;
  int height;
  int bits;  // icons: bits of the stored image; bitmaps: bits of the bitmap made from it
};

// Frees the GDI objects of a picture when a test is done with it.
struct OwnedPicture {
  Picture picture;
  explicit OwnedPicture(Picture p) : picture(p) {}
  ~OwnedPicture() {
    if (picture.icon) DestroyIcon(picture.icon);
    if (picture.bitmap) DeleteObject(picture.bitmap);
  }
  OwnedPicture(const OwnedPicture&) = delete;
  OwnedPicture& operator=(const OwnedPicture&) = delete;
};

// Every picture loaded at the scale, with its size at 96 DPI.
std::vector<Expected> AllPictures(double scale = 1.0) {
  resources::RegisterImageDecoders();
  const std::string at = " at " + std::to_string(scale);
  std::vector<Expected> all = {
      {"rename icon" + at, resources::LoadButtonIcon(ButtonIcon::Rename, scale), Kind::Icon, 24, 24, 32},
      {"clear icon" + at, resources::LoadButtonIcon(ButtonIcon::Clear, scale), Kind::Icon, 24, 24, 32},
      {"remove icon" + at, resources::LoadButtonIcon(ButtonIcon::Remove, scale), Kind::Icon, 24, 24, 32},
      {"help icon" + at, resources::LoadButtonIcon(ButtonIcon::Help, scale), Kind::Icon, 24, 24, 32},
      {"quit icon" + at, resources::LoadButtonIcon(ButtonIcon::Quit, scale), Kind::Icon, 24, 24, 32},
      {"characters icon" + at, resources::LoadButtonIcon(ButtonIcon::Characters, scale), Kind::Icon, 16, 16, 32},
  };
  struct Numbered {
    int number;
    Kind kind;
    int width, height, bits;
  };
  const Numbered numbered[] = {
      {1, Kind::Icon, 48, 48, 32},     {2, Kind::Icon, 48, 48, 32},     {3, Kind::Icon, 16, 16, 32},
      {4, Kind::Icon, 16, 16, 32},     {5, Kind::Icon, 16, 16, 32},     {6, Kind::Icon, 16, 16, 32},
      {7, Kind::Bitmap, 834, 60, 24},  {8, Kind::Bitmap, 180, 60, 32},  {9, Kind::Icon, 16, 16, 32},
      {10, Kind::Icon, 16, 16, 32},    {11, Kind::Icon, 24, 24, 32},    {12, Kind::Bitmap, 247, 197, 32},
      {13, Kind::Icon, 16, 16, 32},    {14, Kind::Icon, 16, 16, 32},    {15, Kind::Icon, 16, 16, 32},
      {16, Kind::Icon, 16, 16, 32},    {17, Kind::Icon, 16, 16, 32},    {18, Kind::Icon, 16, 14, 24},
      {19, Kind::Icon, 16, 16, 32},
  };
  for (const Numbered& n : numbered) {
    all.push_back({"image " + std::to_string(n.number) + at, resources::LoadImagePicture(n.number, scale), n.kind,
                   n.width, n.height, n.bits});
  }
  return all;
}

// The icon drawn onto a plain background, as 0x00RRGGBB values, top row first.
std::vector<std::uint32_t> RenderIcon(HICON icon, int width, int height, COLORREF background) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, target);
  HBRUSH brush = CreateSolidBrush(background);
  RECT all{0, 0, width, height};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> out(pixels, pixels + width * height);
  for (std::uint32_t& p : out) p &= 0x00FFFFFF;
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(target);
  return out;
}

TEST(Pictures, EveryEmbeddedPictureHasItsKindAndScaledSizeAtEveryScale) {
  for (double scale : kScales) {
    for (Expected e : AllPictures(scale)) {
      OwnedPicture owned(e.picture);
      const Picture& p = e.picture;
      e.width = Scaled(e.width, scale);
      e.height = Scaled(e.height, scale);
      EXPECT_EQ(p.width, e.width) << e.name << ": width";
      EXPECT_EQ(p.height, e.height) << e.name << ": height";
      if (e.kind == Kind::Icon) {
        ASSERT_NE(p.icon, nullptr) << e.name << ": not decoded as an icon";
        EXPECT_EQ(p.bitmap, nullptr) << e.name << ": an icon carries no bitmap";
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(p.icon, &info)) << e.name;
        BITMAP colour{};
        ASSERT_NE(info.hbmColor, nullptr) << e.name << ": icon without colour image";
        GetObjectW(info.hbmColor, sizeof(colour), &colour);
        EXPECT_TRUE(info.fIcon) << e.name << ": an icon, not a cursor";
        EXPECT_EQ(colour.bmWidth, e.width) << e.name << ": icon image width";
        EXPECT_EQ(colour.bmHeight, e.height) << e.name << ": icon image height";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
      } else {
        ASSERT_NE(p.bitmap, nullptr) << e.name << ": not decoded as a bitmap";
        EXPECT_EQ(p.icon, nullptr) << e.name << ": a bitmap carries no icon";
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(p.bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)))
            << e.name << ": a DIB section, so that the greeting can be drawn on it";
        EXPECT_EQ(section.dsBm.bmWidth, e.width) << e.name << ": bitmap width";
        EXPECT_EQ(section.dsBm.bmHeight, e.height) << e.name << ": bitmap height";
        EXPECT_EQ(section.dsBm.bmBitsPixel, e.bits) << e.name << ": bits per pixel";
      }
    }
  }
}

// Drawn over black and over white, a pixel with partial alpha takes a colour between the two backgrounds'
// results; a hard-edged (AND mask only) icon has only pixels that are either the background or the same on both.
struct Coverage {
  int transparent = 0;
  int opaque = 0;
  int partial = 0;
};

Coverage MeasureCoverage(HICON icon, int width, int height) {
  const std::vector<std::uint32_t> onBlack = RenderIcon(icon, width, height, RGB(0, 0, 0));
  const std::vector<std::uint32_t> onWhite = RenderIcon(icon, width, height, RGB(255, 255, 255));
  Coverage c;
  for (std::size_t i = 0; i < onBlack.size(); ++i) {
    if (onBlack[i] == 0 && onWhite[i] == 0xFFFFFF) {
      ++c.transparent;
    } else if (onBlack[i] == onWhite[i]) {
      ++c.opaque;
    } else {
      ++c.partial;
    }
  }
  return c;
}

TEST(Pictures, IconsWithAlphaBlendTheirEdgesAndTheAndMaskIconHasHardEdgesAtEveryScale) {
  for (double scale : kScales) {
    for (const Expected& e : AllPictures(scale)) {
      OwnedPicture owned(e.picture);
      if (e.kind != Kind::Icon || !e.picture.icon) continue;
      const Coverage c = MeasureCoverage(e.picture.icon, e.picture.width, e.picture.height);
      EXPECT_GT(c.opaque, 0) << e.name << ": draws nothing solid";
      if (e.bits == 32) {
        EXPECT_GT(c.partial, 0) << e.name << ": no antialiased (partly transparent) pixel, so no alpha";
        EXPECT_GT(c.transparent + c.partial, 0) << e.name;
      } else {
        EXPECT_EQ(c.partial, 0) << e.name << ": a 24-bit icon is either shown or hidden per pixel";
        EXPECT_GT(c.transparent, 0) << e.name << ": its AND mask hides the pixels around the picture";
      }
    }
  }
}

int Luminance(std::uint32_t rgb) {
  return static_cast<int>((299 * ((rgb >> 16) & 0xFF) + 587 * ((rgb >> 8) & 0xFF) + 114 * (rgb & 0xFF)) / 1000);
}

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
  int most = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  }
  return most;
}

// The strongest step between neighbouring pixels of the icon drawn over white, in one colour channel.
int StrongestStep(const Picture& p) {
  const std::vector<std::uint32_t> pixels = RenderIcon(p.icon, p.width, p.height, RGB(255, 255, 255));
  int strongest = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const std::uint32_t here = pixels[static_cast<std::size_t>(y * p.width + x)];
      if (x + 1 < p.width)
        strongest = std::max(strongest, ChannelDistance(here, pixels[static_cast<std::size_t>(y * p.width + x + 1)]));
      if (y + 1 < p.height)
        strongest = std::max(strongest, ChannelDistance(here, pixels[static_cast<std::size_t>((y + 1) * p.width + x)]));
    }
  }
  return strongest;
}

// An icon enlarged smoothly from its 96-DPI image keeps about two thirds of its edges' contrast; one drawn at
// the larger size keeps edges as sharp as at 96 DPI.
TEST(Pictures, IconsAtOneAndAHalfAndTwoTimesAreDrawnSharpNotEnlarged) {
  for (double scale : {1.5, 2.0}) {
    const std::vector<Expected> at96 = AllPictures(1.0);
    const std::vector<Expected> larger = AllPictures(scale);
    for (std::size_t i = 0; i < at96.size(); ++i) {
      OwnedPicture small(at96[i].picture);
      OwnedPicture big(larger[i].picture);
      if (at96[i].kind != Kind::Icon) continue;
      ASSERT_NE(big.picture.icon, nullptr) << larger[i].name;
      const int sharp96 = StrongestStep(small.picture);
      EXPECT_GE(StrongestStep(big.picture) * 100, sharp96 * 85)
          << larger[i].name << ": its strongest edge is much softer than at 96 DPI (" << sharp96 << ")";
    }
  }
}

TEST(Pictures, AppIconHoldsFiveSizes) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(RES_APP_ICON), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr) << "the program's icon group";
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, group)));
  ASSERT_NE(bytes, nullptr);
  const int count = bytes[4] | (bytes[5] << 8);
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) {
    const int width = bytes[6 + 14 * i];
    sizes.push_back(width == 0 ? 256 : width);
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 256})) << "sizes of the program's icon";
  for (int size : {16, 32, 48}) {
    auto icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(RES_APP_ICON), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << "program icon at " << size;
    ICONINFO info{};
    BITMAP colour{};
    GetIconInfo(icon, &info);
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, size) << "program icon image at " << size;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

// A bitmap's pixels as 0x00RRGGBB, top row first, whatever its depth and row order.
std::vector<std::uint32_t> BitmapRgb(const Picture& p) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height));
  HDC dc = CreateCompatibleDC(nullptr);
  const int rows = GetDIBits(dc, p.bitmap, 0, static_cast<UINT>(p.height), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteDC(dc);
  if (rows != p.height) pixels.clear();
  for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;
  return pixels;
}

TEST(Pictures, BannerStaysDarkWhereTheGreetingIsWrittenAndJoinsTheSideImageAtEveryScale) {
  for (double scale : kScales) {
    OwnedPicture banner(resources::LoadImagePicture(7, scale));
    OwnedPicture side(resources::LoadImagePicture(8, scale));
    const Picture& b = banner.picture;
    const std::vector<std::uint32_t> left = BitmapRgb(b);
    const std::vector<std::uint32_t> right = BitmapRgb(side.picture);
    ASSERT_FALSE(left.empty() || right.empty()) << "banner and side picture at " << scale;
    const int room = Scaled(resources::kBannerGreetingRoom, scale);
    ASSERT_LE(room, b.width) << "the greeting's room lies inside the banner at " << scale;
    int brightest = 0;
    for (int y = 0; y < b.height; ++y) {
      for (int x = 0; x < room; ++x) brightest = std::max(brightest, Luminance(left[std::size_t(y * b.width + x)]));
    }
    EXPECT_LT(brightest, 100) << "white greeting text over the banner's first " << room << " columns at " << scale
                              << " needs a dark background";
    int worstSeam = 0;
    for (int y = 0; y < b.height; ++y) {
      worstSeam = std::max(worstSeam, ChannelDistance(left[std::size_t(y * b.width + b.width - 1)],
                                                      right[std::size_t(y * side.picture.width)]));
    }
    EXPECT_LE(worstSeam, 12) << "the side picture continues the banner without a visible step at " << scale;
    // The banner has a warm orange rule along its bottom edge only.
    const std::uint32_t bottom = left[std::size_t((b.height - 1) * b.width + Scaled(800, scale))];
    const std::uint32_t top = left[std::size_t(Scaled(800, scale))];
    EXPECT_GT((bottom >> 16) & 0xFF, bottom & 0xFF) << "the banner's bottom row is the orange rule at " << scale;
    EXPECT_LT((top >> 16) & 0xFF, top & 0xFF) << "the banner's top row is blue at " << scale;
  }
}

// The program's greeting font at a scale: Arial bold italic, 9 points at 96 dots per inch times the scale.
TEST(Pictures, WidestGreetingFitsTheBannerRoomAtEveryScale) {
  const std::wstring lines[] = {
      L"Bonjour WWWWWWWWWWWWWWWWWWWW",
      L"Bonjour Jean-Christophe-Marie",
      L"Nous sommes le Mercredi 30 Septembre 2026, Bienvenue dans votre utilitaire de renommage de fichiers.",
  };
  HDC dc = CreateCompatibleDC(nullptr);
  for (double scale : {0.8, 1.0, 1.0669, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
    HFONT font =
        CreateFontW(-static_cast<int>(std::lround(9 * 96 * scale / 72)), 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE,
                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
    HGDIOBJ old = SelectObject(dc, font);
    for (const std::wstring& line : lines) {
      SIZE extent{};
      GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
      EXPECT_LE(Scaled(10, scale) + extent.cx, Scaled(resources::kBannerGreetingRoom, scale))
          << "greeting line of " << line.size() << " characters at " << scale << " is " << extent.cx << " px wide";
    }
    SelectObject(dc, old);
    DeleteObject(font);
  }
  DeleteDC(dc);
}

TEST(Pictures, SideImageIsOpaqueAtEveryScale) {
  for (double scale : kScales) {
    OwnedPicture side(resources::LoadImagePicture(8, scale));
    DIBSECTION section{};
    ASSERT_EQ(GetObjectW(side.picture.bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    const auto* bytes = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
    int notOpaque = 0;
    for (int i = 0; i < side.picture.width * side.picture.height; ++i) notOpaque += bytes[i * 4 + 3] != 255;
    EXPECT_EQ(notOpaque, 0) << "a control that shows it without blending must not reveal unset alpha, at " << scale;
  }
}

TEST(PictureFromFile, GivesAnEmptyPictureForDataItCannotDecode) {
  resources::RegisterImageDecoders();
  HMODULE module = GetModuleHandleW(nullptr);
  auto resource = [module](int id) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    return std::vector<std::uint8_t>(data, data + SizeofResource(module, found));
  };
  const std::vector<std::uint8_t> icon = resource(RES_IMAGE_BASE + 3);
  const std::vector<std::uint8_t> bitmap = resource(RES_IMAGE_BASE + 8);
  const std::vector<std::uint8_t> jpeg = resource(RES_IMAGE_BASE + 12);
  ASSERT_FALSE(icon.empty() || bitmap.empty() || jpeg.empty()) << "resources present";

  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
  };
  // Every image after a sound directory (six bytes and sixteen per image) replaced by garbage.
  std::vector<std::uint8_t> garbageIcon = icon;
  for (std::size_t i = 6 + 16 * std::size_t{icon[4]}; i < garbageIcon.size(); ++i) {
    garbageIcon[i] = static_cast<std::uint8_t>(i * 37);
  }
  std::vector<std::uint8_t> corruptJpeg = jpeg;
  corruptJpeg.resize(jpeg.size() / 2);
  const Case cases[] = {
      {"random bytes", {0x13, 0x37, 0x00, 0xFF, 0x42, 0x42, 0x42, 0x42, 0x10, 0x20}},
      {"icon cut inside its directory", {icon.begin(), icon.begin() + 10}},
      {"icon cut inside its image", {icon.begin(), icon.begin() + static_cast<std::ptrdiff_t>(icon.size() / 2)}},
      {"icon image replaced by garbage", garbageIcon},
      {"bitmap cut inside its pixels", {bitmap.begin(), bitmap.begin() + 500}},
      {"JPEG cut in half", corruptJpeg},
      {"JPEG signature only", {0xFF, 0xD8, 0xFF}},
  };
  for (const Case& c : cases) {
    const Picture p = resources::PictureFromFile(c.bytes.data(), c.bytes.size());
    EXPECT_TRUE(p.icon == nullptr && p.bitmap == nullptr && p.width == 0 && p.height == 0) << c.name;
    if (p.icon) DestroyIcon(p.icon);
    if (p.bitmap) DeleteObject(p.bitmap);
  }
  const Picture none = resources::PictureFromFile(nullptr, 0);
  EXPECT_TRUE(none.icon == nullptr && none.bitmap == nullptr) << "no data";
}

TEST(LoadImagePicture, GivesAnEmptyPictureOutsideOneToNineteen) {
  for (int number : {0, 20, -1, 100}) {
    const Picture p = resources::LoadImagePicture(number);
    EXPECT_TRUE(p.icon == nullptr && p.bitmap == nullptr && p.width == 0) << "image " << number;
  }
}

}  // namespace
