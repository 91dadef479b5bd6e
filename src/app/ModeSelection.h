#pragma once
// Which mode panel a click on one of the three mode boxes leaves on show. Window-free.

#include <array>

namespace app {

// Mode boxes in number order: replace part (14), renumber (15), add to name (16).
enum class RenameModeBox { Replace = 0, Renumber = 1, Append = 2 };

struct ModeChoice {
  bool panelChanges = false;       // false: no box ticked, the panel on show stays
  RenameModeBox shown = RenameModeBox::Replace;
  std::array<bool, 3> ticked{};    // the boxes' states afterwards
};

// ticked: the boxes' states after the click has toggled the clicked box. The clicked box is examined first,
// then the two others in number order; the first one found ticked decides and is left the only one ticked.
ModeChoice SelectRenameMode(RenameModeBox clicked, const std::array<bool, 3>& ticked);

}  // namespace app
