#pragma once
// The two line forms of the rename log and their date stamp. Window-free: the caller reads the clock.

#include <string>
#include <string_view>

namespace renaming {

// A local date and time as the clock gives it; month 1 is January, hour 0 to 23.
struct LocalTime {
  int year = 0;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// "dd/mm/yyyy à hh:ii:ss": two digits each with leading zeros, four for the year (05/03/2026 à 09:04:07).
std::wstring DateStamp(const LocalTime& time);

// "<stamp> - Le fichier [<old name>] a été renommé : <new name>"
std::wstring SuccessLine(const LocalTime& time, std::wstring_view oldName, std::wstring_view newName);

// "<stamp> - Erreur! - Le fichier [<old name>] n'a pu être renommé!"
std::wstring FailureLine(const LocalTime& time, std::wstring_view oldName);

// The lines of an undo, in the same two forms with words that say so; each names both names.
// "<stamp> - Annulation - Le fichier [<new name>] a repris son nom : <old name>"
std::wstring UndoSuccessLine(const LocalTime& time, std::wstring_view newName, std::wstring_view oldName);
// "<stamp> - Erreur! - Annulation - Le fichier [<new name>] n'a pu reprendre son nom : <old name>"
std::wstring UndoFailureLine(const LocalTime& time, std::wstring_view newName, std::wstring_view oldName);

}  // namespace renaming
