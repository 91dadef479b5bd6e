#pragma once
// The messages of "Annuler le dernier renommage". Window-free; \r is one carriage return, as the message box breaks
// lines.

#include <string>

namespace renaming {

inline constexpr const wchar_t* kUndoTitle = L"Annulation du renommage";

// Said when there is no pass to take back: none yet, or the last one was taken back already.
inline constexpr const wchar_t* kNothingToUndoText = L"Il n'y a aucun renommage à annuler.";

// The question before an undo of `files` files (at least one), answered Yes or No.
std::wstring UndoQuestionText(int files);

// The report once the undo is over, in the two forms of a pass's report.
std::wstring UndoReportText(int errorCount);

}  // namespace renaming
