#pragma once
// Start-up steps 2, 3, 7 and 8: the image decoders, the six button icons, font 0 and pictures 1 to 19, made for
// the layout scale. Called again after a change of scale, each puts the new one under the same number.

namespace app {

void LoadButtonIcons();
void LoadGreetingFont();
void LoadPictures();

}  // namespace app
