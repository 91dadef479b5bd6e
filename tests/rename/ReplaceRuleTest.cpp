#include "rename/ReplaceRule.h"

#include <gtest/gtest.h>

namespace {

using renaming::PlanReplace;
using renaming::RenamePlan;
using renaming::RenameRow;
using renaming::ReplaceCaseless;
using renaming::ReplaceCriteria;
using renaming::ReplaceCriteriaFromFields;

struct ReplaceCase {
  const wchar_t* name;
  const wchar_t* part;
  const wchar_t* replacement;
  const wchar_t* expected;
};

TEST(ReplaceRule, ReplacesEveryOccurrenceLeftToRightWithoutOverlap) {
  const ReplaceCase cases[] = {
      {L"IMG_0001.JPG", L"img_", L"Photo-", L"Photo-0001.JPG"},
      {L"report.txt", L"t", L"T", L"reporT.TxT"},
      {L"aaa.txt", L"aa", L"b", L"ba.txt"},
      {L"aaaa", L"aa", L"b", L"bb"},
      {L"photo.jpeg", L".jpeg", L".jpg", L"photo.jpg"},
      {L"abcabc", L"ABC", L"x", L"xx"},
      {L"a-b-c", L"-", L"--", L"a--b--c"},
      {L"a", L"a", L"aa", L"aa"},
      {L"Copy of notes.txt", L"copy OF ", L"", L"notes.txt"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceCaseless(c.name, c.part, c.replacement), c.expected)
        << "name " << c.name << " part " << c.part << " replacement " << c.replacement;
  }
}

TEST(ReplaceRule, FoldsOnlyTheLettersAToZ) {
  const ReplaceCase cases[] = {
      {L"Été.jpg", L"été", L"x", L"Été.jpg"},
      {L"été.jpg", L"été", L"x", L"x.jpg"},
      {L"ÉTÉ.jpg", L"éTé", L"x", L"ÉTÉ.jpg"},
      {L"Straße", L"STRASSE", L"x", L"Straße"},
      {L"[A]@[a]", L"[a]", L"b", L"b@b"},
      {L"Z_z", L"z", L"y", L"y_y"},
      {L"ab`{", L"@[", L"x", L"ab`{"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceCaseless(c.name, c.part, c.replacement), c.expected)
        << "name " << c.name << " part " << c.part;
  }
}

TEST(ReplaceRule, APartThatDoesNotOccurLeavesTheNameUnchanged) {
  const ReplaceCase cases[] = {
      {L"notes.txt", L"xyz", L"a", L"notes.txt"},
      {L"ab", L"abc", L"x", L"ab"},
      {L"", L"a", L"x", L""},
      {L"notes.txt", L"", L"x", L"notes.txt"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceCaseless(c.name, c.part, c.replacement), c.expected)
        << "name \"" << c.name << "\" part \"" << c.part << "\"";
  }
}

TEST(ReplaceRule, RemoveOnlyIgnoresTheReplacementField) {
  ReplaceCriteria removing = ReplaceCriteriaFromFields(L"Copy of", L"ignored", true);
  EXPECT_EQ(removing.replacement, L"") << "the hidden replacement field is not read";
  RenamePlan plan = PlanReplace(removing, RenameRow{L"C:\\Docs\\Copy of notes.txt", L"Copy of notes.txt"});
  EXPECT_EQ(plan.newName, L" notes.txt") << "only the part goes; the space after it stays";
  ReplaceCriteria replacing = ReplaceCriteriaFromFields(L"Copy of", L"Copie de", false);
  EXPECT_EQ(replacing.replacement, L"Copie de") << "the replacement field is read when the box is unticked";
}

TEST(ReplaceRule, PlanUsesTheRowNameAndKeepsTheFolder) {
  ReplaceCriteria criteria = ReplaceCriteriaFromFields(L"img_", L"Photo-", false);
  RenamePlan plan = PlanReplace(criteria, RenameRow{L"C:\\img_dir\\IMG_0001.JPG", L"IMG_0001.JPG"});
  EXPECT_EQ(plan.newName, L"Photo-0001.JPG") << "new name";
  EXPECT_EQ(plan.newPath, L"C:\\img_dir\\Photo-0001.JPG") << "the folder is not searched";
  EXPECT_EQ(plan.oldNameForLog, L"IMG_0001.JPG") << "old name with its extension";
}

TEST(ReplaceRule, ANameReducedToNothingAsksForTheFolderPathItself) {
  ReplaceCriteria criteria = ReplaceCriteriaFromFields(L"notes.txt", L"", true);
  RenamePlan plan = PlanReplace(criteria, RenameRow{L"C:\\Docs\\notes.txt", L"notes.txt"});
  EXPECT_EQ(plan.newName, L"") << "nothing left of the name";
  EXPECT_EQ(plan.newPath, L"C:\\Docs\\") << "a rename to the folder, which the platform refuses";
}

}  // namespace
