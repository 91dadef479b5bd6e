#pragma once
// Who the program is: its title, version and the maker's addresses. Window-free.

#include <string>

#include "base/Version.h"

namespace base {

inline constexpr const wchar_t* kVersion = L"" TARVELLE_VERSION;
// The main window's title, also the name of the single-instance mutex.
inline constexpr const wchar_t* kProgramTitle = L"Tarvelle Rename V " TARVELLE_VERSION;
inline constexpr const wchar_t* kAboutTitle = L"A propos de Tarvelle Rename V " TARVELLE_VERSION;
inline constexpr const wchar_t* kShortName = L"Tarvelle Rename";
inline constexpr const wchar_t* kMakerName = L"" TARVELLE_MAKER;
inline constexpr const wchar_t* kCopyright = L"" TARVELLE_COPYRIGHT;
inline constexpr const wchar_t* kMakerNotice =
    L"Tarvelle Rename V " TARVELLE_VERSION L" - " TARVELLE_COPYRIGHT L" - Logiciel gratuit";
// The website: its name as the About window shows it, and its host.
inline constexpr const wchar_t* kWebsiteName = L"tarvelle.fr";
inline constexpr const wchar_t* kWebsiteHost = L"" TARVELLE_WEBSITE_HOST;
inline constexpr const wchar_t* kSupportAddress = L"" TARVELLE_SUPPORT_ADDRESS;

// The address the website link and its tooltip give.
inline std::wstring WebsiteAddress() { return std::wstring(L"https://") + kWebsiteHost + L"/index.html"; }

}  // namespace base
