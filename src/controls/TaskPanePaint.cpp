#include "controls/TaskPanePaint.h"

#include <vector>

#include "controls/ChevronPixels.h"
#include "controls/PaneBands.h"
#include "controls/PaneColors.h"
#include "controls/PaneMetrics.h"
#include "controls/TaskPaneLayout.h"
#include "ui/Objects.h"
#include "ui/WindowHost.h"

namespace controls {

namespace {

// The GDI objects one paint makes, deleted before it returns.
struct PaintTools {
  HDC dc = nullptr;
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
  FillClipped(tools.dc, tools.background, {0, 0, kPaneMargin, h}, update);
  FillClipped(tools.dc, tools.background, {0, 0, w, kPaneMargin}, update);
  FillClipped(tools.dc, tools.background, {w - kPaneMargin, 0, w, h}, update);
  FillClipped(tools.dc, tools.background, {0, h - kPaneMargin, w, h}, update);
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

void DrawChevron(HDC dc, PanePoint centre, int collapsed) {
  for (const PanePoint& pixel : ChevronPixelsFor(collapsed)) {
    MoveToEx(dc, centre.x + pixel.x, centre.y + pixel.y, nullptr);
    LineTo(dc, centre.x + pixel.x + 1, centre.y + pixel.y + 1);
  }
}

void DrawHotBox(HDC dc, PanePoint centre) {
  HotBoxPath path = HotBoxAround(centre);
  MoveToEx(dc, path.points[0].x, path.points[0].y, nullptr);
  LineTo(dc, path.points[1].x, path.points[1].y);
  LineTo(dc, path.points[2].x, path.points[2].y);
  SelectObject(dc, GetStockObject(WHITE_PEN));
  LineTo(dc, path.points[3].x, path.points[3].y);
  LineTo(dc, path.points[4].x, path.points[4].y);
}

void DrawHeader(const TaskPaneState& state, const PaintTools& tools, TaskPaneItem& item, int index, int y,
                int contentWidth) {
  HDC dc = tools.dc;
  const int h = item.height;
  const int textRoom = PaneTextRoom(contentWidth);
  const bool hasIcon = item.icon != nullptr;
  OutlineFreeRectangle(dc, tools.background, HeaderCornerSquare(y));
  PaneRect ellipse = HeaderCornerEllipse(y);
  SelectObject(dc, tools.light);
  Ellipse(dc, ellipse.left, ellipse.top, ellipse.right, ellipse.bottom);
  OutlineFreeRectangle(dc, tools.light, HeaderLeftColumn(y, h));

  PaneRect band = HeaderGradient(y, h, contentWidth);
  TRIVERTEX ends[2] = {Vertex(band.left, band.top, Color(state.headerLightColor)),
                       Vertex(band.right, band.bottom, tools.lightEnd)};
  GRADIENT_RECT span{0, 1};
  GradientFill(dc, ends, 2, &span, 1, GRADIENT_FILL_RECT_H);

  if (HeaderIconFits(textRoom) && hasIcon) {
    PanePoint place = HeaderIconPlace(y);
    DrawIconEx(dc, place.x, place.y, item.icon, kPaneHeaderIconSize, kPaneHeaderIconSize, 0, nullptr, DI_NORMAL);
  }
  const bool hot = item.kind == GroupHeader && IsPaneItemHot(state, index);
  if (HeaderCaptionFits(textRoom)) {
    HGDIOBJ oldFont = SelectObject(dc, item.font ? item.font : SharedPaneState().headerFont);
    SetTextColor(dc, tools.enabled ? Color(state.headerTextColor) : 0);
    if (hot) {
      SetTextColor(dc, Color(state.hotColor));
      SelectObject(dc, tools.hotPen);
    } else {
      SelectObject(dc, tools.captionPen);
    }
    RECT caption = ToRect(HeaderCaptionRect(y, h, textRoom, hasIcon));
    DrawTextW(dc, item.text ? item.text : L"", -1, &caption, kPaneHeaderCaptionFlags);
    SelectObject(dc, oldFont);
  }
  if (item.kind != GroupHeader) return;
  if (HeaderChevronFits(textRoom)) {
    PanePoint centre = ChevronCentre(y, h, textRoom);
    DrawChevron(dc, centre, item.collapsed);
    if (hot) DrawHotBox(dc, centre);
  }
  item.hitRect = ToRect(HeaderHitRect(y, h, contentWidth, hasIcon));
}

HFONT UnderlinedCopy(HFONT font) {
  LOGFONTW description{};
  if (!GetObjectW(font, sizeof(description), &description)) return nullptr;
  description.lfUnderline = TRUE;
  return CreateFontIndirectW(&description);
}

void DrawLinkOrLabel(const TaskPaneState& state, const PaintTools& tools, TaskPaneItem& item, int index, int y,
                     int contentWidth) {
  HDC dc = tools.dc;
  const int h = item.height;
  const int textRoom = PaneTextRoom(contentWidth);
  OutlineFreeRectangle(dc, tools.body, ItemBodyRect(y, h, contentWidth));
  if (item.icon && LinkIconFits(textRoom)) {
    PanePoint place = LinkIconPlace(y, h);
    DrawIconEx(dc, place.x, place.y, item.icon, kPaneLinkIconSize, kPaneLinkIconSize, 0, nullptr, DI_NORMAL);
  }
  if (!LinkTextFits(textRoom)) return;
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
  RECT measured = ToRect(LinkTextArea(y, h, textRoom));
  DrawTextW(dc, text, -1, &measured, kPaneLinkMeasureFlags);
  RECT placed = ToRect(PlaceMeasuredText({measured.left, measured.top, measured.right, measured.bottom}, y, h));
  DrawTextW(dc, text, -1, &placed, kPaneLinkDrawFlags);
  SelectObject(dc, oldFont);
  if (underlined) DeleteObject(underlined);
  if (item.kind == LinkItem) item.hitRect = placed;
}

void DrawSeparator(const PaintTools& tools, const TaskPaneItem& item, int y, int contentWidth) {
  HDC dc = tools.dc;
  OutlineFreeRectangle(dc, tools.body, ItemBodyRect(y, item.height, contentWidth));
  if (!SeparatorLineFits(PaneTextRoom(contentWidth))) return;
  SelectObject(dc, tools.separatorPen);
  PanePoint from = SeparatorLineStart(y, item.height);
  PanePoint to = SeparatorLineEnd(y, item.height, contentWidth);
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
}

void PlaceHost(const TaskPaneItem& item, int y, int contentWidth) {
  HWND host = ui::ControlHandle(item.host);
  if (!host) return;
  PaneRect place = HostPlace(y, item.height, contentWidth);
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
  tools.enabled = IsWindowEnabled(state.canvas) != FALSE;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  tools.lightEnd = tools.enabled ? Color(state.groupBodyColor) : face;
  tools.light = CreateSolidBrush(tools.enabled ? Color(state.headerLightColor) : face);
  tools.body = CreateSolidBrush(tools.enabled ? Color(state.groupBodyColor) : face);
  tools.background = CreateSolidBrush(PaneBackgroundColor(state));
  tools.captionPen = CreatePen(PS_SOLID, 1, Color(state.headerTextColor));
  tools.hotPen = CreatePen(PS_SOLID, 1, Color(state.hotColor));
  tools.separatorPen = CreatePen(PS_SOLID, 1, Color(state.separatorColor));
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  int oldMode = SetBkMode(dc, TRANSPARENT);

  RECT client;
  GetClientRect(state.canvas, &client);
  const int contentWidth = PaneContentWidth(client.right);
  if (PanePaintsOnlyBackground(contentWidth)) {
    FillRect(dc, &update, tools.background);
  } else {
    FillMargins(tools, client, update);
    std::vector<PaneBandItem> items = PaneBandItemsOf(state);
    for (const PaneBand& band : PlanPanePaint(items, update.top, update.bottom)) {
      TaskPaneItem* item = PaneItemOf(state, band.item);
      if (!item) continue;
      if (band.fillsGapAbove) {
        RECT gap{update.left, band.y - kPaneGroupGap, update.right, band.y};
        FillRect(dc, &gap, tools.background);
      }
      if (!band.shown) {
        item->hitRect.right = -1;
        continue;
      }
      if (!band.drawn) continue;
      switch (item->kind) {
        case GroupHeader:
        case FixedHeader: DrawHeader(state, tools, *item, band.item, band.y, contentWidth); break;
        case LinkItem:
        case LabelItem: DrawLinkOrLabel(state, tools, *item, band.item, band.y, contentWidth); break;
        case SeparatorItem: DrawSeparator(tools, *item, band.y, contentWidth); break;
        case HostItem: PlaceHost(*item, band.y, contentWidth); break;
        default: break;
      }
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
