#include "dialogs/ForbiddenCharacters.h"

#include <windows.h>
#include <richedit.h>

#include "base/Numbers.h"
#include "ui/Controls.h"
#include "ui/Events.h"
#include "ui/Objects.h"
#include "ui/TopLevelWindows.h"

namespace dialogs {

namespace {

constexpr int kClientWidth = 550;
constexpr int kClientHeight = 260;

std::wstring Spaces(size_t count) { return std::wstring(count, L' '); }

// The rich edit of Msftedit.dll, which stays loaded for the run once the window has been shown.
const wchar_t* RichEditClass() {
  static const bool loaded = LoadLibraryW(L"Msftedit.dll") != nullptr;
  return loaded ? MSFTEDIT_CLASS : nullptr;
}

void FillTextBox(HWND box) {
  std::wstring text;
  const std::vector<std::wstring> lines = ForbiddenCharactersLines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += L"\r\n";
    text += lines[i];
  }
  SetWindowTextW(box, text.c_str());
  SendMessageW(box, EM_SETREADONLY, TRUE, 0);
}

// Takes every event until "Fermer" is clicked or any window of the program is asked to close; the others are
// dropped, so the program does not react to them now or later.
void RunOwnLoop(int closeButton) {
  for (;;) {
    ui::Event event = ui::WaitEvent();
    if (event.kind == ui::kNoEvent) return;  // the thread was told to quit; the main loop sees it too
    if (event.kind == ui::kCloseEvent) return;
    if (event.kind == ui::kControlEvent && event.control == closeButton) return;
  }
}

}  // namespace

std::vector<std::wstring> ForbiddenCharactersLines() {
  return {
      Spaces(3) + L"/" + Spaces(3) + L"et" + Spaces(3) + L"\\" + Spaces(8) +
          L"Slah et anti-slash, séparateurs de nom (fichier/dossier)",
      Spaces(1),
      Spaces(5) + L":" + Spaces(15) + L"Les deux points, réservés aux lecteurs.",
      Spaces(1),
      Spaces(5) + L"\"" + Spaces(15) + L"Les guillemets, utilisées comme délimiteur.",
      Spaces(1),
      Spaces(5) + L"*" + Spaces(2) + L"et" + Spaces(2) + L"?" + Spaces(10) +
          L"L'étoile (multiplication) et le point d'interrogation, les Jokers.",
      Spaces(1),
      Spaces(5) + L"<" + Spaces(2) + L">" + Spaces(2) + L"et" + Spaces(2) + L"|" + Spaces(7) +
          L"Inférieur, supérieur et OU, redirections de flux (en ligne de commande).",
      Spaces(1),
      Spaces(1) + L"Sur système FAT les caractères suivants sont aussi interdits.",
      Spaces(1) + L"Il s'agit des crochets, du signe égal, de la virgule et du point virgule.",
      Spaces(1),
      Spaces(5) + L"[" + Spaces(3) + L"]" + Spaces(4) + L"=" + Spaces(4) + L"," + Spaces(4) + L"et" + Spaces(4) +
          L";" + Spaces(2),
  };
}

void ShowForbiddenCharacters() {
  HWND window = ui::OpenTopLevelWindow(base::kForbiddenCharactersWindow, 0, 0, kClientWidth, kClientHeight,
                                       L"Caractères interdits ",
                                       ui::kWindowSystemMenu | ui::kWindowToolCaption | ui::kWindowOwnerCentered |
                                           ui::kWindowTopmost | ui::kWindowInvisible | ui::kWindowDialogKeys,
                                       ui::ActiveProgramWindow());
  if (!window) return;

  if (const wchar_t* richEdit = RichEditClass()) {
    HWND box = ui::CreateControlWindow(ui::kNewNumber, richEdit, L"",
                                       ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 5, 5,
                                       540, 220);
    if (box) {
      SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(ui::FontHandle(base::kGreetingFont)), FALSE);
      FillTextBox(box);
    }
  }
  HWND button = ui::CreateButtonControl(ui::kNewNumber, 225, 230, 100, 25, L"Fermer");

  ShowWindow(window, SW_SHOWNORMAL);
  if (button) SetFocus(button);
  RunOwnLoop(button ? GetDlgCtrlID(button) : -1);
  ui::CloseTopLevelWindow(base::kForbiddenCharactersWindow);
}

}  // namespace dialogs
