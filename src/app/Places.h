#pragma once
// The entries of the places box, in their order, and the user's folder each one shows in the explorer control.

#include "base/UserFolders.h"

namespace app {

struct Place {
  const wchar_t* text;
  base::UserPlace folder;
};

inline constexpr Place kPlaces[] = {
    {L"Mes documents", base::UserPlace::Documents}, {L"Mes images", base::UserPlace::Pictures},
    {L"Mes vidéos", base::UserPlace::Videos},       {L"Ma musique", base::UserPlace::Music},
    {L"Mon bureau", base::UserPlace::Desktop},      {L"Mes téléchargements", base::UserPlace::Downloads},
};

}  // namespace app
