#pragma once
// The rename criteria as one value: every field, box and option of the three mode panels that a rename reads, read
// from the window once. The request's checks, the pass and the new-name column all start from the same value, so
// that what the column foretells is what the pass is given. Window-free.

#include <optional>
#include <string>

#include "rename/AddToNameRule.h"
#include "rename/RenameModes.h"

namespace renaming {

struct RenameFields {
  bool replaceModeBox = false;     // mode box 1, "Modifier seulement une partie du nom"
  bool renumberModeBox = false;    // mode box 2, "Renommer et renuméroter totalement"
  bool addModeBox = false;         // mode box 3, "Ajouter des caractères en gardant le nom d'origine"
  // Replace panel.
  std::wstring partText;           // field 20
  std::wstring replacementText;    // field 22
  bool removeOnly = false;         // box 23
  // Renumber panel.
  std::wstring newNameText;        // field 26
  std::wstring renumberIncrementText = L"1";  // field 28
  std::wstring renumberStartText = L"1";      // field 30
  bool renumberSeparator = false;  // box 31
  // Append panel.
  std::wstring addedText;          // field 35
  AddPosition addPosition = AddPosition::None;  // options 36 and 37
  bool numbering = false;          // box 38
  std::wstring appendIncrementText = L"1";    // field 39
  std::wstring appendStartText = L"1";        // field 41
  bool appendSeparator = false;    // box 42
};

enum class ChosenMode { None, Replace, Renumber, Add };

// The first ticked mode box in the order 2, 1, 3.
ChosenMode ChosenModeOf(const RenameFields& fields);

// Whether the chosen mode has the text it starts from: the part, the new name or the added text.
bool ChosenModeHasItsText(const RenameFields& fields);

// The criteria of the chosen mode, its running number at the start field's value; none when no mode box is ticked.
std::optional<RenameCriteria> CriteriaOf(const RenameFields& fields);

}  // namespace renaming
