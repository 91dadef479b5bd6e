#include "controls/PaneColors.h"

namespace controls {

int PaneCreationColor(int attribute) {
  switch (attribute) {
    case kPaneBackground: return 0xAE795A;  // RGB(90, 121, 174)
    case kHeaderLightColor: return 0xFFFFFF;
    case kHeaderTextColor: return 0x8A5E44;  // RGB(68, 94, 138)
    case kGroupBodyColor: return 0x8A5E44;
    case kLinkColor: return 0xF2F1EE;  // RGB(238, 241, 242)
    case kLabelColor: return 0x000000;
    case kSeparatorColor: return 0xFFFFFF;
    case kHotColor: return 0xCAA793;  // RGB(147, 167, 202)
    default: return -1;
  }
}

int PaneDefaultColor(int attribute) {
  switch (attribute) {
    case kPaneBackground: return 0xFD8782;  // RGB(130, 135, 253)
    case kHeaderLightColor: return 0xFFFFFF;
    case kHeaderTextColor: return 0xB3120A;  // RGB(10, 18, 179)
    case kGroupBodyColor: return 0xF7DFD6;   // RGB(214, 223, 247)
    case kLinkColor: return 0xC43507;        // RGB(7, 53, 196)
    case kLabelColor: return 0x000000;
    case kSeparatorColor: return 0xFFFFFF;
    case kHotColor: return 0xFCB8A0;  // RGB(160, 184, 252)
    default: return -1;
  }
}

}  // namespace controls
