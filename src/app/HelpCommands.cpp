#include "app/HelpCommands.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/HelpTexts.h"
#include "base/AppFolders.h"
#include "base/FileEntries.h"
#include "base/ProgramInfo.h"
#include "ui/MessageBoxes.h"

namespace app {

namespace {

// The shell's own error boxes are suppressed: the program says it in its own words.
bool HandToShell(const std::wstring& address) {
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof(request);
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.lpFile = address.c_str();
  request.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&request) != FALSE;
}

}  // namespace

void OpenHelp() {
  for (const wchar_t* relative : {kCompiledHelpFile, kTextHelpFile}) {
    std::wstring path = base::ProgramFolder() + relative;
    if (base::EntryExists(path)) {
      ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      return;
    }
  }
  ui::ShowMessage(base::kShortName, MissingHelpText(), ui::MessageIcon::Question);
}

void OpenWebsite() {
  if (!HandToShell(base::WebsiteAddress())) {
    ui::ShowMessage(L"Connexion...", L"Impossible de se connecter au site", ui::MessageIcon::Exclamation);
  }
}

void WriteToSupport() {
  if (!HandToShell(SupportMailText())) {
    ui::ShowMessage(L"Messagerie...", L"Impossible d'utiliser votre messagerie!", ui::MessageIcon::Exclamation);
  }
}

}  // namespace app
