#include "rename/RenumberRule.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using renaming::AdvanceAfterSuccess;
using renaming::PlanRenumber;
using renaming::RenameRow;
using renaming::RenumberCriteria;
using renaming::RenumberCriteriaFromFields;
using renaming::RenumberNewName;

const std::vector<std::wstring> kVacationRows = {L"C:\\Photos\\IMG_0001.JPG", L"C:\\Photos\\IMG_0002.JPG",
                                                 L"C:\\Photos\\notes.txt"};

// The new names of rows that all rename successfully, one after the other.
std::vector<std::wstring> NamesOfSuccessfulPass(RenumberCriteria criteria, const std::vector<std::wstring>& paths) {
  std::vector<std::wstring> names;
  for (const std::wstring& path : paths) {
    names.push_back(RenumberNewName(criteria, path));
    AdvanceAfterSuccess(criteria);
  }
  return names;
}

TEST(RenumberRule, NewNameIsCommonNameSeparatorNumberAndExtension) {
  struct PassCase {
    bool separator;
    const wchar_t* start;
    const wchar_t* increment;
    std::vector<std::wstring> expected;
  };
  const PassCase cases[] = {
      {true, L"1", L"1", {L"Vacances_1.JPG", L"Vacances_2.JPG", L"Vacances_3.txt"}},
      {false, L"1", L"1", {L"Vacances1.JPG", L"Vacances2.JPG", L"Vacances3.txt"}},
      {true, L"8", L"2", {L"Vacances_8.JPG", L"Vacances_10.JPG", L"Vacances_12.txt"}},
      {true, L"", L"1", {L"Vacances_0.JPG", L"Vacances_1.JPG", L"Vacances_2.txt"}},
      {true, L"5", L"0", {L"Vacances_5.JPG", L"Vacances_5.JPG", L"Vacances_5.txt"}},
      {true, L"5", L"", {L"Vacances_5.JPG", L"Vacances_5.JPG", L"Vacances_5.txt"}},
      {true, L"$A", L"%10", {L"Vacances_10.JPG", L"Vacances_12.JPG", L"Vacances_14.txt"}},
      {true, L"-1", L"1", {L"Vacances_-1.JPG", L"Vacances_0.JPG", L"Vacances_1.txt"}},
  };
  for (const PassCase& c : cases) {
    RenumberCriteria criteria = RenumberCriteriaFromFields(L"Vacances", c.increment, c.start, c.separator);
    EXPECT_EQ(NamesOfSuccessfulPass(criteria, kVacationRows), c.expected)
        << "start \"" << c.start << "\" increment \"" << c.increment << "\" separator " << c.separator;
  }
}

TEST(RenumberRule, NumbersAreNeverPadded) {
  RenumberCriteria criteria = RenumberCriteriaFromFields(L"Vacances", L"1", L"9", true);
  std::vector<std::wstring> names = NamesOfSuccessfulPass(criteria, {L"C:\\a.JPG", L"C:\\b.JPG"});
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Vacances_9.JPG", L"Vacances_10.JPG"})) << "9 then 10";
}

TEST(RenumberRule, ExtensionKeepsItsCaseAndADotIsWrittenWithoutOne) {
  struct ExtensionCase {
    const wchar_t* path;
    const wchar_t* expected;
  };
  const ExtensionCase cases[] = {
      {L"C:\\a\\photo.JPG", L"Vacances_1.JPG"},      {L"C:\\a\\archive.tar.gz", L"Vacances_1.gz"},
      {L"C:\\a\\README", L"Vacances_1."},            {L"C:\\a\\.profile", L"Vacances_1."},
      {L"C:\\a\\holiday.jpg copy", L"Vacances_1."},  {L"C:\\a.b\\README", L"Vacances_1."},
  };
  RenumberCriteria criteria = RenumberCriteriaFromFields(L"Vacances", L"1", L"1", true);
  for (const ExtensionCase& c : cases) EXPECT_EQ(RenumberNewName(criteria, c.path), c.expected) << "path " << c.path;
}

TEST(RenumberRule, NewNameIsTakenExactlyAsTyped) {
  RenumberCriteria criteria = RenumberCriteriaFromFields(L"   ", L"1", L"3", false);
  EXPECT_EQ(RenumberNewName(criteria, L"C:\\a\\x.jpg"), L"   3.jpg") << "three spaces stay";
  criteria = RenumberCriteriaFromFields(L"Été [2024]", L"1", L"1", true);
  EXPECT_EQ(RenumberNewName(criteria, L"C:\\a\\x.jpg"), L"Été [2024]_1.jpg") << "accents and brackets stay";
}

TEST(RenumberRule, PlanRenamesInTheRowsFolderAndLogsTheOldNameWithItsExtension) {
  RenumberCriteria criteria = RenumberCriteriaFromFields(L"Vacances", L"1", L"1", true);
  renaming::RenamePlan plan = PlanRenumber(criteria, RenameRow{L"D:\\Photos/2024\\IMG_0001.JPG", L"IMG_0001.JPG"});
  EXPECT_EQ(plan.newName, L"Vacances_1.JPG") << "new name";
  EXPECT_EQ(plan.newPath, L"D:\\Photos/2024\\Vacances_1.JPG") << "same folder, up to the last separator";
  EXPECT_EQ(plan.oldNameForLog, L"IMG_0001.JPG") << "old name with extension";
}

TEST(RenumberRule, RunningNumberWrapsInThirtyTwoBits) {
  RenumberCriteria criteria = RenumberCriteriaFromFields(L"N", L"1", L"2147483647", false);
  std::vector<std::wstring> names = NamesOfSuccessfulPass(criteria, {L"a.x", L"b.x", L"c.x"});
  EXPECT_EQ(names, (std::vector<std::wstring>{L"N2147483647.x", L"N-2147483648.x", L"N-2147483647.x"}))
      << "past the largest value the number goes on from the smallest";
  criteria = RenumberCriteriaFromFields(L"N", L"$7FFFFFFF", L"4294967295", false);
  names = NamesOfSuccessfulPass(criteria, {L"a.x", L"b.x", L"c.x"});
  EXPECT_EQ(names, (std::vector<std::wstring>{L"N-1.x", L"N2147483646.x", L"N-3.x"}))
      << "start and increment keep their low 32 bits";
}

}  // namespace
