#include "app/HelpCommands.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "app/AppFolders.h"
#include "app/HelpTexts.h"
#include "ui/MessageBoxes.h"

namespace app {

namespace {

// The shell may hand a request to extensions that need COM on this thread; it stays initialised for the rest of
// the run, since the shell can finish a request after the call returns.
void PrepareShell() {
  static const bool prepared = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  (void)prepared;
}

bool EntryExists(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

// The shell's own error boxes are suppressed: the program says it in its own words.
bool HandToShell(const std::wstring& address) {
  PrepareShell();
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
    std::wstring path = ProgramFolder() + relative;
    if (EntryExists(path)) {
      PrepareShell();
      ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      return;
    }
  }
  ui::ShowMessage(kShortName, MissingHelpText(), ui::MessageIcon::Question);
}

void OpenWebsite() {
  if (!HandToShell(WebsiteAddress())) {
    ui::ShowMessage(L"Connexion...", L"Impossible de se connecter au site", ui::MessageIcon::Exclamation);
  }
}

void WriteToSupport() {
  if (!HandToShell(SupportMailText())) {
    ui::ShowMessage(L"Messagerie...", L"Impossible d'utiliser votre messagerie!", ui::MessageIcon::Exclamation);
  }
}

}  // namespace app
