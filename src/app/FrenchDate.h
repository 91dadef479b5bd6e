#pragma once
// The date written out in French for the greeting banner, e.g. "Lundi  07 Mars  2022". Window-free.

#include <string>

namespace app {

// A local calendar date; weekday 0 is Sunday, month 1 is January.
struct CalendarDate {
  int year = 0;
  int month = 1;
  int day = 1;
  int weekday = 0;
};

// Day name, two blanks, two-digit day, one blank, month name, two blanks, four-digit year.
std::wstring FrenchLongDate(const CalendarDate& date);

}  // namespace app
