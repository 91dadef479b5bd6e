#include "controls/TaskPanePaint.h"

#include <vector>

#include "controls/ChevronPixels.h"
#include "controls/PaneBands.h"
#include "controls/PaneColors.h"
#include "controls/PaneMetrics.h"
#include "controls/TaskPaneKeys.h"
#include "controls/TaskPaneLayout.h"
#include "ui/ControlColors.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace controls {

namespace {

// The GDI objects one paint makes, deleted before it returns.
struct PaintTools {
  HDC dc = nullptr;
  double s = 1.0;  // the layout scale
  bool enabled = true;
  COLORREF lightEnd = 0;  // gradient end colour
  HBRUSH background = nullptr;
  HBRUSH light = nullptr;
  HBRUSH body = nullptr;
  HPEN captionPen = nullptr;
  HPEN hotPen = nullptr;
  HPEN separatorPen = nullptr;
};

COLORREF Color(int value) { return static_cast<COLORREF>(value); }

RECT ToRect(const PaneRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void OutlineFreeRectangle(HDC dc, HBRUSH brush, const PaneRect& r) {
  SelectObject(dc, GetStockObject(NULL_PEN));
  SelectObject(dc, brush);
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void FillClipped(HDC dc, HBRUSH brush, const RECT& strip, const RECT& update) {
  RECT part;
  if (IntersectRect(&part, &strip, &update)) FillRect(dc, &part, brush);
}

void FillMargins(const PaintTools& tools, const RECT& client, const RECT& update) {
  const int w = client.right, h = client.bottom;
  const int margin = PaneLength(kPaneMargin, tools.s);
  FillClipped(tools.dc, tools.background, {0, 0, margin, h}, update);
  FillClipped(tools.dc, tools.background, {0, 0, w, margin}, update);
  FillClipped(tools.dc, tools.background, {w - margin, 0, w, h}, update);
  FillClipped(tools.dc, tools.background, {0, h - margin, w, h}, update);
}

TRIVERTEX Vertex(int x, int y, COLORREF colour) {
  TRIVERTEX vertex{};
  vertex.x = x;
  vertex.y = y;
  vertex.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
  vertex.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
  vertex.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
  return vertex;
}

// Each pixel of the 96-DPI chevron is a block of the scale's size, in the caption's colour.
void DrawChevron(HDC dc, PanePoint centre, int collapsed, COLORREF colour, double s) {
  HBRUSH brush = CreateSolidBrush(colour);
  for (const PanePoint& pixel : ChevronPixelsFor(collapsed)) {
    RECT block{centre.x + PaneLength(pixel.x, s), centre.y + PaneLength(pixel.y, s), centre.x + PaneLength(pixel.x + 1, s),
               centre.y + PaneLength(pixel.y + 1, s)};
    FillRect(dc, &block, brush);
  }
  DeleteObject(brush);
}

void DrawHotBox(HDC dc, PanePoint centre, double s) {
  HotBoxPath path = HotBoxAround(centre, s);
  MoveToEx(dc, path.points[0].x, path.points[0].y, nullptr);
  LineTo(dc, path.points[1].x, path.points[1].y);
  LineTo(dc, path.points[2].x, path.points[2].y);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  LineTo(dc, path.points[3].x, path.points[3].y);
  LineTo(dc, path.points[4].x, path.points[4].y);
}

void DrawHeader(const TaskPaneState& state, const PaintTools& tools, TaskPaneItem& item, int index, int y, int h,
                int contentWidth) {
  HDC dc = tools.dc;
  const double s = tools.s;
  const int textRoom = PaneTextRoom(contentWidth, s);
  const bool hasIcon = item.icon != nullptr;
  OutlineFreeRectangle(dc, tools.background, HeaderCornerSquare(y, s));
  PaneRect ellipse = HeaderCornerEllipse(y, s);
  SelectObject(dc, tools.light);
  Ellipse(dc, ellipse.left, ellipse.top, ellipse.right, ellipse.bottom);
  OutlineFreeRectangle(dc, tools.light, HeaderLeftColumn(y, h, s));

  PaneRect band = HeaderGradient(y, h, contentWidth, s);
  TRIVERTEX ends[2] = {Vertex(band.left, band.top, Color(state.headerLightColor)),
                       Vertex(band.right, band.bottom, tools.lightEnd)};
  GRADIENT_RECT span{0, 1};
  GradientFill(dc, ends, 2, &span, 1, GRADIENT_FILL_RECT_H);

  if (HeaderIconFits(textRoom, s) && hasIcon) {
    PanePoint place = HeaderIconPlace(y, s);
    const int size = PaneLength(kPaneHeaderIconSize, s);
    DrawIconEx(dc, place.x, place.y, item.icon, size, size, 0, nullptr, DI_NORMAL);
  }
  const bool hot = item.kind == GroupHeader && IsPaneItemHot(state, index);
  if (HeaderCaptionFits(textRoom, s)) {
    HGDIOBJ oldFont = SelectObject(dc, item.font ? item.font : SharedPaneState().headerFont);
    SetTextColor(dc, tools.enabled ? Color(state.headerTextColor) : 0);
    if (hot) {
      SetTextColor(dc, Color(state.hotColor));
      SelectObject(dc, tools.hotPen);
    } else {
      SelectObject(dc, tools.captionPen);
    }
    RECT caption = ToRect(HeaderCaptionRect(y, h, textRoom, hasIcon, s));
    DrawTextW(dc, item.text ? item.text : L"", -1, &caption, kPaneHeaderCaptionFlags);
    SelectObject(dc, oldFont);
  }
  if (item.kind != GroupHeader) return;
  if (HeaderChevronFits(textRoom)) {
    PanePoint centre = ChevronCentre(y, h, textRoom, s);
    // The chevron takes the caption's pen; where the caption does not fit no pen is chosen and it stays unseen.
    if (HeaderCaptionFits(textRoom, s)) {
      DrawChevron(dc, centre, item.collapsed, Color(hot ? state.hotColor : state.headerTextColor), s);
    }
    if (hot) DrawHotBox(dc, centre, s);
  }
  item.hitRect = ToRect(HeaderHitRect(y, h, contentWidth, hasIcon, s));
}

HFONT UnderlinedCopy(HFONT font) {
  LOGFONTW description{};
  if (!GetObjectW(font, sizeof(description), &description)) return nullptr;
  description.lfUnderline = TRUE;
  return CreateFontIndirectW(&description);
}

void DrawLinkOrLabel(const TaskPaneState& state, const PaintTools& tools, TaskPaneItem& item, int index, int y,
                     int h, int contentWidth) {
  HDC dc = tools.dc;
  const double s = tools.s;
  const int textRoom = PaneTextRoom(contentWidth, s);
  OutlineFreeRectangle(dc, tools.body, ItemBodyRect(y, h, contentWidth, s));
  if (item.icon && LinkIconFits(textRoom, s)) {
    PanePoint place = LinkIconPlace(y, h, s);
    const int size = PaneLength(kPaneLinkIconSize, s);
    DrawIconEx(dc, place.x, place.y, item.icon, size, size, 0, nullptr, DI_NORMAL);
  }
  if (!LinkTextFits(textRoom, s)) return;
  HFONT font = item.font ? item.font : SharedPaneState().itemFont;
  HFONT underlined = nullptr;
  COLORREF colour = Color(item.kind == LinkItem ? state.linkColor : state.labelColor);
  if (item.kind == LinkItem && IsPaneItemHot(state, index)) {
    colour = Color(state.hotColor);
    underlined = UnderlinedCopy(font);
  }
  if (!tools.enabled) colour = 0;
  HGDIOBJ oldFont = SelectObject(dc, underlined ? underlined : font);
  SetTextColor(dc, colour);
  const wchar_t* text = item.text ? item.text : L"";
  RECT measured = ToRect(LinkTextArea(y, h, textRoom, s));
  DrawTextW(dc, text, -1, &measured, kPaneLinkMeasureFlags);
  RECT placed = ToRect(PlaceMeasuredText({measured.left, measured.top, measured.right, measured.bottom}, y, h));
  DrawTextW(dc, text, -1, &placed, kPaneLinkDrawFlags);
  SelectObject(dc, oldFont);
  if (underlined) DeleteObject(underlined);
  if (item.kind == LinkItem) item.hitRect = placed;
}

void DrawSeparator(const PaintTools& tools, int y, int h, int contentWidth) {
  HDC dc = tools.dc;
  OutlineFreeRectangle(dc, tools.body, ItemBodyRect(y, h, contentWidth, tools.s));
  if (!SeparatorLineFits(PaneTextRoom(contentWidth, tools.s))) return;
  SelectObject(dc, tools.separatorPen);
  PanePoint from = SeparatorLineStart(y, h, tools.s);
  PanePoint to = SeparatorLineEnd(y, h, contentWidth);
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
}

void PlaceHost(const TaskPaneItem& item, int y, int h, int contentWidth, double s) {
  HWND host = ui::ControlHandle(item.host);
  if (!host) return;
  PaneRect place = HostPlace(y, h, contentWidth, s);
  MoveWindow(host, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

}  // namespace

COLORREF PaneBackgroundColor(const TaskPaneState& state) {
  int back = ui::GetControlColor(state.frame, ui::kBackColor);
  return Color(back == -1 ? kPaneFallbackBackground : back);
}

bool IsPaneItemHot(const TaskPaneState& state, int index) {
  return SharedPaneState().hotCanvas == state.canvas && state.hotItem == index;
}

void PaintPaneCanvas(TaskPaneState& state, HDC dc, const RECT& update) {
  PaintTools tools;
  tools.dc = dc;
  tools.s = ui::LayoutScale();
  tools.enabled = IsWindowEnabled(state.canvas) != FALSE;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  tools.lightEnd = tools.enabled ? Color(state.groupBodyColor) : face;
  tools.light = CreateSolidBrush(tools.enabled ? Color(state.headerLightColor) : face);
  tools.body = CreateSolidBrush(tools.enabled ? Color(state.groupBodyColor) : face);
  tools.background = CreateSolidBrush(PaneBackgroundColor(state));
  tools.captionPen = CreatePen(PS_SOLID, 1, Color(state.headerTextColor));
  tools.hotPen = CreatePen(PS_SOLID, PaneLength(1, tools.s), Color(state.hotColor));
  tools.separatorPen = CreatePen(PS_SOLID, 1, Color(state.separatorColor));
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  int oldMode = SetBkMode(dc, TRANSPARENT);

  RECT client;
  GetClientRect(state.canvas, &client);
  const int contentWidth = PaneContentWidth(client.right, tools.s);
  if (PanePaintsOnlyBackground(contentWidth, tools.s)) {
    FillRect(dc, &update, tools.background);
  } else {
    FillMargins(tools, client, update);
    std::vector<PaneBandItem> items = PaneBandItemsOf(state);
    for (const PaneBand& band : PlanPanePaint(items, update.top, update.bottom, tools.s)) {
      TaskPaneItem* item = PaneItemOf(state, band.item);
      if (!item) continue;
      if (band.fillsGapAbove) {
        RECT gap{update.left, band.gapTop, update.right, band.y};
        FillRect(dc, &gap, tools.background);
      }
      if (!band.shown) {
        item->hitRect.right = -1;
        continue;
      }
      if (!band.drawn) continue;
      switch (item->kind) {
        case GroupHeader:
        case FixedHeader: DrawHeader(state, tools, *item, band.item, band.y, band.h, contentWidth); break;
        case LinkItem:
        case LabelItem: DrawLinkOrLabel(state, tools, *item, band.item, band.y, band.h, contentWidth); break;
        case SeparatorItem: DrawSeparator(tools, band.y, band.h, contentWidth); break;
        case HostItem: PlaceHost(*item, band.y, band.h, contentWidth, tools.s); break;
        default: break;
      }
      RECT focus;
      if (PaneFocusRect(state, band.item, &focus)) DrawFocusRect(dc, &focus);
    }
  }

  SetBkMode(dc, oldMode);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(tools.light);
  DeleteObject(tools.body);
  DeleteObject(tools.background);
  DeleteObject(tools.captionPen);
  DeleteObject(tools.hotPen);
  DeleteObject(tools.separatorPen);
}

}  // namespace controls
