#pragma once
// The font every control of the program gets unless told otherwise, made for the current layout scale.

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

// Texts of the kind the program's captions hold: away from 96 DPI the font is the tallest whose rendering of
// each is no wider than at 96 DPI times the scale. Given once, before the first control; without them the font
// is simply scaled.
void SetControlFontSamples(std::vector<std::wstring> samples);

HFONT DefaultControlFont();

// After a change of layout scale: the controls that had the default font of the old scale take the new one.
void RefreshControlFonts(HFONT oldDefault);

}  // namespace ui
