#pragma once
// What one row of the file list gives a rename mode, and what the mode makes of it. Window-free.

#include <string>

namespace renaming {

// One row of the file list: its full path (column "Chemin complet") and its name (column "Nom").
struct RenameRow {
  std::wstring fullPath;
  std::wstring name;
};

// The rename one row asks for: the new name, the new path in the row's own folder, and the old name the rename log
// shows for that row.
struct RenamePlan {
  std::wstring newName;
  std::wstring newPath;
  std::wstring oldNameForLog;
};

}  // namespace renaming
