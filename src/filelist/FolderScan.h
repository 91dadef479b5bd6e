#pragma once
// The folder scan: every entry of one folder whose extension is the chosen type becomes a row.

#include <string>

namespace filelist {

enum class FolderScanResult { Listed, NotAccessible };

// One pass over the entries of `folder` (ending with `\`), hidden and system ones included, in the order the file
// system gives them: "desktop.ini", "Thumbs.db", "." and ".." are skipped (exact case), every other entry that
// matches the chosen type is appended without the duplicate test. Sub-folders whose names match are listed like
// files and never entered. A folder that cannot be listed adds nothing.
FolderScanResult ListFolderContent(const std::wstring& folder, const std::wstring& chosenType);

}  // namespace filelist
