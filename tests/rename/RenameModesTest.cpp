#include "rename/RenameModes.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using renaming::AddCriteriaFromFields;
using renaming::AddPosition;
using renaming::RenameCriteria;
using renaming::RenameRow;
using renaming::RenumberCriteriaFromFields;
using renaming::ReplaceCriteriaFromFields;

// A pass over a folder held in memory: a rename fails when the new path names another file, as the plain file move
// does. Gives, for each row, the new name it got or "!" for a failure.
std::vector<std::wstring> SimulatePass(RenameCriteria criteria, std::set<std::wstring> files,
                                       const std::vector<std::wstring>& rows) {
  std::vector<std::wstring> outcomes;
  for (const std::wstring& path : rows) {
    renaming::RenamePlan plan = renaming::PlanRename(criteria, RenameRow{path, path.substr(path.rfind(L'\\') + 1)});
    if (plan.newPath != path && files.count(plan.newPath) != 0) {
      outcomes.push_back(L"!");
      continue;
    }
    files.erase(path);
    files.insert(plan.newPath);
    renaming::AdvanceAfterSuccess(criteria);
    outcomes.push_back(plan.newName);
  }
  return outcomes;
}

TEST(RenameModes, EachCriteriaKindFormsItsOwnModesPlan) {
  const RenameRow row{L"C:\\P\\IMG_0001.JPG", L"IMG_0001.JPG"};
  struct ModeCase {
    const char* mode;
    RenameCriteria criteria;
    const wchar_t* newName;
    const wchar_t* oldName;
  };
  const ModeCase cases[] = {
      {"renumber", RenumberCriteriaFromFields(L"V", L"1", L"1", true), L"V_1.JPG", L"IMG_0001.JPG"},
      {"replace", ReplaceCriteriaFromFields(L"img", L"Pic", false), L"Pic_0001.JPG", L"IMG_0001.JPG"},
      {"add", AddCriteriaFromFields(L"x", AddPosition::AtEnd, false, L"1", L"1", true), L"IMG_0001_x.JPG",
       L"IMG_0001"},
  };
  for (const ModeCase& c : cases) {
    renaming::RenamePlan plan = renaming::PlanRename(c.criteria, row);
    EXPECT_EQ(plan.newName, c.newName) << c.mode << " new name";
    EXPECT_EQ(plan.newPath, std::wstring(L"C:\\P\\") + c.newName) << c.mode << " new path";
    EXPECT_EQ(plan.oldNameForLog, c.oldName) << c.mode << " old name for the log";
  }
}

TEST(RenameModes, AFailedRenameKeepsTheRunningNumberForTheNextRow) {
  const std::vector<std::wstring> rows = {L"C:\\P\\a.JPG", L"C:\\P\\b.JPG", L"C:\\P\\c.txt"};
  std::set<std::wstring> files(rows.begin(), rows.end());
  files.insert(L"C:\\P\\V_1.JPG");
  std::vector<std::wstring> outcomes = SimulatePass(RenumberCriteriaFromFields(L"V", L"1", L"1", true), files, rows);
  EXPECT_EQ(outcomes, (std::vector<std::wstring>{L"!", L"!", L"V_1.txt"}))
      << "V_1.JPG exists: both JPG rows fail on it and the txt row still gets 1";

  files = std::set<std::wstring>(rows.begin(), rows.end());
  outcomes = SimulatePass(RenumberCriteriaFromFields(L"V", L"0", L"1", true), files, rows);
  EXPECT_EQ(outcomes, (std::vector<std::wstring>{L"V_1.JPG", L"!", L"V_1.txt"}))
      << "increment 0: the second JPG row clashes with the first";

  outcomes = SimulatePass(AddCriteriaFromFields(L"x", AddPosition::AtEnd, true, L"0", L"1", false),
                          {L"C:\\P\\a.JPG", L"C:\\P\\a.png", L"C:\\P\\ax_1.JPG"}, {L"C:\\P\\a.JPG", L"C:\\P\\a.png"});
  EXPECT_EQ(outcomes, (std::vector<std::wstring>{L"!", L"ax_1.png"})) << "add mode keeps its number after a clash";
}

}  // namespace
