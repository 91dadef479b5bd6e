#include <gtest/gtest.h>

#include <cstdlib>

#include "TaskPaneTestSupport.h"
#include "controls/ChevronPixels.h"
#include "controls/PaneColors.h"
#include "controls/ScrollContainer.h"
#include "controls/TaskPanePaint.h"
#include "ui/ControlColors.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace controls {
namespace {

using controlstest::BoundsOf;
using controlstest::CountColour;
using controlstest::CountOther;
using controlstest::Hex;
using controlstest::PaneFixture;
using controlstest::Picture;

constexpr COLORREF kBackground = 0xAE795A;  // the frame's colour at creation
constexpr COLORREF kBody = 0x8A5E44;
constexpr COLORREF kCaption = RGB(200, 0, 0);
constexpr COLORREF kHeaderIconColour = RGB(0, 160, 0);
constexpr COLORREF kLinkIconColour = RGB(0, 0, 255);
constexpr COLORREF kLinkText = 0xF2F1EE;
constexpr COLORREF kHot = 0xCAA793;
constexpr COLORREF kPrefill = RGB(1, 2, 3);

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// Bands of the pane below, canvas 300 wide (W 280, T 250):
//   0 group header, no icon   y 10..45     chevron centre (278, 27)
//   1 link with icon          y 45..70     icon at (20, 49)
//   2 label                   y 70..95
//   3 separator               y 95..105    line on row 104
//   4 host                    y 105..135
//     gap                     y 135..150
//   5 group header with icon  y 150..185   icon at (0, 138)
//     gap                     y 185..200
//   6 fixed header            y 200..235
class TaskPanePaint : public testing::Test {
 protected:
  void SetUp() override {
    headerIcon = controlstest::SolidIcon(48, kHeaderIconColour);
    linkIcon = controlstest::SolidIcon(16, kLinkIconColour);
    fixture.Add(GroupHeader, 35, L"Groupe");
    fixture.Add(LinkItem, 25, L"Lien", linkIcon, 5);
    fixture.Add(LabelItem, 25, L"Étiquette");
    fixture.Add(SeparatorItem, 10);
    host = fixture.Add(HostItem, 30);
    fixture.Add(GroupHeader, 35, L"Second", headerIcon);
    fixture.Add(FixedHeader, 35, L"Fixe", headerIcon);
    SetPaneColor(fixture.pane(), kHeaderTextColor, static_cast<int>(kCaption));
  }
  void TearDown() override {
    DestroyIcon(headerIcon);
    DestroyIcon(linkIcon);
  }

  void MakeHot(int index) {
    fixture.state().hotItem = index;
    SharedPaneState().hotCanvas = fixture.canvas();
  }

  TaskPaneItem& Item(int index) { return *PaneItemOf(fixture.state(), index); }

  PaneFixture fixture{300, 400};
  HICON headerIcon = nullptr;
  HICON linkIcon = nullptr;
  int host = 0;
};

TEST_F(TaskPanePaint, CanvasFitsTheContent) {
  EXPECT_EQ(ScrollInnerHeight(fixture.pane()), 245) << "235 + bottom margin";
  EXPECT_EQ(ScrollInnerWidth(fixture.pane()), 300) << "shorter than the frame: full width";
}

TEST_F(TaskPanePaint, MarginsInTheBackground) {
  Picture p = fixture.Print();
  EXPECT_EQ(p.At(5, 100), kBackground) << Hex(p.At(5, 100)) << " left margin";
  EXPECT_EQ(p.At(150, 5), kBackground) << "top margin";
  EXPECT_EQ(p.At(295, 60), kBackground) << "right margin";
  EXPECT_EQ(p.At(150, 240), kBackground) << "bottom margin";
  EXPECT_EQ(p.At(150, 140), kBackground) << "gap between the groups";
  EXPECT_EQ(p.At(289, 60), kBody) << "last column of a link band";
}

TEST_F(TaskPanePaint, HeaderCornerIsRounded) {
  Picture p = fixture.Print();
  EXPECT_EQ(p.At(10, 10), kBackground) << "outside the corner ellipse";
  EXPECT_EQ(p.At(12, 12), kBackground) << "outside the 20 x 20 ellipse";
  EXPECT_EQ(p.At(20, 11), RGB(255, 255, 255)) << "ellipse top in the light colour";
  EXPECT_EQ(p.At(11, 20), RGB(255, 255, 255)) << "ellipse left in the light colour";
  EXPECT_EQ(p.At(10, 30), RGB(255, 255, 255)) << "light column below the ellipse";
  EXPECT_EQ(p.At(19, 44), RGB(255, 255, 255)) << "light column to the band's last row";
}

TEST_F(TaskPanePaint, GradientRunsFromLightToBody) {
  Picture p = fixture.Print();
  EXPECT_TRUE(Near(p.At(20, 11), RGB(255, 255, 255), 0)) << Hex(p.At(20, 11)) << " gradient starts light";
  EXPECT_TRUE(Near(p.At(289, 11), kBody, 2)) << Hex(p.At(289, 11)) << " gradient ends in the body colour";
  EXPECT_TRUE(Near(p.At(155, 11), RGB((255 + 68) / 2, (255 + 94) / 2, (255 + 138) / 2), 3))
      << Hex(p.At(155, 11)) << " half way";
  EXPECT_EQ(p.At(289, 44), p.At(289, 11)) << "horizontal gradient: same colour down a column";
}

TEST_F(TaskPanePaint, ChevronPixelsOfBothStates) {
  for (int collapsed : {0, 1}) {
    SetPaneItemState(fixture.pane(), 0, collapsed);
    Picture p = fixture.Print();
    const PanePoint centre{278, 27};
    for (const PanePoint& pixel : ChevronPixelsFor(collapsed)) {
      EXPECT_EQ(p.At(centre.x + pixel.x, centre.y + pixel.y), kCaption)
          << "collapsed " << collapsed << ": pixel (" << pixel.x << ", " << pixel.y << ")";
    }
    int inked = CountColour(p, kCaption, {centre.x - 5, centre.y - 6, centre.x + 6, centre.y + 6});
    EXPECT_EQ(inked, 24) << "collapsed " << collapsed << ": nothing else around the chevron";
    const PanePoint empty = collapsed ? PanePoint{0, 0} : PanePoint{0, -1};
    EXPECT_NE(p.At(centre.x + empty.x, centre.y + empty.y), kCaption) << "inside of the chevron";
  }
}

TEST_F(TaskPanePaint, HeaderCaptionStartsAfterItsIcon) {
  Picture p = fixture.Print();
  RECT first = BoundsOf(p, kCaption, {10, 10, 270, 45});
  ASSERT_LE(first.left, first.right) << "caption drawn";
  EXPECT_GE(first.left, 20) << "no icon: caption from x 20";
  EXPECT_LT(first.left, 26);
  RECT second = BoundsOf(p, kCaption, {10, 150, 270, 185});
  EXPECT_GE(second.left, 55) << "icon: caption from x 55";
  EXPECT_LT(second.left, 61);
  EXPECT_GE(first.top, 10 + 35 / 2 - 10) << "caption centred vertically";
  EXPECT_LE(first.bottom, 10 + 35 / 2 + 10);
}

TEST_F(TaskPanePaint, HeaderIconOverhangsItsBand) {
  Picture p = fixture.Print();
  RECT icon = BoundsOf(p, kHeaderIconColour, {0, 130, 60, 187});  // the fixed header's icon starts at 188
  EXPECT_EQ(icon.left, 0) << "icon at x 0";
  EXPECT_EQ(icon.top, 150 - 12) << "12 rows above the band, over the gap";
  EXPECT_EQ(icon.right, 47) << "48 wide";
  EXPECT_EQ(icon.bottom, 150 + 35 - 1) << "48 high, its last row under the next gap's fill, painted later";
  EXPECT_EQ(p.At(20, 185), kBackground) << "the gap below the group";
}

TEST_F(TaskPanePaint, FixedHeaderHasNoChevronAndNoHitRect) {
  Picture p = fixture.Print();
  EXPECT_EQ(CountColour(p, kCaption, {270, 205, 290, 230}), 0) << "no chevron";
  EXPECT_GT(CountColour(p, kCaption, {55, 200, 270, 235}), 5) << "but its caption";
  EXPECT_EQ(Item(6).hitRect.right, 0) << "never hot: no hit rectangle";
  EXPECT_EQ(Item(5).hitRect.left, 55) << "a group header with icon reacts from x 55";
  EXPECT_EQ(Item(0).hitRect.left, 10);
  EXPECT_EQ(Item(0).hitRect.right, 290) << "to W + 10";
  EXPECT_EQ(Item(0).hitRect.top, 10);
  EXPECT_EQ(Item(0).hitRect.bottom, 45);
}

TEST_F(TaskPanePaint, LinkIconTextAndHitRect) {
  Picture p = fixture.Print();
  RECT icon = BoundsOf(p, kLinkIconColour, {10, 45, 60, 70});
  EXPECT_EQ(icon.left, 20) << "link icon at x 20";
  EXPECT_EQ(icon.top, 45 + 12 - 8) << "centred on the band";
  EXPECT_EQ(icon.right, 35);
  EXPECT_EQ(icon.bottom, 64);
  EXPECT_EQ(p.At(12, 50), kBody) << "link band in the body colour";
  const RECT& hit = Item(1).hitRect;
  EXPECT_EQ(hit.left, 40) << "text from x 40";
  EXPECT_GT(hit.top, 45) << "measured text centred in the band";
  EXPECT_LT(hit.bottom, 70);
  EXPECT_LT(hit.right, 120) << "hit rectangle as wide as the text";
  EXPECT_GT(CountColour(p, kLinkText, hit), 5) << "text in the link colour";
  EXPECT_EQ(Item(2).hitRect.right, 0) << "labels get no hit rectangle";
  EXPECT_GT(CountColour(p, RGB(0, 0, 0), {40, 70, 270, 95}), 5) << "label text in black";
}

TEST_F(TaskPanePaint, SeparatorLineAlongTheBandBottom) {
  Picture p = fixture.Print();
  EXPECT_EQ(p.At(20, 104), RGB(255, 255, 255)) << "line starts at x 20";
  EXPECT_EQ(p.At(279, 104), RGB(255, 255, 255)) << "line ends before x W";
  EXPECT_EQ(p.At(280, 104), kBody) << "end point not drawn";
  EXPECT_EQ(p.At(19, 104), kBody);
  EXPECT_EQ(p.At(100, 103), kBody) << "only the last row";
  EXPECT_EQ(CountOther(p, kBody, {10, 95, 290, 104}), 0) << "rest of the band in the body colour";
}

TEST_F(TaskPanePaint, HostContainerTakesItsBand) {
  fixture.Print();
  HWND container = ui::ControlHandle(host);
  RECT place;
  GetWindowRect(container, &place);
  MapWindowPoints(nullptr, fixture.canvas(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 10);
  EXPECT_EQ(place.top, 105);
  EXPECT_EQ(place.right - place.left, 280) << "W wide";
  EXPECT_EQ(place.bottom - place.top, 30) << "band high";
}

TEST_F(TaskPanePaint, HotHeaderShowsHotBox) {
  MakeHot(0);
  Picture p = fixture.Print();
  const int cx = 278, cy = 27;
  for (const PanePoint& pixel : ChevronPixelsFor(0)) {
    EXPECT_EQ(p.At(cx + pixel.x, cy + pixel.y), kHot) << "chevron in the hot colour";
  }
  EXPECT_EQ(p.At(cx + 8, cy), kHot) << "right side in the hot pen";
  EXPECT_EQ(p.At(cx + 8, cy - 8), kHot) << "right side from the top corner";
  EXPECT_EQ(p.At(cx, cy + 8), kHot) << "bottom side in the hot pen";
  EXPECT_EQ(p.At(cx - 7, cy), RGB(255, 255, 255)) << "left side white";
  EXPECT_EQ(p.At(cx, cy - 8), RGB(255, 255, 255)) << "top side white";
  EXPECT_GT(CountColour(p, kHot, {20, 10, 100, 45}), 5) << "caption in the hot colour";
  EXPECT_EQ(CountColour(p, kCaption, {20, 10, 100, 45}), 0) << "and not in its own";
}

TEST_F(TaskPanePaint, HotLinkIsUnderlined) {
  Picture cold = fixture.Print();
  MakeHot(1);
  Picture hot = fixture.Print();
  const RECT& hit = Item(1).hitRect;
  EXPECT_EQ(CountColour(hot, kLinkText, hit), 0) << "no longer in the link colour";
  int width = hit.right - hit.left;
  int longestRow = 0;
  for (int y = hit.top; y < hit.bottom; ++y) {
    longestRow = std::max(longestRow, CountColour(hot, kHot, {hit.left, y, hit.right, y + 1}));
  }
  EXPECT_GE(longestRow, width - 3) << "an underline runs under the whole text";
  int coldLongest = 0;
  for (int y = hit.top; y < hit.bottom; ++y) {
    coldLongest = std::max(coldLongest, CountColour(cold, kLinkText, {hit.left, y, hit.right, y + 1}));
  }
  EXPECT_LT(coldLongest, width - 3) << "not underlined when not hot";
}

TEST_F(TaskPanePaint, HotStateNeedsThisCanvas) {
  Picture cold = fixture.Print();
  fixture.state().hotItem = 0;
  SharedPaneState().hotCanvas = kNoHotCanvas;
  EXPECT_TRUE(fixture.Print() == cold) << "hotItem alone does not light the header: hotCanvas must name this canvas";
}

TEST_F(TaskPanePaint, DisabledPaneUsesFaceColourAndBlackText) {
  EnableWindow(fixture.frame(), FALSE);
  EXPECT_FALSE(IsWindowEnabled(fixture.canvas())) << "canvas follows the frame";
  Picture p = fixture.Print();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(p.At(10, 30), face) << "header light parts in face colour";
  EXPECT_TRUE(Near(p.At(289, 11), face, 2)) << "gradient ends in face colour";
  EXPECT_TRUE(Near(p.At(20, 11), RGB(255, 255, 255), 0)) << "gradient still starts in the light colour";
  EXPECT_EQ(p.At(12, 50), face) << "link band in face colour";
  EXPECT_EQ(CountColour(p, kLinkText, Item(1).hitRect), 0) << "link text not in its colour";
  EXPECT_GT(CountColour(p, RGB(0, 0, 0), Item(1).hitRect), 5) << "but in black";
  EXPECT_GT(CountColour(p, RGB(0, 0, 0), {20, 10, 100, 45}), 5) << "header caption in black";
  EXPECT_EQ(ui::GetControlColor(host, ui::kBackColor), static_cast<int>(face)) << "hosts in face colour";
  EnableWindow(fixture.frame(), TRUE);
  EXPECT_EQ(ui::GetControlColor(host, ui::kBackColor), static_cast<int>(kBody)) << "and back to the body colour";
}

TEST_F(TaskPanePaint, FoldedItemsAreMarkedEmpty) {
  fixture.Print();
  SetPaneItemState(fixture.pane(), 0, 1);
  fixture.Print();
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(Item(i).hitRect.right, -1) << "item " << i << " folded away";
  RECT place;
  GetWindowRect(ui::ControlHandle(host), &place);
  MapWindowPoints(nullptr, fixture.canvas(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, -100) << "host of the folded group out of sight";
  EXPECT_EQ(place.top, -100);
  EXPECT_EQ(Item(5).hitRect.top, 10 + 35 + 15) << "second header moves up";
}

TEST_F(TaskPanePaint, UpdateRectangleLimitsThePaint) {
  Picture all = fixture.Print();
  // Paint only the link band into a fresh bitmap.
  PaneFixture& f = fixture;
  RECT client;
  GetClientRect(f.canvas(), &client);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH prefill = CreateSolidBrush(kPrefill);
  FillRect(dc, &client, prefill);
  DeleteObject(prefill);
  PaintPaneCanvas(f.state(), dc, {0, 45, 300, 70});
  COLORREF header = GetPixel(dc, 150, 20), margin = GetPixel(dc, 5, 50), above = GetPixel(dc, 5, 30);
  COLORREF link = GetPixel(dc, 12, 50), label = GetPixel(dc, 12, 80);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(header, kPrefill) << "header band outside the update is not drawn";
  EXPECT_EQ(above, kPrefill) << "margin strips are clipped to the update";
  EXPECT_EQ(margin, kBackground) << "margin inside the update";
  EXPECT_EQ(link, kBody) << "link band drawn";
  EXPECT_EQ(label, kPrefill) << "the walk stops at the update's bottom";
  EXPECT_EQ(all.At(12, 80), kBody) << "the full paint reaches the label";
}

TEST(TaskPaneNarrow, PaneNarrowerThanFortyPaintsOnlyBackground) {
  PaneFixture fixture(39, 300);
  fixture.Add(GroupHeader, 35, L"Groupe");
  fixture.Add(LinkItem, 25, L"Lien");
  Picture p = fixture.Print();
  EXPECT_EQ(CountOther(p, kBackground, {0, 0, p.width, p.height}), 0) << "W < 20: background only";
}

TEST(TaskPaneNarrow, NoCaptionNoChevronButAHitRect) {
  PaneFixture fixture(60, 300);  // W 40, T 10
  fixture.Add(GroupHeader, 35, L"Groupe");
  SetPaneColor(fixture.pane(), kHeaderTextColor, static_cast<int>(kCaption));
  Picture p = fixture.Print();
  EXPECT_EQ(CountColour(p, kCaption, {0, 0, p.width, p.height}), 0) << "no caption, no chevron";
  const TaskPaneItem* header = PaneItemOf(fixture.state(), 0);
  EXPECT_EQ(header->hitRect.left, 10);
  EXPECT_EQ(header->hitRect.right, 50) << "hit rectangle to W + 10";
}

TEST(TaskPaneEmpty, FrameShowsTheBackgroundBelowAnEmptyCanvas) {
  PaneFixture fixture(200, 150);
  EXPECT_EQ(ScrollInnerHeight(fixture.pane()), 0);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 150);
  HGDIOBJ old = SelectObject(dc, bitmap);
  LRESULT erased = SendMessageW(fixture.frame(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  COLORREF top = GetPixel(dc, 0, 0), bottom = GetPixel(dc, 199, 149);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(erased, 1);
  EXPECT_EQ(top, kBackground) << "from the canvas height (0) down";
  EXPECT_EQ(bottom, kBackground);
}

// The same pane at layout scale 1.5: every measure, the fonts and the icons grow, the chevron's pixels become
// blocks. Canvas 450 wide (W 420, T 375); header 0 at y 15..68, link 1 at y 68..105.
class TaskPaneScaledPaint : public TaskPanePaint {
 protected:
  static void SetUpTestSuite() {
    ui::SetLayoutScale(1.5);
    LoadPaneFonts();
  }
  static void TearDownTestSuite() {
    ui::SetLayoutScale(1.0);
    LoadPaneFonts();
  }
};

TEST_F(TaskPaneScaledPaint, MeasuresGrowByTheScale) {
  EXPECT_EQ(ScrollInnerHeight(fixture.pane()), 368) << "245 x 1.5";
  Picture p = fixture.Print();
  EXPECT_EQ(p.At(14, 100), kBackground) << "left margin 15";
  EXPECT_EQ(p.At(15, 15), kBackground) << "outside the 30 x 30 corner ellipse";
  EXPECT_EQ(p.At(15, 45), RGB(255, 255, 255)) << "light column below the ellipse";
  EXPECT_EQ(p.At(434, 80), kBody) << "last column of a link band";
  EXPECT_EQ(p.At(435, 80), kBackground) << "right margin 15";
  const RECT icon = BoundsOf(p, kLinkIconColour, {0, 68, 100, 105});
  EXPECT_EQ(icon.left, 30) << "link icon at x 20 x 1.5";
  EXPECT_EQ(icon.top, 74) << "centred in its band";
  EXPECT_EQ(icon.right - icon.left + 1, 24) << "drawn 24 pixels wide";
}

TEST_F(TaskPaneScaledPaint, ChevronPixelsAreBlocksOfTheScale) {
  Picture p = fixture.Print();
  const PanePoint centre{375 + 42, 15 + 53 / 2};
  int blocks = 0;
  for (const PanePoint& pixel : ChevronPixelsFor(0)) {
    const RECT block{centre.x + ui::Scaled(pixel.x), centre.y + ui::Scaled(pixel.y), centre.x + ui::Scaled(pixel.x + 1),
                     centre.y + ui::Scaled(pixel.y + 1)};
    EXPECT_EQ(CountOther(p, kCaption, block), 0) << "pixel (" << pixel.x << ", " << pixel.y << ") filled";
    blocks += (block.right - block.left) * (block.bottom - block.top);
  }
  const int inked = CountColour(p, kCaption, {centre.x - 8, centre.y - 9, centre.x + 9, centre.y + 9});
  EXPECT_GT(inked, 24 * 2) << "larger than at 96 DPI";
  EXPECT_LE(inked, blocks) << "nothing else around the chevron";
}

TEST_F(TaskPaneScaledPaint, TextsAreMadeForTheScale) {
  const int atScale = BoundsOf(fixture.Print(), kLinkText, {54, 68, 420, 105}).bottom -
                      BoundsOf(fixture.Print(), kLinkText, {54, 68, 420, 105}).top;
  ui::SetLayoutScale(1.0);
  LoadPaneFonts();
  PaneFixture plain{300, 400};
  plain.Add(GroupHeader, 35, L"Groupe");
  plain.Add(LinkItem, 25, L"Lien", linkIcon, 5);
  const RECT at96 = BoundsOf(plain.Print(), kLinkText, {36, 45, 280, 70});
  ui::SetLayoutScale(1.5);
  LoadPaneFonts();
  EXPECT_NEAR(atScale, (at96.bottom - at96.top) * 1.5, 2.0) << "link text height grows with the scale";
}

}  // namespace
}  // namespace controls
