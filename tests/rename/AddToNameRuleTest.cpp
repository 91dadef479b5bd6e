#include "rename/AddToNameRule.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using renaming::AddCriteria;
using renaming::AddCriteriaFromFields;
using renaming::AddPosition;
using renaming::AddPositionFromOptions;
using renaming::AddToNameNewName;
using renaming::AdvanceAfterSuccess;
using renaming::PlanAddToName;
using renaming::RenamePlan;
using renaming::RenameRow;

std::vector<std::wstring> NamesOfSuccessfulPass(AddCriteria criteria, const std::vector<std::wstring>& paths) {
  std::vector<std::wstring> names;
  for (const std::wstring& path : paths) {
    names.push_back(AddToNameNewName(criteria, path));
    AdvanceAfterSuccess(criteria);
  }
  return names;
}

TEST(AddToNameRule, AddsTheTextWithSeparatorAndNumbering) {
  struct AddCase {
    AddPosition position;
    bool separator;
    bool numbering;
    std::vector<std::wstring> expected;
  };
  const AddCase cases[] = {
      {AddPosition::AtStart, false, false, {L"2024IMG_0001.JPG", L"2024notes.txt"}},
      {AddPosition::AtStart, true, false, {L"2024_IMG_0001.JPG", L"2024_notes.txt"}},
      {AddPosition::AtEnd, true, false, {L"IMG_0001_2024.JPG", L"notes_2024.txt"}},
      {AddPosition::AtEnd, false, true, {L"IMG_00012024_1.JPG", L"notes2024_2.txt"}},
      {AddPosition::AtEnd, true, true, {L"IMG_0001_2024_1.JPG", L"notes_2024_2.txt"}},
      {AddPosition::AtStart, true, true, {L"2024_IMG_0001_1.JPG", L"2024_notes_2.txt"}},
      {AddPosition::AtStart, false, true, {L"2024IMG_0001_1.JPG", L"2024notes_2.txt"}},
      {AddPosition::AtEnd, false, false, {L"IMG_00012024.JPG", L"notes2024.txt"}},
  };
  for (const AddCase& c : cases) {
    AddCriteria criteria = AddCriteriaFromFields(L"2024", c.position, c.numbering, L"1", L"1", c.separator);
    EXPECT_EQ(NamesOfSuccessfulPass(criteria, {L"C:\\Photos\\IMG_0001.JPG", L"C:\\Photos\\notes.txt"}), c.expected)
        << "at start " << (c.position == AddPosition::AtStart) << " separator " << c.separator << " numbering "
        << c.numbering;
  }
}

TEST(AddToNameRule, KeepsTheExtensionAndWritesTheDotWithoutOne) {
  struct ExtensionCase {
    const wchar_t* path;
    const wchar_t* expected;
  };
  const ExtensionCase cases[] = {
      {L"C:\\a\\README", L"README_old."},
      {L"C:\\a\\archive.tar.gz", L"archive.tar_old.gz"},
      {L"C:\\a\\.profile", L".profile_old."},
      {L"C:\\a\\holiday.jpg copy", L"holiday.jpg copy_old."},
      {L"C:\\a\\memo.", L"memo._old."},
      {L"C:\\a\\photo.JPG", L"photo_old.JPG"},
  };
  AddCriteria criteria = AddCriteriaFromFields(L"old", AddPosition::AtEnd, false, L"1", L"1", true);
  for (const ExtensionCase& c : cases) {
    EXPECT_EQ(AddToNameNewName(criteria, c.path), c.expected) << "path " << c.path;
  }
}

TEST(AddToNameRule, NumberingAdvancesOnlyWhenTicked) {
  AddCriteria numbered = AddCriteriaFromFields(L"x", AddPosition::AtEnd, true, L"1", L"1", false);
  std::vector<std::wstring> names;
  for (int k = 0; k < 10; ++k) {
    names.push_back(AddToNameNewName(numbered, L"C:\\a.jpg"));
    AdvanceAfterSuccess(numbered);
  }
  EXPECT_EQ(names.back(), L"ax_10.jpg") << "the tenth row gets _10, without padding";

  AddCriteria zero = AddCriteriaFromFields(L"x", AddPosition::AtEnd, true, L"0", L"3", false);
  EXPECT_EQ(NamesOfSuccessfulPass(zero, {L"a.jpg", L"a.jpg"}), (std::vector<std::wstring>{L"ax_3.jpg", L"ax_3.jpg"}))
      << "increment 0 gives every row the same number";

  AddCriteria plain = AddCriteriaFromFields(L"x", AddPosition::AtEnd, false, L"5", L"1", false);
  AdvanceAfterSuccess(plain);
  EXPECT_EQ(plain.runningNumber, 1) << "without numbering the number stays";

  AddCriteria wrapping = AddCriteriaFromFields(L"x", AddPosition::AtEnd, true, L"1", L"2147483647", false);
  AdvanceAfterSuccess(wrapping);
  EXPECT_EQ(AddToNameNewName(wrapping, L"a.jpg"), L"ax_-2147483648.jpg") << "the number wraps in 32 bits";
}

TEST(AddToNameRule, DifferentExtensionsStayDistinct) {
  AddCriteria criteria = AddCriteriaFromFields(L"x", AddPosition::AtStart, false, L"1", L"1", false);
  EXPECT_EQ(AddToNameNewName(criteria, L"C:\\a.jpg"), L"xa.jpg") << "a.jpg";
  EXPECT_EQ(AddToNameNewName(criteria, L"C:\\a.png"), L"xa.png") << "a.png";
}

TEST(AddToNameRule, PlanLogsTheBaseNameWithoutItsExtension) {
  AddCriteria criteria = AddCriteriaFromFields(L"2024", AddPosition::AtStart, false, L"1", L"1", false);
  RenamePlan plan = PlanAddToName(criteria, RenameRow{L"C:\\Docs.old\\notes.txt", L"notes.txt"});
  EXPECT_EQ(plan.newName, L"2024notes.txt") << "new name";
  EXPECT_EQ(plan.newPath, L"C:\\Docs.old\\2024notes.txt") << "same folder";
  EXPECT_EQ(plan.oldNameForLog, L"notes") << "base name only";
}

TEST(AddToNameRule, AtStartIsLookedAtBeforeAtEnd) {
  EXPECT_EQ(AddPositionFromOptions(true, false), AddPosition::AtStart) << "at start only";
  EXPECT_EQ(AddPositionFromOptions(false, true), AddPosition::AtEnd) << "at end only";
  EXPECT_EQ(AddPositionFromOptions(true, true), AddPosition::AtStart) << "both: at start wins";
  EXPECT_EQ(AddPositionFromOptions(false, false), AddPosition::None) << "neither";
}

TEST(AddToNameRule, WithoutAPositionNothingOfTheNameIsLost) {
  AddCriteria criteria = AddCriteriaFromFields(L"2024", AddPosition::None, false, L"1", L"1", true);
  EXPECT_EQ(AddToNameNewName(criteria, L"C:\\a\\notes.txt"), L"notes_2024.txt")
      << "should it ever get here, the text goes at the end";
}

}  // namespace
