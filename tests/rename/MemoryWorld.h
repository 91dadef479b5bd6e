#pragma once
// The world of a rename pass held in memory: folders, the rename log, a clock, what the user is shown and the
// rows of the list.

#include <algorithm>
#include <cwctype>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "rename/PassPlan.h"
#include "rename/RenameLoop.h"
#include "rename/UndoLoop.h"

namespace rename_test {

using renaming::MoveResult;
using renaming::RenameRow;

// Entries of folders, each with its identity. A plain move onto an existing name is refused, as on Windows, and so is one onto a name that
// another entry answers to but for letter case; a letter-case-only move renames, as on Windows, unless
// `keepsNameOnCaseMove` makes it report success and change nothing, as some platforms do. `refusedMoves` makes the
// numbered moves (from 1) fail, `unseenMoves` makes them report success and change nothing; `refusesReadOnly`
// makes moves of a read-only file fail for that attribute.
class MemoryDisk : public renaming::FileMoves, public renaming::FolderLister {
 public:
  // Each entry is a file of its own, numbered from 1: the number is its identity and stands for its content.
  explicit MemoryDisk(const std::set<std::wstring>& entries) {
    for (const std::wstring& entry : entries) entries_[entry] = ++lastIdentity_;
  }

  MoveResult Move(const std::wstring& from, const std::wstring& to) override {
    ++moves_;
    steps.push_back(L"move " + from + L" > " + to);
    // The source is found as Windows finds it, whatever its letter case; the spelling given first.
    auto source = Find(from);
    if (refusedMoves.count(moves_) || source == entries_.end()) return MoveResult::Failed;
    const std::wstring found = source->first;
    const unsigned identity = source->second;
    if (refusesReadOnly && readOnly_.count(identity)) return MoveResult::ReadOnly;
    if (unseenMoves.count(moves_)) return MoveResult::Moved;
    if (DifferOnlyInLetterCase(from, to) && keepsNameOnCaseMove) return MoveResult::Moved;
    if (std::any_of(entries_.begin(), entries_.end(),
                    [&](const auto& e) { return e.first != found && Folded(e.first) == Folded(to); })) {
      return MoveResult::NameTaken;
    }
    entries_.erase(found);
    entries_[to] = identity;
    return MoveResult::Moved;
  }

  // The attribute belongs to the file and follows it from name to name.
  void SetReadOnly(const std::wstring& path, bool readOnly) override {
    steps.push_back((readOnly ? L"read-only " : L"writable ") + path);
    auto found = Find(path);
    if (found == entries_.end()) return;
    if (readOnly) {
      readOnly_.insert(found->second);
    } else {
      readOnly_.erase(found->second);
    }
  }
  bool IsReadOnly(const std::wstring& path) {
    auto found = Find(path);
    return found != entries_.end() && readOnly_.count(found->second);
  }

  bool DifferOnlyInLetterCase(const std::wstring& a, const std::wstring& b) override {
    return a != b && Folded(a) == Folded(b);
  }

  std::vector<std::wstring> NamesAnsweringTo(const std::wstring& path) override {
    steps.push_back(L"look " + path);
    std::vector<std::wstring> names;
    for (const auto& [entry, identity] : entries_) {
      if (Folded(entry) == Folded(path)) names.push_back(entry.substr(entry.find_last_of(L'\\') + 1));
    }
    return names;
  }

  std::wstring TemporaryName(const std::wstring& folder, unsigned attempt) override {
    return folder + L"~tmp" + std::to_wstring(attempt);
  }

  std::optional<renaming::FileIdentity> IdentityOf(const std::wstring& path) override {
    auto found = Find(path);
    if (found == entries_.end() || unreadableIdentities) return std::nullopt;
    return renaming::FileIdentity{7, found->second};
  }

  void PauseBeforeRetry() override { steps.push_back(L"pause"); }

  // The folder's entries as a listing gives them, whatever the letter case of the folder path asked for.
  std::vector<std::wstring> NamesIn(const std::wstring& folder) override {
    std::vector<std::wstring> names;
    for (const auto& [entry, identity] : entries_) {
      size_t cut = entry.find_last_of(L'\\') + 1;
      if (Folded(entry.substr(0, cut)) == Folded(folder)) names.push_back(entry.substr(cut));
    }
    return names;
  }

  std::set<std::wstring> Entries() const {
    std::set<std::wstring> names;
    for (const auto& [entry, identity] : entries_) names.insert(entry);
    return names;
  }
  // Every entry with its identity (its content).
  const std::map<std::wstring, unsigned>& Files() const { return entries_; }
  // Another file put at `path`, in place of whatever was there, as the user may do between two passes.
  void PutNewFile(const std::wstring& path) {
    auto found = Find(path);
    if (found != entries_.end()) entries_.erase(found);
    entries_[path] = ++lastIdentity_;
  }

  std::vector<std::wstring> steps;
  std::set<int> refusedMoves;
  std::set<int> unseenMoves;
  bool keepsNameOnCaseMove = false;
  bool refusesReadOnly = false;  // moves of a read-only file are refused, as some file systems refuse them
  bool unreadableIdentities = false;

 private:
  // The entry as Windows finds it, whatever its letter case; the spelling given first.
  std::map<std::wstring, unsigned>::iterator Find(const std::wstring& path) {
    auto found = entries_.find(path);
    if (found != entries_.end()) return found;
    return std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return Folded(e.first) == Folded(path); });
  }
  static std::wstring Folded(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return text;
  }
  std::map<std::wstring, unsigned> entries_;
  std::set<unsigned> readOnly_;
  unsigned lastIdentity_ = 0;
  int moves_ = 0;
};

// The log's bytes, kept in memory; `held` makes every open fail as when another program holds the file.
class MemoryLog : public renaming::LogFileAccess {
 public:
  renaming::LogOpening OpenExclusive(const std::wstring& path) override {
    if (held) return {nullptr, true};
    paths.insert(path);
    return {std::make_unique<Handle>(bytes), false};
  }
  void Pause(int) override { ++pauses; }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2) {
      lines.push_back(bytes.substr(at, end - at));
    }
    return lines;
  }
  std::string bytes;
  std::set<std::wstring> paths;
  bool held = false;
  int pauses = 0;

 private:
  class Handle : public renaming::OpenLogFile {
   public:
    explicit Handle(std::string& bytes) : bytes_(bytes) {}
    bool SeekToEnd() override { return true; }
    size_t Write(std::string_view bytes) override {
      bytes_ += bytes;
      return bytes.size();
    }

   private:
    std::string& bytes_;
  };
};

// A clock that moves on by one second at each reading.
class SteppingClock : public renaming::Clock {
 public:
  renaming::LocalTime Now() override { return {2026, 3, 5, 9, 4, seconds_++}; }

 private:
  int seconds_ = 7;
};

class RecordingObserver : public renaming::PassObserver {
 public:
  void RowStarted(const std::wstring& fullPath) override { events.push_back(L"row " + fullPath); }
  void Progressed(int percent) override { events.push_back(L"progress " + std::to_wstring(percent)); }
  std::vector<std::wstring> events;
};

class VectorRows : public renaming::RenameRows {
 public:
  explicit VectorRows(std::vector<std::wstring> paths) {
    for (std::wstring& path : paths) rows_.push_back({path, path.substr(path.find_last_of(L"\\/") + 1)});
  }
  int Count() const override { return static_cast<int>(rows_.size()); }
  RenameRow Row(int index) const override { return rows_.at(static_cast<size_t>(index)); }

 private:
  std::vector<RenameRow> rows_;
};

struct Pass {
  explicit Pass(std::set<std::wstring> entries) : disk(std::move(entries)) {}
  renaming::PassOutcome Run(const std::vector<std::wstring>& rows, renaming::RenameCriteria criteria) {
    renaming::PassWorld world{disk, runLog, clock, observer, &record};
    return renaming::RunRenameLoop(VectorRows(rows), std::move(criteria), world);
  }
  renaming::PassOutcome Undo() {
    renaming::PassWorld world{disk, runLog, clock, observer};
    return renaming::RunUndoLoop(record, world);
  }
  MemoryDisk disk;
  MemoryLog log;
  renaming::RenameLog runLog{log, L"T:\\RenameLog.txt"};
  SteppingClock clock;
  RecordingObserver observer;
  std::vector<renaming::RenamedFile> record;
};

}  // namespace rename_test
