#include "rename/NamePreview.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "base/Numbers.h"
#include "filelist/FileList.h"
#include "filelist/NewNameColumn.h"
#include "rename/ListedRows.h"
#include "rename/PassPlan.h"
#include "rename/PreviewText.h"
#include "rename/RenameFieldsReading.h"
#include "rename/RenameRequest.h"
#include "rename/Win32FolderPictures.h"
#include "ui/Objects.h"

namespace renaming {

namespace {

// The pause after the last change before planning, and the tick that waits for it and carries the plan on.
constexpr ULONGLONG kPause = 150;
constexpr UINT kTick = USER_TIMER_MINIMUM;
// Rows planned between two looks at the input queue, and the longest the plan keeps the thread in one tick.
constexpr int kBatch = 512;
constexpr ULONGLONG kSliceLimit = 25;

struct PreviewState {
  UINT_PTR timer = 0;
  ULONGLONG dueAt = 0;
  bool criteriaStale = true;
  bool foldersStale = true;

  // The criteria to plan from, whether a plan is due for them and the rows as they are, and the plan being made
  // for this version of the rows.
  std::optional<RenameCriteria> criteria;
  bool planDue = false;
  std::unique_ptr<PassPlanner> planner;
  unsigned planningRows = 0;

  // The plan on show.
  std::optional<RenameCriteria> shown;
  std::vector<RowForecast> forecasts;
  unsigned shownRows = 0;
  std::optional<RenameMessage> refusal;

  Win32FolderLister lister;
  std::unique_ptr<FolderPictures> folders;
};

PreviewState& State() {
  static PreviewState state;
  return state;
}

void CALLBACK PreviewTick(HWND, UINT, UINT_PTR, DWORD);

// A plan or a folder picture of 100,000 rows is some hundreds of thousands of small blocks: giving them back takes a
// tenth of a second, which a keystroke would wait for. They go back on a thread of their own; nothing else can reach
// them any more.
template <typename Discarded>
void FreeAside(std::unique_ptr<Discarded> discarded) {
  if (discarded) std::thread([doomed = std::move(discarded)]() mutable { doomed.reset(); }).detach();
}

void Arm() {
  PreviewState& state = State();
  state.dueAt = GetTickCount64() + kPause;
  if (!state.timer) state.timer = SetTimer(nullptr, 0, kTick, PreviewTick);
}

void Disarm() {
  PreviewState& state = State();
  if (state.timer) KillTimer(nullptr, state.timer);
  state.timer = 0;
}

void RowsChanged() {
  PreviewState& state = State();
  state.foldersStale = true;
  FreeAside(std::move(state.planner));
  if (state.criteria) state.planDue = true;
  if (state.planDue || state.criteriaStale) Arm();
}

const RowForecast* ForecastOf(int row) {
  const PreviewState& state = State();
  if (!state.shown || state.shownRows != filelist::FileRowsVersion() || row < 0 ||
      static_cast<size_t>(row) >= state.forecasts.size()) {
    return nullptr;
  }
  return &state.forecasts[static_cast<size_t>(row)];
}

std::wstring CellText(int row) {
  const PreviewState& state = State();
  if (state.refusal) return RefusalCellText(*state.refusal);
  const RowForecast* forecast = ForecastOf(row);
  if (!forecast) return L"…";
  RenameRow listed{filelist::FileRowPath(row), filelist::FileRowName(row)};
  std::wstring takenBy = forecast->takenBy >= 0 ? filelist::FileRowName(forecast->takenBy) : std::wstring();
  return ForecastText(forecast->outcome, ForecastName(*state.shown, listed, *forecast), takenBy);
}

filelist::CellLook CellLook(int row) {
  if (State().refusal) return filelist::CellLook::Failure;
  const RowForecast* forecast = ForecastOf(row);
  if (!forecast) return filelist::CellLook::Normal;
  if (IsFailure(forecast->outcome)) return filelist::CellLook::Failure;
  return forecast->outcome == RowOutcome::KeepsName ? filelist::CellLook::Unchanged : filelist::CellLook::Normal;
}

constexpr filelist::NewNameCells kCells{CellText, CellLook};

// Reads the criteria as "Renommer" would, and either hides the column, shows the refusal, or starts a plan.
void TakeCriteria() {
  PreviewState& state = State();
  state.criteriaStale = false;
  FreeAside(std::move(state.planner));
  state.criteria.reset();
  state.planDue = false;
  const RenameFields fields = ReadRenameFields();
  if (!ChosenModeHasItsText(fields)) {
    state.shown.reset();
    state.refusal.reset();
    state.forecasts.clear();
    filelist::HideNewNameColumn();
    return;
  }
  RenameDecision decision = DecideConfirmedRename(fields);
  if (decision.step == RenameStep::ShowMessage) {
    state.shown.reset();
    state.forecasts.clear();
    state.refusal = decision.message;
    filelist::ShowNewNameColumn(kRefusedPreviewHeader, kCells);
    return;
  }
  state.criteria = CriteriaOf(fields);
  state.planDue = state.criteria.has_value();
}

void StartPlan() {
  PreviewState& state = State();
  FreeAside(std::move(state.planner));
  if (!state.folders || state.foldersStale) {
    FreeAside(std::move(state.folders));
    state.folders = std::make_unique<FolderPictures>(state.lister, PlatformLetterCase());
    state.foldersStale = false;
  }
  state.planner = std::make_unique<PassPlanner>(*state.criteria, *state.folders);
  state.planningRows = filelist::FileRowsVersion();
}

bool InputWaiting() { return HIWORD(GetQueueStatus(QS_KEY | QS_MOUSEBUTTON)) != 0; }

void ShowPlan() {
  PreviewState& state = State();
  state.shown = state.criteria;
  state.planDue = false;
  state.forecasts = state.planner->Forecasts();
  state.shownRows = state.planningRows;
  state.refusal.reset();
  const int failures = state.planner->Failures();
  FreeAside(std::move(state.planner));
  filelist::ShowNewNameColumn(PreviewHeader(failures), kCells);
}

void CALLBACK PreviewTick(HWND, UINT, UINT_PTR, DWORD) {
  PreviewState& state = State();
  // Nothing is planned while the window takes no input (a rename pass runs), nor before the pause is over.
  if (GetTickCount64() < state.dueAt || !IsWindowEnabled(ui::WindowHandle(base::kMainWindow))) return;
  if (state.criteriaStale) TakeCriteria();
  if (!state.planDue) {
    Disarm();
    return;
  }
  if (!state.planner || state.planningRows != filelist::FileRowsVersion()) StartPlan();
  const ULONGLONG sliceStart = GetTickCount64();
  ListedRows rows;
  while (!state.planner->PlanMore(rows, kBatch)) {
    if (InputWaiting() || GetTickCount64() - sliceStart >= kSliceLimit) return;
  }
  ShowPlan();
  Disarm();
}

}  // namespace

void StartNamePreview() {
  filelist::SetRowsChangedHandler(RowsChanged);
  CriteriaChanged();
}

void CriteriaChanged() {
  State().criteriaStale = true;
  Arm();
}

}  // namespace renaming
