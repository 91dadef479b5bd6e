#pragma once
// The message that ends a rename pass. Window-free; \r is one carriage return, as the message box breaks lines.

#include <string>

namespace renaming {

inline constexpr const wchar_t* kOutcomeReportTitle = L"Renommage";

// Every rename succeeded: the box asks (Yes, No) whether to open the log.
inline constexpr const wchar_t* kAllRenamedText =
    L"Le renommage de vos fichiers s'est correctement terminé.\r\rVoulez-vous lire le rapport d'événements ?";

// The report of a pass with errorCount failures; with none, `kAllRenamedText`.
std::wstring OutcomeReportText(int errorCount);

// The lines after the first of a report with failures, which say how many and that the log opens; an undo's report
// ends with them too.
std::wstring FailuresReportedText(int errorCount);

// With no failure the box asks before the log is opened; after a failure it has only OK and the log opens at once.
bool OutcomeReportAsksToOpenLog(int errorCount);

}  // namespace renaming
