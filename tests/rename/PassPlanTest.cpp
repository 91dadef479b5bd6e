// The plan of a pass against the pass itself: what the plan foretells for every row is what the rename loop then
// does on the same folders held in memory.
#include "rename/PassPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/PathParts.h"
#include "rename/MemoryWorld.h"

namespace {

using namespace rename_test;
using renaming::RowOutcome;

// Capitals of ASCII letters, as the memory disk compares names.
const renaming::LetterCaseFold& TestFold() {
  static const renaming::LetterCaseFold fold = [] {
    std::vector<wchar_t> capitals(0x10000);
    for (size_t c = 0; c < capitals.size(); ++c) {
      capitals[c] = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    }
    return renaming::LetterCaseFold(std::move(capitals));
  }();
  return fold;
}

std::vector<renaming::RowForecast> Plan(MemoryDisk& disk, const std::vector<std::wstring>& rows,
                                        const renaming::RenameCriteria& criteria) {
  renaming::FolderPictures pictures(disk, TestFold());
  renaming::PassPlanner planner(criteria, pictures);
  VectorRows listed(rows);
  planner.PlanMore(listed, listed.Count());
  return planner.Forecasts();
}

std::vector<RowOutcome> Outcomes(const std::vector<renaming::RowForecast>& forecasts) {
  std::vector<RowOutcome> outcomes;
  for (const auto& forecast : forecasts) outcomes.push_back(forecast.outcome);
  return outcomes;
}

TEST(PassPlan, ForetellsTakenNamesMissingFilesAndTheWaitingNumber) {
  MemoryDisk disk({L"P\\a.jpg", L"P\\b.jpg", L"P\\c.jpg", L"P\\v_2.JPG", L"Q\\d.jpg"});
  auto forecasts = Plan(disk, {L"P\\a.jpg", L"P\\b.jpg", L"P\\gone.jpg", L"P\\c.png", L"P\\c.jpg", L"Q\\d.jpg"},
                        renaming::RenumberCriteriaFromFields(L"V", L"1", L"1", true));
  EXPECT_EQ(Outcomes(forecasts), (std::vector<RowOutcome>{RowOutcome::Renamed, RowOutcome::NameTaken,
                                                          RowOutcome::NoSuchFile, RowOutcome::NoSuchFile,
                                                          RowOutcome::NameTaken, RowOutcome::Renamed}))
      << "V_2.jpg answers to v_2.JPG; a missing file fails too";
  std::vector<int> numbers;
  for (const auto& forecast : forecasts) numbers.push_back(forecast.number);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 2, 2, 2, 2})) << "the number waits for the next success";
  EXPECT_EQ(renaming::ForecastName(renaming::RenumberCriteriaFromFields(L"V", L"1", L"1", true), {L"Q\\d.jpg", L"d.jpg"},
                                   forecasts[5]),
            L"V_2.jpg");
}

TEST(PassPlan, NamesAnEarlierRowThatTakesTheNameFirst) {
  MemoryDisk disk({L"P\\a.jpg", L"P\\b.jpg"});
  auto forecasts = Plan(disk, {L"P\\a.jpg", L"P\\b.jpg"}, renaming::RenumberCriteriaFromFields(L"V", L"0", L"1", true));
  EXPECT_EQ(Outcomes(forecasts), (std::vector<RowOutcome>{RowOutcome::Renamed, RowOutcome::NameTakenInPass}));
  EXPECT_EQ(forecasts[1].takenBy, 0);
}

TEST(PassPlan, GoesByTheNamesWindowsMakesAndRefuses) {
  MemoryDisk disk({L"P\\a.jpg", L"P\\memo", L"P\\README"});
  auto replace = [&](const wchar_t* part, const wchar_t* by, const wchar_t* row) {
    return Plan(disk, {row}, renaming::ReplaceCriteriaFromFields(part, by, false)).at(0).outcome;
  };
  EXPECT_EQ(replace(L"zzz", L"y", L"P\\a.jpg"), RowOutcome::KeepsName) << "a part that does not occur";
  EXPECT_EQ(replace(L"memo", L"memo. .", L"P\\memo"), RowOutcome::KeepsName) << "trailing dots and spaces go";
  EXPECT_EQ(replace(L"a", L"A", L"P\\a.jpg"), RowOutcome::Renamed) << "a change of letter case";
  EXPECT_EQ(replace(L"memo", L"...", L"P\\memo"), RowOutcome::EmptyName);
  EXPECT_EQ(replace(L"a", L"nul", L"P\\a.jpg"), RowOutcome::ReservedName) << "nul.jpg";
  EXPECT_EQ(replace(L"a", L"com¹ ", L"P\\a.jpg"), RowOutcome::ReservedName) << "COM¹ .jpg";
  EXPECT_EQ(replace(L"a", L"conx", L"P\\a.jpg"), RowOutcome::Renamed);
  EXPECT_EQ(replace(L"a", L"a:b", L"P\\a.jpg"), RowOutcome::ForbiddenCharacter);
  EXPECT_EQ(replace(L"a", std::wstring(252, L'n').c_str(), L"P\\a.jpg"), RowOutcome::NameTooLong) << "256 units";
  EXPECT_EQ(replace(L"a", std::wstring(251, L'n').c_str(), L"P\\a.jpg"), RowOutcome::Renamed) << "255 units";
  auto add = Plan(disk, {L"P\\README"},
                  renaming::AddCriteriaFromFields(L"old", renaming::AddPosition::AtEnd, false, L"1", L"1", true));
  EXPECT_EQ(renaming::ForecastName(
                renaming::AddCriteriaFromFields(L"old", renaming::AddPosition::AtEnd, false, L"1", L"1", true),
                {L"P\\README", L"README"}, add.at(0)),
            L"README_old")
      << "README_old. is made without its dot";
}

// Random folders, rows and criteria: names that differ only in letter case, chains where a new name is another
// row's old name, device names, forbidden characters, names reduced to nothing, rows listed twice or gone.
class RandomPasses {
 public:
  explicit RandomPasses(unsigned seed) : random_(seed) {}

  std::set<std::wstring> Entries() {
    std::set<std::wstring> entries;
    for (const wchar_t* folder : {L"P\\", L"Q\\"}) {
      for (int i = Pick(6) + 1; i > 0; --i) entries.insert(folder + Name());
    }
    return entries;
  }

  std::vector<std::wstring> Rows(const std::set<std::wstring>& entries) {
    std::vector<std::wstring> rows(entries.begin(), entries.end());
    std::shuffle(rows.begin(), rows.end(), random_);
    rows.resize(static_cast<size_t>(Pick(static_cast<int>(rows.size())) + 1));
    if (Pick(3) == 0) rows.push_back(rows.front());   // listed twice
    if (Pick(3) == 0) rows.push_back(L"P\\" + Name()); // maybe not on disk
    return rows;
  }

  renaming::RenameCriteria Criteria() {
    static const wchar_t* kTexts[] = {L"a", L"A", L"v", L"V", L"b", L"com", L"nul", L"x:", L".", L" ", L"v_1", L"jpg"};
    static const wchar_t* kNumbers[] = {L"0", L"1", L"2", L"-1", L""};
    auto text = [&] { return std::wstring(kTexts[Pick(12)]); };
    auto number = [&] { return std::wstring(kNumbers[Pick(5)]); };
    switch (Pick(3)) {
      case 0: return renaming::RenumberCriteriaFromFields(text(), number(), number(), Pick(2) == 0);
      case 1: return renaming::ReplaceCriteriaFromFields(text(), text(), Pick(4) == 0);
      default:
        return renaming::AddCriteriaFromFields(
            text(), Pick(2) == 0 ? renaming::AddPosition::AtStart : renaming::AddPosition::AtEnd, Pick(2) == 0, number(),
            number(), Pick(2) == 0);
    }
  }

 private:
  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }
  std::wstring Name() {
    static const wchar_t* kNames[] = {L"a.jpg", L"A.JPG", L"b.jpg", L"v_1.jpg", L"V_2.JPG", L"v1.jpg", L"v2.png",
                                      L"a",     L"b.",    L"ab.png", L"jpg",    L"V.jpg",   L"av_1.jpg"};
    return kNames[Pick(13)];
  }
  std::mt19937 random_;
};

TEST(PassPlan, AgreesWithThePassOnEveryRowOfRandomPasses) {
  for (unsigned seed = 1; seed <= 2000; ++seed) {
    RandomPasses random(seed);
    std::set<std::wstring> entries = random.Entries();
    std::vector<std::wstring> rows = random.Rows(entries);
    renaming::RenameCriteria criteria = random.Criteria();

    Pass pass(entries);
    pass.disk.keepsNameOnCaseMove = seed % 2 == 0;  // as under Wine: the letter case goes through a temporary name
    auto forecasts = Plan(pass.disk, rows, criteria);
    pass.Run(rows, criteria);
    std::vector<std::string> lines = pass.log.Lines();
    ASSERT_EQ(lines.size(), rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
      const bool failed = lines[row].find("Erreur!") != std::string::npos;
      ASSERT_EQ(failed, renaming::IsFailure(forecasts[row].outcome))
          << "seed " << seed << ", row " << row << ": " << lines[row];
      if (failed) continue;
      // The success line names the new name as the mode formed it: the running number the plan foretold.
      std::wstring formed = renaming::PlanRename(renaming::WithRunningNumber(criteria, forecasts[row].number),
                                                 {rows[row], base::NamePart(rows[row])})
                                .newName;
      std::string ascii(formed.begin(), formed.end());
      ASSERT_NE(lines[row].find(" : " + ascii), std::string::npos) << "seed " << seed << ", row " << row;
    }
  }
}

}  // namespace
