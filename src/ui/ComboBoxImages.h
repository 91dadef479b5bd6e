#pragma once
// The small pictures the entries of the program's combo boxes with images show: one image list for all of them,
// holding each picture once, at the small-icon size of the layout scale.

#include <windows.h>
#include <commctrl.h>

namespace ui {

HIMAGELIST ComboBoxImageList();
// The place of the picture (by number) in the list, added on first use; -1 when the number holds no icon.
int ComboBoxImageIndex(int imageNumber);
// After a change of scale: the list is made again at the new size, in the same order, and every box that showed
// the old one shows the new one.
void RebuildComboBoxImages();

}  // namespace ui
