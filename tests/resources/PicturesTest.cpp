#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
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

std::vector<Expected> AllPictures() {
  resources::RegisterImageDecoders();
  std::vector<Expected> all = {
      {"rename icon", resources::LoadButtonIcon(ButtonIcon::Rename), Kind::Icon, 24, 24, 32},
      {"clear icon", resources::LoadButtonIcon(ButtonIcon::Clear), Kind::Icon, 24, 24, 32},
      {"remove icon", resources::LoadButtonIcon(ButtonIcon::Remove), Kind::Icon, 24, 24, 32},
      {"help icon", resources::LoadButtonIcon(ButtonIcon::Help), Kind::Icon, 24, 24, 32},
      {"quit icon", resources::LoadButtonIcon(ButtonIcon::Quit), Kind::Icon, 24, 24, 32},
      {"characters icon", resources::LoadButtonIcon(ButtonIcon::Characters), Kind::Icon, 16, 16, 32},
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
  };
  for (const Numbered& n : numbered) {
    all.push_back({"image " + std::to_string(n.number), resources::LoadImagePicture(n.number), n.kind, n.width,
                   n.height, n.bits});
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

std::uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

TEST(Pictures, EveryEmbeddedPictureHasItsKindAndSize) {
  for (const Expected& e : AllPictures()) {
    OwnedPicture owned(e.picture);
    const Picture& p = e.picture;
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

TEST(Pictures, IconsWithAlphaBlendTheirEdgesAndTheAndMaskIconHasHardEdges) {
  for (const Expected& e : AllPictures()) {
    OwnedPicture owned(e.picture);
    if (e.kind != Kind::Icon || !e.picture.icon) continue;
    const Coverage c = MeasureCoverage(e.picture.icon, e.width, e.height);
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

// Reads a pixel of a decoded bitmap as 0x00RRGGBB through a device context, whatever its depth.
std::uint32_t BitmapPixel(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return Rgb(c);
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

TEST(Pictures, BannerStaysDarkWhereTheGreetingIsWrittenAndJoinsTheSideImage) {
  OwnedPicture banner(resources::LoadImagePicture(7));
  OwnedPicture side(resources::LoadImagePicture(8));
  ASSERT_NE(banner.picture.bitmap, nullptr);
  ASSERT_NE(side.picture.bitmap, nullptr);
  int brightest = 0;
  for (int y = 3; y < 36; y += 2) {
    for (int x = 0; x < 520; x += 4) {
      brightest = std::max(brightest, Luminance(BitmapPixel(banner.picture.bitmap, x, y)));
    }
  }
  EXPECT_LT(brightest, 100) << "white greeting text at the banner's left needs a dark background";
  int worstSeam = 0;
  for (int y = 0; y < 60; ++y) {
    worstSeam = std::max(worstSeam, ChannelDistance(BitmapPixel(banner.picture.bitmap, 833, y),
                                                    BitmapPixel(side.picture.bitmap, 0, y)));
  }
  EXPECT_LE(worstSeam, 12) << "the side image continues the banner without a visible step";
}

TEST(Pictures, BitmapsKeepTheirRowsTheRightWayUp) {
  OwnedPicture banner(resources::LoadImagePicture(7));
  OwnedPicture about(resources::LoadImagePicture(12));
  ASSERT_NE(banner.picture.bitmap, nullptr);
  ASSERT_NE(about.picture.bitmap, nullptr);
  // The banner has a warm orange rule along its bottom edge only.
  const std::uint32_t bottom = BitmapPixel(banner.picture.bitmap, 800, 59);
  const std::uint32_t top = BitmapPixel(banner.picture.bitmap, 800, 0);
  EXPECT_GT((bottom >> 16) & 0xFF, bottom & 0xFF) << "the banner's bottom row is the orange rule";
  EXPECT_LT((top >> 16) & 0xFF, top & 0xFF) << "the banner's top row is blue";
  // The About picture: light blue at its top, the dark name plate at its bottom.
  EXPECT_GT(Luminance(BitmapPixel(about.picture.bitmap, 4, 4)), Luminance(BitmapPixel(about.picture.bitmap, 4, 192)))
      << "the About picture is lighter at the top than at the bottom";
}

TEST(Pictures, SideImageIsOpaque) {
  OwnedPicture side(resources::LoadImagePicture(8));
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(side.picture.bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
  const auto* bytes = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
  int notOpaque = 0;
  for (int i = 0; i < 180 * 60; ++i) notOpaque += bytes[i * 4 + 3] != 255;
  EXPECT_EQ(notOpaque, 0) << "a control that shows it without blending must not reveal unset alpha";
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
  std::vector<std::uint8_t> garbageIcon = icon;
  for (std::size_t i = 22; i < garbageIcon.size(); ++i) garbageIcon[i] = static_cast<std::uint8_t>(i * 37);
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

TEST(LoadImagePicture, GivesAnEmptyPictureOutsideOneToEighteen) {
  for (int number : {0, 19, -1, 100}) {
    const Picture p = resources::LoadImagePicture(number);
    EXPECT_TRUE(p.icon == nullptr && p.bitmap == nullptr && p.width == 0) << "image " << number;
  }
}

}  // namespace
