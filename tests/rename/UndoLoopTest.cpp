// Taking a pass back on a folder held in memory: the folder comes back as it was, names and contents, except where
// the user changed something since; every attempt is logged in the undo's words.
#include "rename/UndoLoop.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "rename/MemoryWorld.h"

namespace {

using namespace rename_test;

renaming::RenameCriteria Renumber() { return renaming::RenumberCriteriaFromFields(L"V", L"1", L"1", true); }

// Each mode with its trap: a chain (V_2.jpg renamed first, then x.jpg takes its old name) and a row that fails
// (b.png, whose name V_3.png is taken), a change of letter case, a name made with a final dot.
TEST(UndoLoop, APassThenItsUndoGivesTheFolderBackInEveryMode) {
  struct Case {
    const char* what;
    renaming::RenameCriteria criteria;
    std::vector<std::wstring> rows;
  };
  const Case cases[] = {
      {"renumber", Renumber(), {L"P\\V_2.jpg", L"P\\x.jpg", L"P\\b.png", L"Q\\y.txt"}},
      {"replace", renaming::ReplaceCriteriaFromFields(L"photo", L"Photo", false), {L"P\\photo.jpg", L"P\\x.jpg"}},
      {"add", renaming::AddCriteriaFromFields(L"old", renaming::AddPosition::AtEnd, false, L"1", L"1", true),
       {L"Q\\README", L"P\\x.jpg"}},
  };
  for (const Case& c : cases) {
    for (bool keepsNameOnCaseMove : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (keepsNameOnCaseMove ? ", letter case through a temporary name" : ""));
      std::set<std::wstring> entries(c.rows.begin(), c.rows.end());
      entries.insert(L"P\\V_3.png");
      Pass pass(entries);
      pass.disk.keepsNameOnCaseMove = keepsNameOnCaseMove;
      const std::map<std::wstring, unsigned> before = pass.disk.Files();
      pass.Run(c.rows, c.criteria);
      ASSERT_NE(pass.disk.Files(), before) << "the pass renamed something";

      renaming::PassOutcome outcome = pass.Undo();
      EXPECT_EQ(outcome.errors, 0);
      EXPECT_EQ(pass.disk.Files(), before);
      EXPECT_EQ(outcome.lastFolder, c.rows.front().substr(0, 2)) << "the folder of the first file renamed";
    }
  }
}

// c.jpg goes back; a.jpg's place holds another file, b.jpg's old name another file, d.jpg's identity was unknown.
TEST(UndoLoop, WhatTheUserChangedSinceIsLeftAloneCountedAndLoggedTheLastRenamedFirst) {
  Pass pass({L"P\\a.jpg", L"P\\b.jpg", L"P\\c.jpg", L"P\\d.jpg"});
  pass.Run({L"P\\a.jpg", L"P\\b.jpg", L"P\\c.jpg"}, Renumber());
  pass.disk.unreadableIdentities = true;
  pass.Run({L"P\\d.jpg"}, renaming::RenumberCriteriaFromFields(L"W", L"1", L"1", true));
  pass.disk.unreadableIdentities = false;
  ASSERT_EQ(pass.record.size(), 4u);
  pass.disk.PutNewFile(L"P\\V_1.jpg");
  pass.disk.PutNewFile(L"P\\B.JPG");
  std::map<std::wstring, unsigned> expected = pass.disk.Files();
  expected[L"P\\c.jpg"] = expected.at(L"P\\V_3.jpg");
  expected.erase(L"P\\V_3.jpg");
  pass.log.bytes.clear();
  pass.observer.events.clear();

  EXPECT_EQ(pass.Undo().errors, 3);
  EXPECT_EQ(pass.disk.Files(), expected) << "only c.jpg went back; nothing was replaced";
  std::vector<std::string> lines = pass.log.Lines();
  for (std::string& line : lines) line.erase(0, 25);  // the date stamp and " - "
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Erreur! - Annulation - Le fichier [W_1.jpg] n'a pu reprendre son nom : d.jpg",
                       "Annulation - Le fichier [V_3.jpg] a repris son nom : c.jpg",
                       "Erreur! - Annulation - Le fichier [V_2.jpg] n'a pu reprendre son nom : b.jpg",
                       "Erreur! - Annulation - Le fichier [V_1.jpg] n'a pu reprendre son nom : a.jpg"}));
  EXPECT_EQ(pass.observer.events.front(), L"row P\\W_1.jpg");
  EXPECT_EQ(pass.observer.events.back(), L"progress 100");
}

}  // namespace
