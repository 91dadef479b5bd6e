#include "app/FrenchDate.h"

#include <cstdio>

namespace app {

namespace {

// The word lists, one comma-separated text each; Sunday stands apart from the six other days.
constexpr const wchar_t* kWeekdays = L"Lundi,Mardi,Mercredi,Jeudi,Vendredi,Samedi";
constexpr const wchar_t* kSunday = L"Dimanche";
constexpr const wchar_t* kMonths =
    L"Janvier,Février,Mars,Avril,Mai,Juin,Juillet,Août,Septembre,Octobre,Novembre,Décembre";

// Field n (from 1) of a comma-separated list; empty when the list has fewer fields.
std::wstring ListField(std::wstring_view list, int n) {
  size_t start = 0;
  for (int field = 1; field < n; ++field) {
    size_t comma = list.find(L',', start);
    if (comma == std::wstring_view::npos) return {};
    start = comma + 1;
  }
  size_t end = list.find(L',', start);
  return std::wstring(list.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start));
}

std::wstring TwoDigits(int value) {
  wchar_t buffer[16];
  std::swprintf(buffer, 16, L"%02d", value);
  return buffer;
}

std::wstring FourDigits(int value) {
  wchar_t buffer[16];
  std::swprintf(buffer, 16, L"%04d", value);
  return buffer;
}

}  // namespace

std::wstring FrenchLongDate(const CalendarDate& date) {
  std::wstring dayName = date.weekday == 0 ? std::wstring(kSunday) : ListField(kWeekdays, date.weekday);
  std::wstring dayText = L" " + TwoDigits(date.day) + L" ";
  std::wstring yearText = L"  " + FourDigits(date.year);
  return dayName + L" " + dayText + ListField(kMonths, date.month) + yearText;
}

}  // namespace app
