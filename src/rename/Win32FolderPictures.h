#pragma once
// What the plan of a pass reads of Windows: the names a folder holds, and letter case as the file system folds it.

#include "rename/PassPlan.h"

namespace renaming {

class Win32FolderLister : public FolderLister {
 public:
  std::vector<std::wstring> NamesIn(const std::wstring& folder) override;
};

// Capitals of every UTF-16 unit by the invariant locale's rule, made once.
const LetterCaseFold& PlatformLetterCase();

}  // namespace renaming
