#include "ui/ComboBoxImages.h"

#include <utility>
#include <vector>

#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/WindowScaling.h"

namespace ui {

namespace {

HIMAGELIST& SharedList() {
  static HIMAGELIST list = ImageList_Create(SmallIconSize(), SmallIconSize(), ILC_COLOR32 | ILC_MASK, 8, 8);
  return list;
}

// Icons already placed in the list, by picture number, in the list's order.
std::vector<std::pair<int, int>>& PlacedImages() {
  static std::vector<std::pair<int, int>> placed;
  return placed;
}

}  // namespace

HIMAGELIST ComboBoxImageList() { return SharedList(); }

int ComboBoxImageIndex(int imageNumber) {
  for (const auto& [number, index] : PlacedImages()) {
    if (number == imageNumber) return index;
  }
  const Image* image = FindImage(imageNumber);
  if (!image || !image->icon || !SharedList()) return -1;
  int index = ImageList_AddIcon(SharedList(), image->icon);
  if (index >= 0) PlacedImages().emplace_back(imageNumber, index);
  return index;
}

void RebuildComboBoxImages() {
  HIMAGELIST old = SharedList();
  HIMAGELIST fresh = ImageList_Create(SmallIconSize(), SmallIconSize(), ILC_COLOR32 | ILC_MASK, 8, 8);
  if (!fresh) return;
  // Same order, same indexes: the boxes' entries keep naming their images.
  for (const auto& [number, index] : PlacedImages()) {
    const Image* image = FindImage(number);
    if (image && image->icon) ImageList_AddIcon(fresh, image->icon);
  }
  SharedList() = fresh;
  ForEachProgramControl([old, fresh](HWND child) {
    if (ClassNameOf(child) != WC_COMBOBOXEXW) return;
    if (reinterpret_cast<HIMAGELIST>(SendMessageW(child, CBEM_GETIMAGELIST, 0, 0)) != old) return;
    SendMessageW(child, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(fresh));
    InvalidateRect(child, nullptr, TRUE);
  });
  if (old) ImageList_Destroy(old);
}

}  // namespace ui
