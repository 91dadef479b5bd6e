#include "controls/explorer/ExplorerSort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace controls;

ExplorerEntry Folder(const wchar_t* name, std::uint64_t modified) {
  ExplorerEntry entry;
  entry.name = name;
  entry.path = std::wstring(L"C:\\d\\") + name + L"\\";
  entry.isFolder = true;
  entry.typeText = L"Dossier de fichiers";
  entry.modified = modified;
  return entry;
}

ExplorerEntry File(const wchar_t* name, std::uint64_t size, const wchar_t* type, std::uint64_t modified) {
  ExplorerEntry entry;
  entry.name = name;
  entry.path = std::wstring(L"C:\\d\\") + name;
  entry.size = size;
  entry.typeText = type;
  entry.modified = modified;
  return entry;
}

ExplorerEntry Parent() {
  ExplorerEntry entry;
  entry.name = L"..";
  entry.path = L"C:\\";
  entry.isFolder = true;
  entry.isParent = true;
  return entry;
}

ExplorerEntry Drive(const wchar_t* root, const wchar_t* name) {
  ExplorerEntry entry;
  entry.name = name;
  entry.path = root;
  entry.isFolder = true;
  entry.isDrive = true;
  return entry;
}

// A folder's content in the order the file system might give it, ".." not first.
std::vector<ExplorerEntry> MixedFolder() {
  return {
      File(L"b.txt", 300, L"Document texte", 50),  Folder(L"Zèbres", 10),
      File(L"A.jpg", 300, L"Image JPEG", 40),      Parent(),
      File(L"photo 10.jpg", 20, L"Image JPEG", 60), Folder(L"archives", 30),
      File(L"photo 2.jpg", 5000, L"Image JPEG", 10), Folder(L"Été", 20),
  };
}

std::string Names(const std::vector<ExplorerEntry>& entries) {
  std::string names;
  for (const ExplorerEntry& entry : entries) {
    if (!names.empty()) names += " | ";
    for (wchar_t c : entry.name) names += c < 0x80 ? static_cast<char>(c) : '?';
  }
  return names;
}

struct SortCase {
  ExplorerColumn column;
  bool ascending;
  const char* expected;
};

TEST(ExplorerSort, KeepsParentThenFoldersThenFilesInEveryColumnAndDirection) {
  const SortCase cases[] = {
      {ExplorerColumn::Name, true, ".. | archives | ?t? | Z?bres | A.jpg | b.txt | photo 2.jpg | photo 10.jpg"},
      {ExplorerColumn::Name, false, ".. | Z?bres | ?t? | archives | photo 10.jpg | photo 2.jpg | b.txt | A.jpg"},
      // Folders have no size: by name. Equal sizes (A.jpg, b.txt) fall back on the name.
      {ExplorerColumn::Size, true, ".. | archives | ?t? | Z?bres | photo 10.jpg | A.jpg | b.txt | photo 2.jpg"},
      {ExplorerColumn::Size, false, ".. | Z?bres | ?t? | archives | photo 2.jpg | b.txt | A.jpg | photo 10.jpg"},
      {ExplorerColumn::Type, true, ".. | archives | ?t? | Z?bres | b.txt | A.jpg | photo 2.jpg | photo 10.jpg"},
      {ExplorerColumn::Type, false, ".. | Z?bres | ?t? | archives | photo 10.jpg | photo 2.jpg | A.jpg | b.txt"},
      {ExplorerColumn::Modified, true, ".. | Z?bres | ?t? | archives | photo 2.jpg | A.jpg | b.txt | photo 10.jpg"},
      {ExplorerColumn::Modified, false, ".. | archives | ?t? | Z?bres | photo 10.jpg | b.txt | A.jpg | photo 2.jpg"},
  };
  for (const SortCase& c : cases) {
    std::vector<ExplorerEntry> entries = MixedFolder();
    SortExplorerEntries(entries, c.column, c.ascending);
    EXPECT_EQ(Names(entries), c.expected)
        << "column " << static_cast<int>(c.column) << (c.ascending ? " ascending" : " descending");
  }
}

TEST(ExplorerSort, DescendingIsAscendingReversedWithinEachGroup) {
  for (int column = 0; column < kExplorerColumnCount; ++column) {
    std::vector<ExplorerEntry> up = MixedFolder();
    std::vector<ExplorerEntry> down = MixedFolder();
    SortExplorerEntries(up, static_cast<ExplorerColumn>(column), true);
    SortExplorerEntries(down, static_cast<ExplorerColumn>(column), false);
    // up: .. f1 f2 f3 x1 x2 x3 x4 ; down: .. f3 f2 f1 x4 x3 x2 x1
    std::vector<ExplorerEntry> expected = {up[0], up[3], up[2], up[1], up[7], up[6], up[5], up[4]};
    EXPECT_EQ(Names(down), Names(expected)) << "column " << column;
  }
}

TEST(ExplorerSort, OrdersDrivesByTheirLetterNotTheirLabel) {
  std::vector<ExplorerEntry> drives = {Drive(L"Z:\\", L"Z:\\"), Drive(L"D:\\", L"Archives (D:)"),
                                       Drive(L"C:\\", L"Système (C:)")};
  SortExplorerEntries(drives, ExplorerColumn::Name, true);
  EXPECT_EQ(Names(drives), "Syst?me (C:) | Archives (D:) | Z:\\");
  SortExplorerEntries(drives, ExplorerColumn::Name, false);
  EXPECT_EQ(Names(drives), "Z:\\ | Archives (D:) | Syst?me (C:)") << "descending";
}

}  // namespace
