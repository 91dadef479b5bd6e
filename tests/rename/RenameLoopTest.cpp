// The rename loop against a folder held in memory: every step it takes on disk, every log line it writes and what
// it shows, in order.
#include "rename/RenameLoop.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "rename/MemoryWorld.h"

namespace {

using namespace rename_test;

renaming::RenameCriteria Renumber(const wchar_t* name, const wchar_t* increment = L"1") {
  return renaming::RenumberCriteriaFromFields(name, increment, L"1", true);
}

TEST(RenameLoop, TriesEveryRowInListOrderAndLogsEachAttempt) {
  Pass pass({L"P\\b.jpg", L"P\\a.JPG", L"Q\\c.txt"});
  renaming::PassOutcome outcome = pass.Run({L"P\\b.jpg", L"P\\a.JPG", L"Q\\c.txt"}, Renumber(L"Vacances"));

  EXPECT_EQ(outcome.errors, 0);
  EXPECT_EQ(outcome.lastFolder, L"Q\\") << "the list is filled again from the last row's folder";
  EXPECT_EQ(pass.disk.Entries(),
            (std::set<std::wstring>{L"P\\Vacances_1.jpg", L"P\\Vacances_2.JPG", L"Q\\Vacances_3.txt"}));
  EXPECT_EQ(pass.disk.steps, (std::vector<std::wstring>{L"move P\\b.jpg > P\\Vacances_1.jpg",
                                                        L"move P\\a.JPG > P\\Vacances_2.JPG",
                                                        L"move Q\\c.txt > Q\\Vacances_3.txt"}))
      << "each row is moved in its own folder, its attributes untouched";
  EXPECT_EQ(pass.log.paths, (std::set<std::wstring>{L"T:\\RenameLog.txt"}));
  EXPECT_EQ(
      pass.log.Lines(),
      (std::vector<std::string>{
          "05/03/2026 \xC3\xA0 09:04:07 - Le fichier [b.jpg] a \xC3\xA9t\xC3\xA9 renomm\xC3\xA9 : Vacances_1.jpg",
          "05/03/2026 \xC3\xA0 09:04:08 - Le fichier [a.JPG] a \xC3\xA9t\xC3\xA9 renomm\xC3\xA9 : Vacances_2.JPG",
          "05/03/2026 \xC3\xA0 09:04:09 - Le fichier [c.txt] a \xC3\xA9t\xC3\xA9 renomm\xC3\xA9 : Vacances_3.txt"}))
      << "one dated UTF-8 line per attempt, the clock read for each";
  EXPECT_EQ(pass.observer.events, (std::vector<std::wstring>{L"row P\\b.jpg", L"progress 33", L"row P\\a.JPG",
                                                             L"progress 67", L"row Q\\c.txt", L"progress 100"}));
}

TEST(RenameLoop, AFailureIsCountedAndLoggedAndTheRunningNumberWaitsForTheNextSuccess) {
  Pass pass({L"P\\a.jpg", L"P\\b.png", L"P\\c.jpg", L"P\\V_2.png"});
  renaming::PassOutcome outcome = pass.Run({L"P\\a.jpg", L"P\\b.png", L"P\\c.jpg"}, Renumber(L"V"));

  EXPECT_EQ(outcome.errors, 1);
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\V_1.jpg", L"P\\b.png", L"P\\V_2.png", L"P\\V_2.jpg"}))
      << "b.png keeps its name, the file outside the list is not replaced, and c.jpg gets the number b.png missed";
  ASSERT_EQ(pass.log.Lines().size(), 3u);
  EXPECT_EQ(pass.log.Lines()[1],
            "05/03/2026 \xC3\xA0 09:04:08 - Erreur! - Le fichier [b.png] n'a pu \xC3\xAAtre renomm\xC3\xA9!");
}

TEST(RenameLoop, ANameReducedToNothingFailsWithoutAskingThePlatform) {
  Pass pass({L"P\\abc"});
  renaming::PassOutcome outcome = pass.Run({L"P\\abc"}, renaming::ReplaceCriteriaFromFields(L"ABC", L"", true));

  EXPECT_EQ(outcome.errors, 1);
  EXPECT_TRUE(pass.disk.steps.empty()) << "no move is tried, nothing touched";
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\abc"}));
}

TEST(RenameLoop, AFileRefusedForBeingReadOnlyLosesThatAttributeOnlyForItsMoveWhetherTheMoveTakesOrNot) {
  Pass pass({L"P\\a.jpg", L"P\\b.jpg"});
  pass.disk.refusesReadOnly = true;
  pass.disk.SetReadOnly(L"P\\a.jpg", true);
  pass.disk.SetReadOnly(L"P\\b.jpg", true);
  pass.disk.steps.clear();
  pass.disk.refusedMoves = {4};  // b.jpg's second try
  renaming::PassOutcome outcome = pass.Run({L"P\\a.jpg", L"P\\b.jpg"}, Renumber(L"V"));

  EXPECT_EQ(outcome.errors, 1);
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\V_1.jpg", L"P\\b.jpg"}));
  EXPECT_EQ(pass.disk.steps,
            (std::vector<std::wstring>{L"move P\\a.jpg > P\\V_1.jpg", L"writable P\\a.jpg",
                                       L"move P\\a.jpg > P\\V_1.jpg", L"read-only P\\V_1.jpg",
                                       L"move P\\b.jpg > P\\V_2.jpg", L"writable P\\b.jpg",
                                       L"move P\\b.jpg > P\\V_2.jpg", L"read-only P\\b.jpg"}));
  EXPECT_TRUE(pass.disk.IsReadOnly(L"P\\V_1.jpg")) << "under its new name";
  EXPECT_TRUE(pass.disk.IsReadOnly(L"P\\b.jpg")) << "under its old name, the move having failed";
}

renaming::RenameCriteria UpperCaseReport() { return renaming::ReplaceCriteriaFromFields(L"report", L"REPORT", false); }

TEST(RenameLoop, ALetterCaseRenameTakesThePlainMoveWhereItChangesTheCaseAndChecksTheDisk) {
  Pass pass({L"P\\report.txt"});
  renaming::PassOutcome outcome = pass.Run({L"P\\report.txt"}, UpperCaseReport());

  EXPECT_EQ(outcome.errors, 0);
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\REPORT.txt"}));
  EXPECT_EQ(pass.disk.steps,
            (std::vector<std::wstring>{L"look P\\REPORT.txt",
                                       L"move P\\report.txt > P\\REPORT.txt", L"look P\\REPORT.txt"}))
      << "no temporary name where the platform changes the case itself";
}

TEST(RenameLoop, ALetterCaseRenameGoesThroughATemporaryNameWhereThePlainMoveKeepsTheOldName) {
  Pass pass({L"P\\report.txt", L"P\\~tmp0"});
  pass.disk.keepsNameOnCaseMove = true;
  renaming::PassOutcome outcome = pass.Run({L"P\\report.txt"}, UpperCaseReport());

  EXPECT_EQ(outcome.errors, 0);
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\REPORT.txt", L"P\\~tmp0"}));
  EXPECT_EQ(pass.disk.steps,
            (std::vector<std::wstring>{L"look P\\REPORT.txt",
                                       L"move P\\report.txt > P\\REPORT.txt", L"look P\\REPORT.txt",
                                       L"move P\\report.txt > P\\~tmp0", L"move P\\report.txt > P\\~tmp1",
                                       L"move P\\~tmp1 > P\\REPORT.txt", L"look P\\REPORT.txt"}))
      << "a temporary name that exists is passed over";
}

TEST(RenameLoop, ATwinAnsweringToTheNewLetterCaseLeavesTheFileUntouched) {
  // A folder that tells letter case apart holds "Report.txt" beside the file.
  Pass pass({L"P\\report.txt", L"P\\Report.txt"});
  pass.disk.keepsNameOnCaseMove = true;
  renaming::PassOutcome outcome = pass.Run({L"P\\report.txt"}, UpperCaseReport());

  EXPECT_EQ(outcome.errors, 1);
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\report.txt", L"P\\Report.txt"}));
  EXPECT_EQ(pass.disk.steps, (std::vector<std::wstring>{L"look P\\REPORT.txt"}))
      << "no move at all";
  EXPECT_NE(pass.log.Lines().at(0).find("Erreur!"), std::string::npos);
}

TEST(RenameLoop, AFailedLastStepBringsTheFileBackToItsOldNameTryingUntilItTakes) {
  Pass pass({L"P\\report.txt"});
  pass.disk.keepsNameOnCaseMove = true;
  pass.disk.refusedMoves = {3, 4, 5};  // the last step, then the first round of the way back
  renaming::PassOutcome outcome = pass.Run({L"P\\report.txt"}, UpperCaseReport());

  EXPECT_EQ(outcome.errors, 1);
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\report.txt"}));
  std::vector<std::wstring> wayOut(pass.disk.steps.begin() + 4, pass.disk.steps.end());
  EXPECT_EQ(wayOut, (std::vector<std::wstring>{L"move P\\~tmp0 > P\\REPORT.txt", L"move P\\~tmp0 > P\\report.txt",
                                               L"move P\\~tmp0 > P\\REPORT.txt", L"pause",
                                               L"move P\\~tmp0 > P\\report.txt"}))
      << "the old name, then the new one, tried again after a pause";
  EXPECT_NE(pass.log.Lines().at(0).find("Erreur!"), std::string::npos);
}

TEST(RenameLoop, AStepReportedDoneThatTheDiskDoesNotShowIsAFailureAndTheFileComesBack) {
  Pass pass({L"P\\report.txt"});
  pass.disk.keepsNameOnCaseMove = true;
  pass.disk.unseenMoves = {3};  // the step from the temporary name
  renaming::PassOutcome outcome = pass.Run({L"P\\report.txt"}, UpperCaseReport());

  EXPECT_EQ(outcome.errors, 1) << "only what the disk shows counts as done";
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\report.txt"}));
}

TEST(RenameLoop, LinesTheHeldLogRefusedAreWrittenOnceItIsFreeInOrder) {
  Pass pass({L"P\\a.jpg", L"P\\b.jpg", L"P\\c.jpg"});
  pass.log.held = true;
  renaming::PassOutcome outcome = pass.Run({L"P\\a.jpg", L"P\\b.jpg"}, Renumber(L"V"));

  EXPECT_EQ(outcome.errors, 0) << "a held log does not stop the pass";
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\V_1.jpg", L"P\\V_2.jpg", L"P\\c.jpg"}));
  EXPECT_GT(pass.log.pauses, 40) << "the end of the pass waited for the log";
  EXPECT_TRUE(pass.log.bytes.empty());
  pass.log.held = false;
  pass.Run({L"P\\c.jpg"}, Renumber(L"W"));
  ASSERT_EQ(pass.log.Lines().size(), 3u) << "the next pass writes the waiting lines before its own";
  EXPECT_NE(pass.log.Lines()[0].find("[a.jpg]"), std::string::npos);
  EXPECT_NE(pass.log.Lines()[1].find("[b.jpg]"), std::string::npos);
  EXPECT_NE(pass.log.Lines()[2].find("[c.jpg]"), std::string::npos);
}

TEST(RenameLoop, AnEmptyListTouchesNothing) {
  Pass pass({L"P\\a.jpg"});
  renaming::PassOutcome outcome = pass.Run({}, Renumber(L"V"));
  EXPECT_EQ(outcome.errors, 0);
  EXPECT_EQ(outcome.lastFolder, L"");
  EXPECT_TRUE(pass.disk.steps.empty());
  EXPECT_TRUE(pass.log.bytes.empty());
  EXPECT_TRUE(pass.observer.events.empty());
}

}  // namespace
