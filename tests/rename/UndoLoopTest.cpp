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
using Folder = std::map<std::wstring, unsigned>;

renaming::RenameCriteria Renumber(const wchar_t* name) {
  return renaming::RenumberCriteriaFromFields(name, L"1", L"1", true);
}

// Every mode, each with its own trap: a chain (V_2.jpg is renamed first, and x.jpg then takes its old name), a
// change of letter case, a name that ends in a dot as the mode makes it.
TEST(UndoLoop, APassThenItsUndoGivesTheFolderBackInEveryMode) {
  struct Case {
    const char* what;
    renaming::RenameCriteria criteria;
    std::vector<std::wstring> rows;
  };
  const Case cases[] = {
      {"renumber with a chain", Renumber(L"V"), {L"P\\V_2.jpg", L"P\\x.jpg", L"Q\\y.txt"}},
      {"replace, letter case", renaming::ReplaceCriteriaFromFields(L"photo", L"Photo", false),
       {L"P\\photo.jpg", L"P\\x.jpg"}},
      {"add, name without extension",
       renaming::AddCriteriaFromFields(L"old", renaming::AddPosition::AtEnd, false, L"1", L"1", true),
       {L"P\\README", L"P\\x.jpg"}},
  };
  for (const Case& c : cases) {
    for (bool keepsNameOnCaseMove : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (keepsNameOnCaseMove ? ", case moves through a temporary name" : ""));
      std::set<std::wstring> entries(c.rows.begin(), c.rows.end());
      entries.insert(L"P\\outside.doc");
      Pass pass(entries);
      pass.disk.keepsNameOnCaseMove = keepsNameOnCaseMove;
      const Folder before = pass.disk.Files();
      ASSERT_EQ(pass.Run(c.rows, c.criteria).errors, 0);
      ASSERT_NE(pass.disk.Files(), before) << "the pass renamed something";

      renaming::PassOutcome outcome = pass.Undo();
      EXPECT_EQ(outcome.errors, 0);
      EXPECT_EQ(pass.disk.Files(), before);
      EXPECT_EQ(outcome.lastFolder, L"P\\") << "the folder of the file the pass renamed first";
    }
  }
}

TEST(UndoLoop, OnlyTheFilesThatMovedGoBackAndTheUndoLogsEachInItsOwnWords) {
  Pass pass({L"P\\a.jpg", L"P\\b.png", L"P\\c.jpg", L"P\\V_2.png"});
  ASSERT_EQ(pass.Run({L"P\\a.jpg", L"P\\b.png", L"P\\c.jpg"}, Renumber(L"V")).errors, 1);
  ASSERT_EQ(pass.record.size(), 2u) << "b.png failed and is not in the record";
  pass.log.bytes.clear();
  pass.observer.events.clear();

  EXPECT_EQ(pass.Undo().errors, 0);
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\a.jpg", L"P\\b.png", L"P\\c.jpg", L"P\\V_2.png"}));
  EXPECT_EQ(pass.log.Lines(),
            (std::vector<std::string>{"05/03/2026 \xC3\xA0 09:04:10 - Annulation - Le fichier [V_2.jpg] a repris son "
                                      "nom : c.jpg",
                                      "05/03/2026 \xC3\xA0 09:04:11 - Annulation - Le fichier [V_1.jpg] a repris son "
                                      "nom : a.jpg"}))
      << "the last renamed first";
  EXPECT_EQ(pass.observer.events, (std::vector<std::wstring>{L"row P\\V_2.jpg", L"progress 50", L"row P\\V_1.jpg",
                                                             L"progress 100"}));
}

TEST(UndoLoop, AFileReplacedSinceOrAnOldNameTakenSinceIsLeftAloneCountedAndLogged) {
  Pass pass({L"P\\a.jpg", L"P\\b.jpg", L"P\\c.jpg"});
  ASSERT_EQ(pass.Run({L"P\\a.jpg", L"P\\b.jpg", L"P\\c.jpg"}, Renumber(L"V")).errors, 0);
  pass.disk.PutNewFile(L"P\\V_1.jpg");  // the user put another file in the place of a.jpg's
  pass.disk.PutNewFile(L"P\\B.JPG");    // and made a new file under b.jpg's old name
  const Folder meanwhile = pass.disk.Files();
  pass.log.bytes.clear();

  EXPECT_EQ(pass.Undo().errors, 2);
  Folder expected = meanwhile;
  expected[L"P\\c.jpg"] = expected[L"P\\V_3.jpg"];
  expected.erase(L"P\\V_3.jpg");
  EXPECT_EQ(pass.disk.Files(), expected) << "only c.jpg went back; nothing was replaced";
  ASSERT_EQ(pass.log.Lines().size(), 3u);
  EXPECT_EQ(pass.log.Lines()[1].substr(22), " - Erreur! - Annulation - Le fichier [V_2.jpg] n'a pu reprendre son nom : b.jpg");
  EXPECT_EQ(pass.log.Lines()[2].substr(22), " - Erreur! - Annulation - Le fichier [V_1.jpg] n'a pu reprendre son nom : a.jpg");
}

TEST(UndoLoop, AFileWhoseIdentityCouldNotBeReadAfterThePassIsNeverMovedBack) {
  Pass pass({L"P\\a.jpg"});
  pass.disk.unreadableIdentities = true;
  ASSERT_EQ(pass.Run({L"P\\a.jpg"}, Renumber(L"V")).errors, 0);
  pass.disk.unreadableIdentities = false;
  EXPECT_EQ(pass.Undo().errors, 1);
  EXPECT_EQ(pass.disk.Entries(), (std::set<std::wstring>{L"P\\V_1.jpg"}));
}

}  // namespace
