#include "rename/PassPlan.h"

#include <algorithm>
#include <utility>

#include "base/PathParts.h"

namespace renaming {

namespace {

RowOutcome OutcomeOfRefusal(NameRefusal refusal) {
  switch (refusal) {
    case NameRefusal::Empty: return RowOutcome::EmptyName;
    case NameRefusal::ForbiddenCharacter: return RowOutcome::ForbiddenCharacter;
    case NameRefusal::ReservedName: return RowOutcome::ReservedName;
    case NameRefusal::TooLong: return RowOutcome::NameTooLong;
    case NameRefusal::None: break;
  }
  return RowOutcome::Renamed;
}

}  // namespace

bool IsFailure(RowOutcome outcome) { return outcome != RowOutcome::Renamed && outcome != RowOutcome::KeepsName; }

const FolderPictures::Names& FolderPictures::Of(const std::wstring& folder) {
  std::wstring key = fold_.Key(folder);
  auto found = folders_.find(key);
  if (found != folders_.end()) return *found->second;
  auto names = std::make_unique<Names>();
  for (std::wstring& name : lister_.NamesIn(folder)) {
    std::wstring nameKey = fold_.Key(name);
    (*names)[std::move(nameKey)].push_back(std::move(name));
  }
  return *folders_.emplace(std::move(key), std::move(names)).first->second;
}

PassPlanner::PassPlanner(RenameCriteria criteria, FolderPictures& folders)
    : criteria_(std::move(criteria)), pictures_(folders) {}

PassPlanner::Folder& PassPlanner::FolderOf(const std::wstring& folder) {
  if (lastFolder_ && folder == lastFolderPath_) return *lastFolder_;
  Folder& state = folders_[pictures_.Fold().Key(folder)];
  if (!state.before) state.before = &pictures_.Of(folder);
  lastFolderPath_ = folder;
  lastFolder_ = &state;
  return state;
}

const std::vector<std::wstring>* PassPlanner::Spellings(const Folder& folder, const std::wstring& key) const {
  auto changed = folder.changes.find(key);
  if (changed != folder.changes.end()) return &changed->second.spellings;
  auto found = folder.before->find(key);
  return found != folder.before->end() ? &found->second : nullptr;
}

// The steps of the rename loop and of MoveWithoutReplacing, on the picture of the folder.
RowForecast PassPlanner::PlanRow(const RenameRow& row, int index) {
  const LetterCaseFold& fold = pictures_.Fold();
  RowForecast forecast;
  forecast.number = RunningNumberOf(criteria_);
  RenamePlan plan = PlanRename(criteria_, row);
  if (NameRefusal refusal = RefusalOf(plan.newName); refusal != NameRefusal::None) {
    forecast.outcome = OutcomeOfRefusal(refusal);
    return forecast;
  }
  Folder& folder = FolderOf(base::FolderPart(row.fullPath));
  const std::wstring target = NameAsMade(plan.newName);
  const std::wstring oldName = base::NamePart(row.fullPath);
  const std::wstring oldKey = fold.Key(oldName);
  const std::vector<std::wstring>* here = Spellings(folder, oldKey);
  if (!here || here->empty()) {
    forecast.outcome = RowOutcome::NoSuchFile;
    return forecast;
  }
  if (target == oldName) {
    // Where the folder tells letter case apart and holds a twin of the name, the platform refuses even this move.
    forecast.outcome = here->size() == 1 ? RowOutcome::KeepsName : RowOutcome::NameTaken;
    return forecast;
  }
  const std::wstring targetKey = fold.Key(target);
  if (targetKey == oldKey) {
    // A change of letter case is made only where nothing else in the folder answers to the new name.
    if (*here != std::vector<std::wstring>{oldName}) {
      forecast.outcome = RowOutcome::NameTaken;
      return forecast;
    }
    folder.changes[oldKey] = Change{{target}, index};
    forecast.outcome = RowOutcome::Renamed;
    return forecast;
  }
  if (const std::vector<std::wstring>* there = Spellings(folder, targetKey); there && !there->empty()) {
    auto change = folder.changes.find(targetKey);
    forecast.takenBy = change != folder.changes.end() ? change->second.owner : -1;
    forecast.outcome = forecast.takenBy >= 0 ? RowOutcome::NameTakenInPass : RowOutcome::NameTaken;
    return forecast;
  }
  std::vector<std::wstring> left = *here;
  auto moved = std::find(left.begin(), left.end(), oldName);
  left.erase(moved != left.end() ? moved : left.begin());
  folder.changes[oldKey] = Change{std::move(left), -1};
  folder.changes[targetKey] = Change{{target}, index};
  forecast.outcome = RowOutcome::Renamed;
  return forecast;
}

bool PassPlanner::PlanMore(const RenameRows& rows, int most) {
  const int count = rows.Count();
  if (forecasts_.empty()) forecasts_.reserve(static_cast<size_t>(count));
  for (int done = 0; done < most && static_cast<int>(forecasts_.size()) < count; ++done) {
    const int index = static_cast<int>(forecasts_.size());
    RowForecast forecast = PlanRow(rows.Row(index), index);
    if (IsFailure(forecast.outcome)) {
      ++failures_;
    } else {
      AdvanceAfterSuccess(criteria_);
    }
    forecasts_.push_back(forecast);
  }
  return static_cast<int>(forecasts_.size()) >= count;
}

std::wstring ForecastName(const RenameCriteria& startCriteria, const RenameRow& row, const RowForecast& forecast) {
  return NameAsMade(PlanRename(WithRunningNumber(startCriteria, forecast.number), row).newName);
}

}  // namespace renaming
