#include "app/ModeSelection.h"

#include <cstddef>

namespace app {

ModeChoice SelectRenameMode(RenameModeBox clicked, const std::array<bool, 3>& ticked) {
  const int first = static_cast<int>(clicked);
  std::array<int, 3> order{first, first == 0 ? 1 : 0, first == 2 ? 1 : 2};
  ModeChoice choice;
  for (int box : order) {
    if (!ticked[static_cast<std::size_t>(box)]) continue;
    choice.panelChanges = true;
    choice.shown = static_cast<RenameModeBox>(box);
    choice.ticked[static_cast<std::size_t>(box)] = true;
    return choice;
  }
  return choice;
}

}  // namespace app
