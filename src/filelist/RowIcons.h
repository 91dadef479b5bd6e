#pragma once
// The small shell icons of the file list's rows. The shell is asked once per type where every file of the type
// shows the type's icon, and once per file for folders and for types whose files carry icons of their own. Each
// distinct icon is copied into the list's image list once; rows share it.

#include <windows.h>

#include <string>

namespace filelist {

// The list image for the path, or -1 when the shell gives none (a path that names no file).
int RowImageOf(HWND list, const std::wstring& path);
// The same for an entry known to exist, folder or not.
int RowImageOfEntry(HWND list, const std::wstring& path, bool isFolder);

// Gives the list a new image list at the small-icon size of the layout scale, with the same icons at the same
// indexes, taken again from the shell so that they are sharp; the rows keep their images.
void RebuildRowImages(HWND list);

}  // namespace filelist
