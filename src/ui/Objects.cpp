#include "ui/Objects.h"

#include <map>
#include <vector>

#include "base/Numbers.h"

namespace ui {

namespace {

// Fresh numbers stay below 65536: WM_COMMAND carries a control id in 16 bits.
constexpr int kFirstFreshNumber = 20000;
constexpr int kLastFreshNumber = 65000;

struct Registry {
  std::map<int, HWND> windows;
  std::map<int, HWND> controls;
  std::map<int, HMENU> menus;
  std::vector<HBITMAP> menuBitmaps;
  std::map<int, Image> images;
  std::map<int, HFONT> fonts;
  std::vector<Image> retiredImages;
  std::vector<HFONT> retiredFonts;
  int nextFresh = kFirstFreshNumber;
};

Registry& Objects() {
  static Registry registry;
  return registry;
}

template <typename Map>
int FreshNumber(const Map& used, int& next) {
  for (int tries = 0; tries <= kLastFreshNumber - kFirstFreshNumber; ++tries) {
    int candidate = next;
    next = next >= kLastFreshNumber ? kFirstFreshNumber : next + 1;
    if (used.find(candidate) == used.end()) return candidate;
  }
  return -1;
}

}  // namespace

void RegisterWindow(int number, HWND window) { Objects().windows[number] = window; }

void ForgetWindow(int number) { Objects().windows.erase(number); }

HWND WindowHandle(int number) {
  auto& windows = Objects().windows;
  auto found = windows.find(number);
  if (found == windows.end() || !IsWindow(found->second)) return nullptr;
  return found->second;
}

int WindowNumberOf(HWND window) {
  for (const auto& [number, handle] : Objects().windows) {
    if (handle == window) return number;
  }
  return -1;
}

HWND ActiveProgramWindow() {
  HWND active = GetActiveWindow();
  if (active && WindowNumberOf(active) >= 0 && IsWindowEnabled(active)) return active;
  return WindowHandle(base::kMainWindow);
}

int ReserveControlNumber(int requested) {
  if (requested != kNewNumber) return requested;
  Registry& objects = Objects();
  // A stale entry (its window destroyed) does not hold its number.
  for (auto it = objects.controls.begin(); it != objects.controls.end();) {
    it = IsWindow(it->second) ? std::next(it) : objects.controls.erase(it);
  }
  return FreshNumber(objects.controls, objects.nextFresh);
}

void RegisterControl(int number, HWND control) { Objects().controls[number] = control; }

void ForgetControl(int number) { Objects().controls.erase(number); }

HWND ControlHandle(int number) {
  auto& controls = Objects().controls;
  auto found = controls.find(number);
  if (found == controls.end()) return nullptr;
  if (!IsWindow(found->second)) {
    controls.erase(found);
    return nullptr;
  }
  return found->second;
}

bool IsControl(int number) { return ControlHandle(number) != nullptr; }

void RegisterMenu(int number, HMENU menu) { Objects().menus[number] = menu; }

HMENU MenuHandle(int number) {
  auto& menus = Objects().menus;
  auto found = menus.find(number);
  return found == menus.end() ? nullptr : found->second;
}

void KeepMenuBitmap(HBITMAP bitmap) {
  if (bitmap) Objects().menuBitmaps.push_back(bitmap);
}

int RegisterImage(int number, const Image& image) {
  Registry& objects = Objects();
  if (number == kNewNumber) number = FreshNumber(objects.images, objects.nextFresh);
  objects.images[number] = image;
  return number;
}

const Image* FindImage(int number) {
  auto& images = Objects().images;
  auto found = images.find(number);
  if (found == images.end() || (!found->second.icon && !found->second.bitmap)) return nullptr;
  return &found->second;
}

HICON ImageIcon(int number) {
  const Image* image = FindImage(number);
  return image ? image->icon : nullptr;
}

int RegisterFont(int number, HFONT font) {
  Registry& objects = Objects();
  if (number == kNewNumber) number = FreshNumber(objects.fonts, objects.nextFresh);
  objects.fonts[number] = font;
  return number;
}

void ReplaceImage(int number, const Image& image) {
  Registry& objects = Objects();
  auto found = objects.images.find(number);
  if (found != objects.images.end()) {
    objects.retiredImages.push_back(found->second);
    found->second = image;  // in place: whoever holds the entry's address sees the new picture
  } else {
    objects.images[number] = image;
  }
}

void ReplaceFont(int number, HFONT font) {
  Registry& objects = Objects();
  auto found = objects.fonts.find(number);
  if (found != objects.fonts.end() && found->second) objects.retiredFonts.push_back(found->second);
  objects.fonts[number] = font;
}

HFONT FontHandle(int number) {
  auto& fonts = Objects().fonts;
  auto found = fonts.find(number);
  return found == fonts.end() ? nullptr : found->second;
}

void ReleaseAllObjects() {
  Registry& objects = Objects();
  for (auto& [number, menu] : objects.menus) DestroyMenu(menu);
  for (HBITMAP bitmap : objects.menuBitmaps) DeleteObject(bitmap);
  for (auto& [number, image] : objects.images) {
    if (image.icon) DestroyIcon(image.icon);
    if (image.bitmap) DeleteObject(image.bitmap);
  }
  for (auto& [number, font] : objects.fonts) DeleteObject(font);
  for (const Image& image : objects.retiredImages) {
    if (image.icon) DestroyIcon(image.icon);
    if (image.bitmap) DeleteObject(image.bitmap);
  }
  for (HFONT font : objects.retiredFonts) DeleteObject(font);
  objects.retiredImages.clear();
  objects.retiredFonts.clear();
  objects.menus.clear();
  objects.menuBitmaps.clear();
  objects.images.clear();
  objects.fonts.clear();
}

}  // namespace ui
