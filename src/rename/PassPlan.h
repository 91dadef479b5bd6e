#pragma once
// The rename pass foretold: for every row in list order, what the pass will do if nothing else touches the folders
// meanwhile. The plan follows the pass step by step (rename/RenameLoop.h) on a picture of the rows' folders: the
// names as Windows makes them, the names it refuses, names taken by files outside the pass or by rows renamed
// before, letter case as the file system compares it, and the running number that waits after a failure. The pass
// itself still asks the disk at every move. Window-free.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "rename/PlatformNames.h"
#include "rename/RenameLoop.h"
#include "rename/RenameModes.h"

namespace renaming {

enum class RowOutcome : std::uint8_t {
  Renamed,
  KeepsName,           // the new name is the old one: the move succeeds and changes nothing
  NameTaken,           // another entry of the folder answers to the new name
  NameTakenInPass,     // an earlier row of the pass takes that name first
  NoSuchFile,          // the row's file is not in its folder (any more, once earlier rows have moved)
  EmptyName,           // the refusals of the naming rules (rename/PlatformNames.h)
  ForbiddenCharacter,
  ReservedName,
  NameTooLong,
};

bool IsFailure(RowOutcome outcome);

// 12 bytes a row: the name itself is formed again when it is shown (ForecastName).
struct RowForecast {
  RowOutcome outcome = RowOutcome::NoSuchFile;
  std::int32_t number = 0;   // the running number the pass has in hand at this row
  std::int32_t takenBy = -1; // NameTakenInPass: the earlier row that takes the name
};

// The names a folder holds, read from disk once.
class FolderLister {
 public:
  virtual ~FolderLister() = default;
  // Every entry of the folder (a path ending with a separator), files and folders alike, without "." and "..".
  virtual std::vector<std::wstring> NamesIn(const std::wstring& folder) = 0;
};

// The folders read so far, each by the letter-case keys of its names; a new picture reads them again.
class FolderPictures {
 public:
  FolderPictures(FolderLister& lister, const LetterCaseFold& fold) : lister_(lister), fold_(fold) {}
  using Names = std::unordered_map<std::wstring, std::vector<std::wstring>>;  // key: every spelling on disk
  const Names& Of(const std::wstring& folder);
  const LetterCaseFold& Fold() const { return fold_; }

 private:
  FolderLister& lister_;
  const LetterCaseFold& fold_;
  std::unordered_map<std::wstring, std::unique_ptr<Names>> folders_;
};

// Plans the rows a few at a time, so that the program can stop between two batches for the user's input. The
// rows must not change while a plan is made: start a new planner when they do.
class PassPlanner {
 public:
  PassPlanner(RenameCriteria criteria, FolderPictures& folders);
  // Plans up to `most` more rows; true once every row is planned.
  bool PlanMore(const RenameRows& rows, int most);
  const std::vector<RowForecast>& Forecasts() const { return forecasts_; }
  int Failures() const { return failures_; }

 private:
  struct Change {
    std::vector<std::wstring> spellings;  // none: the entry has moved away
    int owner = -1;                       // the row that brought the name, or -1
  };
  struct Folder {
    const FolderPictures::Names* before = nullptr;
    std::unordered_map<std::wstring, Change> changes;
  };
  RowForecast PlanRow(const RenameRow& row, int index);
  Folder& FolderOf(const std::wstring& folder);
  const std::vector<std::wstring>* Spellings(const Folder& folder, const std::wstring& key) const;

  RenameCriteria criteria_;
  FolderPictures& pictures_;
  std::unordered_map<std::wstring, Folder> folders_;
  // Rows of one folder come together: the last folder path met, as spelt, and its state.
  std::wstring lastFolderPath_;
  Folder* lastFolder_ = nullptr;
  std::vector<RowForecast> forecasts_;
  int failures_ = 0;
};

// The name a row keeps or gets (Renamed, KeepsName) as Windows makes it, from the criteria the pass starts with.
std::wstring ForecastName(const RenameCriteria& startCriteria, const RenameRow& row, const RowForecast& forecast);

}  // namespace renaming
