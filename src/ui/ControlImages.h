#pragma once
// The pictures of image controls and image buttons, by picture number (ui/Objects.h).

namespace ui {

// Shows the picture in the control (a static image control or a button) and remembers its number.
void SetControlImage(int number, int imageNumber);
// After a change of scale: every control shows its picture again, its number now holding the one for the new scale.
void RefreshControlImages();

}  // namespace ui
