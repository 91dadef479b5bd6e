#include "app/FrenchDate.h"

#include <gtest/gtest.h>

namespace {

struct DateCase {
  app::CalendarDate date;
  const wchar_t* expected;
};

TEST(FrenchLongDate, WritesDayMonthAndYearWithTheirFixedBlanks) {
  const DateCase cases[] = {
      {{2022, 3, 7, 1}, L"Lundi  07 Mars  2022"},
      {{2026, 12, 6, 0}, L"Dimanche  06 Décembre  2026"},
      {{2026, 12, 5, 6}, L"Samedi  05 Décembre  2026"},
      {{2026, 8, 1, 6}, L"Samedi  01 Août  2026"},
      {{2027, 2, 10, 3}, L"Mercredi  10 Février  2027"},
      {{2026, 1, 31, 6}, L"Samedi  31 Janvier  2026"},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(app::FrenchLongDate(c.date), c.expected)
        << "date " << c.date.year << "-" << c.date.month << "-" << c.date.day << " weekday " << c.date.weekday;
  }
}

}  // namespace

