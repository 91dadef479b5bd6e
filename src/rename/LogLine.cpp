#include "rename/LogLine.h"

#include <cstdio>

namespace renaming {

std::wstring DateStamp(const LocalTime& time) {
  // The "à" stays out of the format, so that no C library has to interpret a character beyond ASCII there.
  wchar_t date[32];
  wchar_t clock[32];
  std::swprintf(date, 32, L"%02d/%02d/%04d", time.day, time.month, time.year);
  std::swprintf(clock, 32, L"%02d:%02d:%02d", time.hour, time.minute, time.second);
  return std::wstring(date) + L" à " + clock;
}

std::wstring SuccessLine(const LocalTime& time, std::wstring_view oldName, std::wstring_view newName) {
  std::wstring line = DateStamp(time);
  line += L" - Le fichier [";
  line += oldName;
  line += L"] a été renommé : ";
  line += newName;
  return line;
}

std::wstring FailureLine(const LocalTime& time, std::wstring_view oldName) {
  std::wstring line = DateStamp(time);
  line += L" - Erreur! - Le fichier [";
  line += oldName;
  line += L"] n'a pu être renommé!";
  return line;
}

namespace {

std::wstring UndoLine(const LocalTime& time, const wchar_t* start, std::wstring_view newName, const wchar_t* middle,
                      std::wstring_view oldName) {
  std::wstring line = DateStamp(time);
  line += start;
  line += newName;
  line += middle;
  line += oldName;
  return line;
}

}  // namespace

std::wstring UndoSuccessLine(const LocalTime& time, std::wstring_view newName, std::wstring_view oldName) {
  return UndoLine(time, L" - Annulation - Le fichier [", newName, L"] a repris son nom : ", oldName);
}

std::wstring UndoFailureLine(const LocalTime& time, std::wstring_view newName, std::wstring_view oldName) {
  return UndoLine(time, L" - Erreur! - Annulation - Le fichier [", newName, L"] n'a pu reprendre son nom : ", oldName);
}

}  // namespace renaming
