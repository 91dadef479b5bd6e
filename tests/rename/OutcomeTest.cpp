#include "rename/OutcomeReport.h"
#include "rename/RenameProgress.h"

#include <gtest/gtest.h>

namespace {

TEST(OutcomeReport, TextsFollowTheErrorCount) {
  EXPECT_STREQ(renaming::kOutcomeReportTitle, L"Renommage") << "title";
  EXPECT_EQ(renaming::OutcomeReportText(0),
            L"Le renommage de vos fichiers s'est correctement terminé.\r\rVoulez-vous lire le rapport d'événements ?")
      << "no failure";
  EXPECT_EQ(renaming::OutcomeReportText(1),
            L"Le processus de renommage de vos fichiers est terminé.\rMais il y a eu 1 erreur(s) durant l'opération"
            L"\r\rLe rapport d'événements va s'afficher où vous pourrez voir quels fichiers ont posé problèmes.")
      << "one failure";
  EXPECT_NE(renaming::OutcomeReportText(1234).find(L"Mais il y a eu 1234 erreur(s)"), std::wstring::npos)
      << "the count is written in decimal without separators";
  EXPECT_EQ(renaming::OutcomeReportText(3).find(L'\n'), std::wstring::npos) << "line breaks are bare carriage returns";
}

TEST(OutcomeReport, OnlyAPassWithoutFailureAsksBeforeOpeningTheLog) {
  EXPECT_TRUE(renaming::OutcomeReportAsksToOpenLog(0)) << "no failure: Yes or No";
  EXPECT_FALSE(renaming::OutcomeReportAsksToOpenLog(1)) << "one failure: the log opens at once";
  EXPECT_FALSE(renaming::OutcomeReportAsksToOpenLog(50)) << "many failures: the log opens at once";
}

TEST(RenameProgress, PercentIsRoundedToTheNearestWholeNumber) {
  struct ProgressCase {
    int processed;
    int n;
    int expected;
  };
  const ProgressCase cases[] = {
      {1, 1, 100}, {1, 4, 25},  {2, 4, 50},  {3, 4, 75},  {4, 4, 100}, {1, 3, 33},  {2, 3, 67},
      {1, 8, 13},  {1, 200, 1}, {1, 201, 0}, {0, 5, 0},   {0, 0, 0},   {3, 0, 0},   {2000000000, 2000000000, 100},
      {1999999999, 2000000000, 100},          {1, 2000000000, 0},
  };
  for (const ProgressCase& c : cases) {
    EXPECT_EQ(renaming::ProgressPercent(c.processed, c.n), c.expected) << c.processed << " of " << c.n;
  }
}

}  // namespace
