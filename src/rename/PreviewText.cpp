#include "rename/PreviewText.h"

namespace renaming {

namespace {

std::wstring Quoted(std::wstring_view name) { return L"« " + std::wstring(name) + L" »"; }

}  // namespace

std::wstring ForecastText(RowOutcome outcome, std::wstring_view newName, std::wstring_view takenByName) {
  switch (outcome) {
    case RowOutcome::Renamed:
    case RowOutcome::KeepsName: return std::wstring(newName);
    case RowOutcome::NameTaken: return L"Échec : " + Quoted(newName) + L" existe déjà";
    case RowOutcome::NameTakenInPass:
      return L"Échec : " + Quoted(newName) + L" est déjà donné à " + Quoted(takenByName);
    case RowOutcome::NoSuchFile: return L"Échec : fichier introuvable";
    case RowOutcome::EmptyName: return L"Échec : nom vide";
    case RowOutcome::ForbiddenCharacter: return L"Échec : caractère interdit dans " + Quoted(newName);
    case RowOutcome::ReservedName: return L"Échec : " + Quoted(newName) + L" est un nom réservé de Windows";
    case RowOutcome::NameTooLong:
      return L"Échec : nom trop long (" + std::to_wstring(newName.size()) + L" caractères, " +
             std::to_wstring(kLongestEntryName) + L" au plus)";
  }
  return {};
}

std::wstring PreviewHeader(int failures) {
  if (failures <= 0) return L"Nouveau nom";
  if (failures == 1) return L"Nouveau nom ( 1 échec prévu )";
  return L"Nouveau nom ( " + std::to_wstring(failures) + L" échecs prévus )";
}

std::wstring RefusalCellText(const RenameMessage& refusal) {
  if (refusal.text == kForbiddenCharactersText) return L"Refusé : caractères interdits dans le texte saisi";
  if (refusal.text == kMissingReplacementText) return L"Refusé : saisissez les caractères de remplacement";
  if (refusal.text == kMissingAddPositionText) return L"Refusé : choisissez « Ajouter au début » ou « à la fin »";
  return L"Refusé : " + refusal.text;
}

}  // namespace renaming
