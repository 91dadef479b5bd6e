#pragma once
// What the "Renommer" button leads to, decided without windows: the empty-list refusal, the confirmation, the checks
// of the texts the chosen mode needs, and the mode that runs. The caller shows the messages and runs the mode.

#include <optional>
#include <string>

#include "base/Numbers.h"
#include "rename/AddToNameRule.h"
#include "rename/RenameFields.h"

namespace renaming {

// A refusal that leaves the keyboard focus where it is; the others name the field at fault.
inline constexpr int kFocusUnchanged = -1;

// The question asked before anything is checked: warning icon, Yes and No.
inline constexpr const wchar_t* kConfirmRenameTitle = L"RENOMMAGE D'UNE LISTE DE FICHIERS";
inline constexpr const wchar_t* kConfirmRenameText = L"ÊTES-VOUS SÛR(E) DE VOULOIR RENOMMER TOUS CES FICHIERS ?";

inline constexpr const wchar_t* kCancelledTitle = L"Processus";
inline constexpr const wchar_t* kCancelledText = L"Le renommage a été annulé par l'utilisateur!";

inline constexpr const wchar_t* kRefusalTitle = L"ERREUR";
inline constexpr const wchar_t* kEmptyListText = L"Aucun fichiers à renommer dans la liste!";
inline constexpr const wchar_t* kMissingNewNameText = L"VOUS DEVEZ SAISIR DES CARACTERES DANS LE CHAMP NOUVEAU NOM!";
inline constexpr const wchar_t* kForbiddenCharactersText =
    L"Des caractères interdits ont été détectés dans le nouveau nom. Vous devez modifier ces caractères pour valider "
    L"l'opération.";
inline constexpr const wchar_t* kMissingPartText =
    L"Vous devez saisir des caractères à supprimer dans le nom d'origine !";
inline constexpr const wchar_t* kMissingReplacementText =
    L"Vous devez saisir des caractères dans le champ du nouveau nom !";
inline constexpr const wchar_t* kMissingAddPositionText =
    L"Vous devez choisir d'ajouter les caractères au début ou à la fin du nom.";

// A message box with an OK button and a warning icon, then the focus in focusControl (or left where it is).
struct RenameMessage {
  std::wstring title;
  std::wstring text;
  int focusControl = kFocusUnchanged;
};

enum class RenameStep { ShowMessage, RunRenumber, RunReplace, RunAdd, Nothing };

// Either a message to show (and nothing renamed), a mode to run, or nothing at all (no mode box ticked).
struct RenameDecision {
  RenameStep step = RenameStep::Nothing;
  RenameMessage message;
};

// An empty list is refused before the confirmation is asked.
std::optional<RenameMessage> EmptyListRefusal(int rowCount);

// The answer No to the confirmation.
RenameMessage CancelledByUserMessage();

// Add-to-name mode with neither position option selected: refused, so that no file is renamed without knowing where
// its added text goes.
RenameMessage MissingAddPositionRefusal();

// After Yes: the first ticked mode box in the order 2, 1, 3 decides, and only its own texts are checked. Mode box 3
// checks its added text first, then the position.
RenameDecision DecideConfirmedRename(const RenameFields& request);

}  // namespace renaming
