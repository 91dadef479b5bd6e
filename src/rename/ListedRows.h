#pragma once
// The file list's rows as the rename loop and its plan read them, each when it is reached.

#include "filelist/FileList.h"
#include "rename/RenameLoop.h"

namespace renaming {

class ListedRows : public RenameRows {
 public:
  int Count() const override { return filelist::FileRowCount(); }
  RenameRow Row(int index) const override { return {filelist::FileRowPath(index), filelist::FileRowName(index)}; }
};

}  // namespace renaming
