#pragma once
// The user's own folders that the places box offers; paths end with a backslash, empty when unknown.

#include <string>

namespace app {

enum class UserPlace { Documents, Pictures, Videos, Music, Desktop, Downloads };

std::wstring UserFolderPath(UserPlace place);

// Downloads through SHGetKnownFolderPath when the system has it, else the profile folder's "Downloads\".
// lookupKnownFolder false skips the first way, as on systems without it.
std::wstring DownloadsFolderPath(bool lookupKnownFolder = true);

}  // namespace app
