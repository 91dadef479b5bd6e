#include "ui/ControlImages.h"

#include <windows.h>


#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/WindowRecords.h"

namespace ui {

namespace {

// The picture each image control and image button shows, by window.
WindowRecords<int>& ShownImages() {
  static WindowRecords<int> shown;
  return shown;
}

void ShowImage(HWND control, const Image& image) {
  const bool isButton = ClassNameOf(control) == L"Button";
  const UINT message = isButton ? BM_SETIMAGE : STM_SETIMAGE;
  if (image.icon) {
    SendMessageW(control, message, IMAGE_ICON, reinterpret_cast<LPARAM>(image.icon));
  } else {
    SendMessageW(control, message, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image.bitmap));
  }
}

}  // namespace

void SetControlImage(int number, int imageNumber) {
  HWND control = ControlHandle(number);
  const Image* image = FindImage(imageNumber);
  if (!control || !image) return;
  ShownImages()[control] = imageNumber;
  ShowImage(control, *image);
}

void RefreshControlImages() {
  ShownImages().ForEach([](HWND control, int imageNumber) {
    if (const Image* image = FindImage(imageNumber)) ShowImage(control, *image);
  });
}

}  // namespace ui
