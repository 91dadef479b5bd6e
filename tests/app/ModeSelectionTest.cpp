#include "app/ModeSelection.h"

#include <gtest/gtest.h>

namespace {

using app::RenameModeBox;

struct ModeCase {
  const char* what;
  RenameModeBox clicked;
  std::array<bool, 3> afterToggle;
  bool panelChanges;
  RenameModeBox shown;
  std::array<bool, 3> ticked;
};

TEST(SelectRenameMode, TheClickedBoxIsExaminedFirstThenTheOthersInNumberOrder) {
  const ModeCase cases[] = {
      {"ticking renumber while replace is ticked", RenameModeBox::Renumber, {true, true, false}, true,
       RenameModeBox::Renumber, {false, true, false}},
      {"ticking append while replace is ticked", RenameModeBox::Append, {true, false, true}, true,
       RenameModeBox::Append, {false, false, true}},
      {"ticking replace while append is ticked", RenameModeBox::Replace, {true, false, true}, true,
       RenameModeBox::Replace, {true, false, false}},
      {"unticking the only ticked box", RenameModeBox::Replace, {false, false, false}, false,
       RenameModeBox::Replace, {false, false, false}},
      {"two ticked, a click ticks append", RenameModeBox::Append, {true, true, true}, true, RenameModeBox::Append,
       {false, false, true}},
      {"two ticked, a click unticks replace", RenameModeBox::Replace, {false, true, false}, true,
       RenameModeBox::Renumber, {false, true, false}},
      {"clicked append unticked, replace and renumber ticked: replace comes before renumber", RenameModeBox::Append,
       {true, true, false}, true, RenameModeBox::Replace, {true, false, false}},
      {"clicked renumber unticked, append ticked", RenameModeBox::Renumber, {false, false, true}, true,
       RenameModeBox::Append, {false, false, true}},
  };
  for (const ModeCase& c : cases) {
    app::ModeChoice choice = app::SelectRenameMode(c.clicked, c.afterToggle);
    EXPECT_EQ(choice.panelChanges, c.panelChanges) << c.what;
    if (c.panelChanges) {
      EXPECT_EQ(choice.shown, c.shown) << c.what;
    }
    EXPECT_EQ(choice.ticked, c.ticked) << c.what;
  }
}

}  // namespace
