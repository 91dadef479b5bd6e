#include "controls/IconButtonLook.h"

namespace controls {

IconButtonLook IconButtonLookOf(unsigned itemState) {
  if (itemState & 0x0001u) return IconButtonLook::Pressed;
  if (itemState & 0x0010u) return IconButtonLook::Focused;
  if (itemState & 0x0004u) return IconButtonLook::Disabled;
  return IconButtonLook::Normal;
}

int PushButtonThemeStateFor(IconButtonLook look, bool hot) {
  switch (look) {
    case IconButtonLook::Pressed: return 3;
    case IconButtonLook::Focused: return hot ? 2 : 5;
    case IconButtonLook::Disabled: return 4;
    case IconButtonLook::Normal: return hot ? 2 : 1;
  }
  return 1;
}

ClassicEdges ClassicEdgesFor(IconButtonLook look, int w, int h) {
  constexpr int frame = kEdgeWindowFrame, shadow = kEdgeShadow, light = kEdgeHighlight;
  switch (look) {
    case IconButtonLook::Pressed:
      return {{{frame, 0, 0, w, 0},
               {frame, 0, 0, 0, h - 1},
               {frame, 0, h - 1, w, h - 1},
               {frame, w - 1, 0, w - 1, h},
               {shadow, 1, 1, w - 1, 1},
               {shadow, 1, 2, 1, h - 2},
               {shadow, 1, h - 2, w - 1, h - 2},
               {shadow, w - 2, 2, w - 2, h - 2}},
              2, 2, w - 2, h - 2};
    case IconButtonLook::Focused:
      return {{{frame, 0, 0, w, 0},
               {frame, 0, 0, 0, h - 1},
               {frame, 0, h - 1, w, h - 1},
               {frame, w - 1, 0, w - 1, h},
               {frame, 0, h - 2, w - 1, h - 2},
               {frame, w - 2, 0, w - 2, h - 1},
               {light, 1, 1, w - 2, 1},
               {light, 1, 1, 1, h - 2},
               {shadow, 2, h - 3, w - 2, h - 3},
               {shadow, w - 3, 2, w - 3, h - 2}},
              2, 2, w - 3, h - 3};
    case IconButtonLook::Disabled:
    case IconButtonLook::Normal:
      break;
  }
  return {{{light, 0, 0, w, 0},
           {light, 0, 0, 0, h - 1},
           {frame, 0, h - 1, w, h - 1},
           {frame, w - 1, 0, w - 1, h},
           {shadow, 1, h - 2, w - 1, h - 2},
           {shadow, w - 2, 1, w - 2, h - 1}},
          1, 1, w - 2, h - 2};
}

}  // namespace controls
