#include "rename/UndoTexts.h"

#include "rename/NumberText.h"
#include "rename/OutcomeReport.h"

namespace renaming {

std::wstring UndoQuestionText(int files) {
  std::wstring what = files == 1 ? L"Le fichier renommé va reprendre son ancien nom."
                                 : L"Les " + DecimalText(files) + L" fichiers renommés vont reprendre leur ancien nom.";
  return what + L"\r\rVoulez-vous annuler le dernier renommage ?";
}

std::wstring UndoReportText(int errorCount) {
  if (errorCount == 0) {
    return L"Vos fichiers ont repris leur ancien nom.\r\rVoulez-vous lire le rapport d'événements ?";
  }
  return L"L'annulation du renommage est terminée.\r" + FailuresReportedText(errorCount);
}

}  // namespace renaming
