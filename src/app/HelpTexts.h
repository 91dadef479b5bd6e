#pragma once
// What the help, website and mail commands hand to the shell or show: the help files' places, the mail address with
// its subject and the message for a missing help file. Window-free.

#include <string>

#include "base/ProgramInfo.h"

namespace app {

// Beside the program, looked for in this order.
inline constexpr const wchar_t* kCompiledHelpFile = L"DataFiles\\TRename Help.chm";
inline constexpr const wchar_t* kTextHelpFile = L"DataFiles\\TRename Help.txt";

// The address with the subject of the new mail; the blank before "?subject" is part of the text, and mail programs
// drop it from the address.
inline std::wstring SupportMailText() {
  return std::wstring(L"mailto:") + base::kSupportAddress + L" ?subject=Besoin d'aide avec Tarvelle Rename";
}

// Made afresh on every call, so that showing it again never adds to it.
inline std::wstring MissingHelpText() {
  return std::wstring(L"Aide Tarvelle Rename") + L"\n" + L"Il semble que le fichier d'aide soit introuvable.";
}

}  // namespace app
