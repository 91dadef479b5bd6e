#include "rename/LogLine.h"

#include <gtest/gtest.h>

namespace {

using renaming::DateStamp;
using renaming::FailureLine;
using renaming::LocalTime;
using renaming::SuccessLine;

TEST(LogLine, DateStampHasTwoDigitFieldsAndAFourDigitYear) {
  struct StampCase {
    LocalTime time;
    const wchar_t* expected;
  };
  const StampCase cases[] = {
      {{2026, 3, 5, 9, 4, 7}, L"05/03/2026 à 09:04:07"},
      {{2026, 12, 7, 1, 5, 9}, L"07/12/2026 à 01:05:09"},
      {{2026, 12, 31, 23, 59, 59}, L"31/12/2026 à 23:59:59"},
      {{2000, 1, 1, 0, 0, 0}, L"01/01/2000 à 00:00:00"},
      {{999, 1, 1, 12, 0, 0}, L"01/01/0999 à 12:00:00"},
  };
  for (const StampCase& c : cases) EXPECT_EQ(DateStamp(c.time), c.expected) << "expected " << c.expected;
}

TEST(LogLine, SuccessAndFailureForms) {
  const LocalTime time{2026, 12, 7, 1, 5, 9};
  EXPECT_EQ(SuccessLine(time, L"IMG_0001.JPG", L"Vacances_1.JPG"),
            L"07/12/2026 à 01:05:09 - Le fichier [IMG_0001.JPG] a été renommé : Vacances_1.JPG")
      << "success line";
  EXPECT_EQ(FailureLine(time, L"IMG_0001"),
            L"07/12/2026 à 01:05:09 - Erreur! - Le fichier [IMG_0001] n'a pu être renommé!")
      << "failure line";
  EXPECT_EQ(SuccessLine(time, L"README", L"Vacances_1."),
            L"07/12/2026 à 01:05:09 - Le fichier [README] a été renommé : Vacances_1.")
      << "a new name ending in a dot keeps it";
}

}  // namespace
