#pragma once
// The user's own folders that the places box offers; paths end with a backslash, empty when unknown.

#include <string>

struct _ITEMIDLIST;

namespace base {

enum class UserPlace { Documents, Pictures, Videos, Music, Desktop, Downloads };

std::wstring UserFolderPath(UserPlace place);

// The file-system path a shell item list names, however long, ending with a backslash; empty for an item that is no
// file-system folder (or file).
std::wstring FolderPathOfItem(const _ITEMIDLIST* item);

}  // namespace base
