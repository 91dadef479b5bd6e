#include "rename/OutcomeReport.h"

#include "rename/NumberText.h"

namespace renaming {

std::wstring OutcomeReportText(int errorCount) {
  if (errorCount == 0) return kAllRenamedText;
  return L"Le processus de renommage de vos fichiers est terminé.\r" + FailuresReportedText(errorCount);
}

std::wstring FailuresReportedText(int errorCount) {
  return L"Mais il y a eu " + DecimalText(errorCount) +
         L" erreur(s) durant l'opération\r\rLe rapport d'événements va s'afficher où vous pourrez voir quels fichiers "
         L"ont posé problèmes.";
}

bool OutcomeReportAsksToOpenLog(int errorCount) { return errorCount == 0; }

}  // namespace renaming
