#pragma once
// The user's own folders that the places box offers; paths end with a backslash, empty when unknown.

#include <string>

namespace base {

enum class UserPlace { Documents, Pictures, Videos, Music, Desktop, Downloads };

std::wstring UserFolderPath(UserPlace place);

}  // namespace base
