#pragma once
// A one-line text link: its text in the link colour, underlined, with the hand cursor over it. A click (button
// pressed and released over the link) is told to the parent as WM_COMMAND with notification code 0, as a button
// tells its click, so the program's window layer turns it into a control event.
//
// It is a tab stop that the keyboard presses as a push button: Space pressed and released on it is a click, and the
// dialog manager's Enter on a focused push button (ui/DialogKeys.h) reaches it as one. While it has the focus it
// draws the system's focus rectangle around its text, except while its window hides the focus cues
// (UISF_HIDEFOCUS: the keyboard has not been used yet).
//
// The background comes from the parent, as a static text's does: the link asks for it with WM_CTLCOLORSTATIC and
// fills its area with the brush the parent gives (the system's dialog colour when the parent gives none). The
// link colour is the link's own; the parent's answer does not change it.

#include <windows.h>

namespace controls {

inline constexpr const wchar_t* kHyperlinkClass = L"TarvelleHyperlink";
inline constexpr const wchar_t* kHyperlinkProperty = L"TARVELLEHYPERLINK";

// The record kept on each link window; freed with the window.
struct HyperlinkState {
  COLORREF linkColor = 0;
  HFONT font = nullptr;           // the font set by WM_SETFONT, drawn underlined
  HFONT underlinedFont = nullptr; // made from font; owned by the record
  bool pressed = false;           // the left button went down over the link and the link holds the capture
  bool spacePressed = false;      // Space went down on the link; its release clicks
};

// Creates the link under the current parent (ui/ChildList.h) with the system's default control font.
// Returns the link window, or null.
HWND CreateHyperlink(int number, int x, int y, int width, int height, const wchar_t* text, COLORREF linkColor);

// The record of a link window, null when the window is not a link.
HyperlinkState* HyperlinkStateOf(HWND link);

}  // namespace controls
