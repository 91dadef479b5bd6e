// The explorer control in a window of the program's own kind, on a scratch folder of real files under Wine's
// temporary folder.
#include "controls/explorer/ExplorerList.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "controls/explorer/ExplorerVolumeLabel.h"
#include "support/RemoveTree.h"
#include "support/TestWindow.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/Controls.h"
#include "ui/Events.h"
#include "ui/Objects.h"
#include "ui/TopLevelWindows.h"

namespace {

using namespace base;  // the program's control and command numbers

constexpr int kTestWindowNumber = 910;  // clear of the program's own windows (0, 64)

// A hidden top-level window of the program's own kind for one test; it closes with every control in it.
class TestWindow : public wintest::TestWindow {
 public:
  TestWindow() : wintest::TestWindow(kTestWindowNumber, ui::kWindowSystemMenu | ui::kWindowInvisible, 320, 480) {}
};

using wintest::Describe;
using wintest::TakeEvents;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::string Narrow(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
  return narrow;
}

void MakeFile(const std::wstring& path, DWORD size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << Narrow(path);
  std::string content(size, 'x');
  DWORD written = 0;
  if (size > 0) WriteFile(file, content.data(), size, &written, nullptr);
  CloseHandle(file);
}

// Sets the file's modification time to a local date and time.
void SetLocalModificationTime(const std::wstring& path, WORD year, WORD month, WORD day, WORD hour, WORD minute) {
  SYSTEMTIME local{};
  local.wYear = year;
  local.wMonth = month;
  local.wDay = day;
  local.wHour = hour;
  local.wMinute = minute;
  SYSTEMTIME universal{};
  FILETIME time{};
  ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal));
  ASSERT_TRUE(SystemTimeToFileTime(&universal, &time));
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

// A scratch folder:  alpha\  Beta\ (inner.txt)  Été 2024\  Alpha.jpg (2000 o)  photo 2.png (70 000 o)
// photo 10.png (0 o)  zeta.txt (10 o)  notes.zzq (5 o)  caché.txt (hidden); the files dated from 2020 (notes.zzq)
// to 2026 (zeta.txt) in the order notes.zzq, photo 2.png, photo 10.png, Alpha.jpg, zeta.txt.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"ExplorerListTest" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    support::RemoveTree(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
    for (const wchar_t* folder : {L"alpha", L"Beta", L"Été 2024"}) CreateDirectoryW((path_ + folder).c_str(), nullptr);
    MakeFile(path_ + L"Beta\\inner.txt", 3);
    MakeFile(path_ + L"Alpha.jpg", 2000);
    MakeFile(path_ + L"photo 2.png", 70000);
    MakeFile(path_ + L"photo 10.png", 0);
    MakeFile(path_ + L"zeta.txt", 10);
    MakeFile(path_ + L"notes.zzq", 5);
    MakeFile(path_ + L"caché.txt", 1);
    SetFileAttributesW((path_ + L"caché.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetLocalModificationTime(path_ + L"notes.zzq", 2020, 6, 1, 12, 0);
    SetLocalModificationTime(path_ + L"photo 2.png", 2021, 6, 1, 12, 0);
    SetLocalModificationTime(path_ + L"photo 10.png", 2022, 6, 1, 12, 0);
    SetLocalModificationTime(path_ + L"Alpha.jpg", 2025, 1, 2, 3, 4);
    SetLocalModificationTime(path_ + L"zeta.txt", 2026, 12, 8, 14, 5);
  }
  ~ScratchFolder() { support::RemoveTree(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::wstring& path() const { return path_; }
  bool HiddenFileIsHidden() const {
    DWORD attributes = GetFileAttributesW((path_ + L"caché.txt").c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
  }

 private:
  std::wstring path_;
};

// The control as the main window holds it: in a container at (0, 30), 300 x 423.
class ExplorerListTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(window_.handle(), nullptr);
    container_ = ui::CreateContainer(ui::kNewNumber, 0, 0, 300, 453, ui::ContainerBorder::None);
    ASSERT_NE(container_, nullptr);
    ui::ChildList inContainer(container_);
    list_ = controls::CreateExplorerList(kExplorer, 0, 30, 300, 423, scratch_.path());
    ASSERT_NE(list_, nullptr);
    TakeEvents();
  }

  // The rows as a test tool reads them from the list itself.
  std::wstring Cell(int row, int column) const {
    wchar_t text[512] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 512;
    SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  int RowCount() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }
  std::string Rows() const {
    std::string rows;
    for (int row = 0; row < RowCount(); ++row) rows += (row ? " | " : "") + Narrow(Cell(row, 0));
    return rows;
  }
  int RowNamed(const std::wstring& name) const {
    for (int row = 0; row < RowCount(); ++row) {
      if (Cell(row, 0) == name) return row;
    }
    return -1;
  }
  void Select(int row) const {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
  LPARAM PointOfRow(int row) const {
    RECT label{};
    label.left = LVIR_LABEL;
    SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&label));
    return MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
  }
  std::vector<ui::Event> DoubleClickRow(int row) const {
    LPARAM point = PointOfRow(row);
    SendMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list_, WM_LBUTTONUP, 0, point);
    SendMessageW(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageW(list_, WM_LBUTTONUP, 0, point);
    return TakeEvents();
  }
  HWND Header() const { return reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0)); }
  // The notification the heading sends the list when clicked.
  void ClickHeading(int column) const {
    NMHEADERW click{};
    click.hdr.hwndFrom = Header();
    click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Header()));
    click.hdr.code = HDN_ITEMCLICKW;
    click.iItem = column;
    click.iButton = 0;
    SendMessageW(list_, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    TakeEvents();
  }
  int HeadingFormat(int column) const {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(Header(), HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    return item.fmt;
  }

  ScratchFolder scratch_;
  TestWindow window_;
  HWND container_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(ExplorerListTest, ListsParentThenFoldersThenFilesByNameWithoutHiddenEntries) {
  EXPECT_EQ(Rows(), ".. | alpha | Beta | Été 2024 | Alpha.jpg | notes.zzq | photo 2.png | photo 10.png | zeta.txt")
      << "caseless, accents beside their letter, numbers by value, caché.txt hidden";
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path());
  EXPECT_TRUE(scratch_.HiddenFileIsHidden()) << "the hidden attribute took, so its absence above means something";
}

TEST_F(ExplorerListTest, AnswersTheQueriesFromTheRowsShown) {
  ASSERT_EQ(controls::ExplorerEntryCount(kExplorer), RowCount());
  for (int row = 0; row < RowCount(); ++row) {
    EXPECT_EQ(controls::ExplorerEntryName(kExplorer, row), Cell(row, 0)) << "row " << row;
  }
  struct FolderCase {
    const wchar_t* name;
    bool folder;
    std::wstring path;
  };
  const FolderCase cases[] = {
      {L"..", true, scratch_.path().substr(0, scratch_.path().rfind(L'\\', scratch_.path().size() - 2) + 1)},
      {L"Beta", true, scratch_.path() + L"Beta\\"},
      {L"Été 2024", true, scratch_.path() + L"Été 2024\\"},
      {L"zeta.txt", false, scratch_.path() + L"zeta.txt"},
  };
  for (const FolderCase& c : cases) {
    int row = RowNamed(c.name);
    ASSERT_GE(row, 0) << Narrow(c.name);
    EXPECT_EQ(controls::ExplorerEntryIsFolder(kExplorer, row), c.folder) << Narrow(c.name);
    EXPECT_EQ(controls::ExplorerEntryPath(kExplorer, row), c.path) << Narrow(c.name);
  }
  EXPECT_TRUE(controls::ExplorerEntryIsParent(kExplorer, 0)) << "'..' comes first";
  EXPECT_EQ(controls::ExplorerEntryName(kExplorer, RowCount()), L"") << "past the last row";
  EXPECT_FALSE(controls::ExplorerEntryIsFolder(kExplorer, -1)) << "before the first row";
  EXPECT_EQ(controls::ExplorerEntryCount(kExplorer + 1), 0) << "a number that is no explorer list";
}

TEST_F(ExplorerListTest, ReportsTheOneSelectedEntry) {
  EXPECT_EQ(controls::ExplorerFirstSelected(kExplorer), -1) << "nothing is selected at start";
  int beta = RowNamed(L"Beta");
  int zeta = RowNamed(L"zeta.txt");
  Select(beta);
  EXPECT_EQ(controls::ExplorerFirstSelected(kExplorer), beta);
  EXPECT_TRUE(controls::ExplorerEntryIsSelected(kExplorer, beta));
  Select(zeta);
  EXPECT_EQ(controls::ExplorerFirstSelected(kExplorer), zeta);
  EXPECT_FALSE(controls::ExplorerEntryIsSelected(kExplorer, beta)) << "one entry selected at a time";
  EXPECT_TRUE(controls::ExplorerEntryIsSelected(kExplorer, zeta));
}

TEST_F(ExplorerListTest, WritesSizesDatesAndTypesInFrench) {
  struct CellCase {
    const wchar_t* name;
    int column;
    std::wstring expected;
  };
  const CellCase cases[] = {
      {L"zeta.txt", 1, L"10 o"},          {L"Alpha.jpg", 1, L"2 Ko"},       {L"photo 2.png", 1, L"68,4 Ko"},
      {L"photo 10.png", 1, L"0 o"},       {L"Beta", 1, L""},                {L"..", 1, L""},
      {L"zeta.txt", 3, L"08/12/2026 14:05"}, {L"Alpha.jpg", 3, L"02/01/2025 03:04"},
      {L"Beta", 2, L"Dossier de fichiers"},  {L"notes.zzq", 2, L"Fichier ZZQ"},
  };
  for (const CellCase& c : cases) {
    int row = RowNamed(c.name);
    ASSERT_GE(row, 0) << Narrow(c.name);
    EXPECT_EQ(Cell(row, c.column), c.expected) << Narrow(c.name) << " column " << c.column;
  }
  EXPECT_NE(Cell(RowNamed(L"zeta.txt"), 2), L"") << "the shell's name of a text file, or Fichier TXT";
  EXPECT_NE(Cell(RowNamed(L"Alpha.jpg"), 2), Cell(RowNamed(L"zeta.txt"), 2)) << "types differ by extension";
}

TEST_F(ExplorerListTest, HasItsFourColumnsWithTheirTitlesAndWidths) {
  HWND header = Header();
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 4);
  const wchar_t* titles[] = {L"Nom", L"Taille", L"Type", L"Modifié le"};
  const int widths[] = {300, 100, 100, 100};
  for (int column = 0; column < 4; ++column) {
    wchar_t title[64] = {};
    LVCOLUMNW descriptor{};
    descriptor.mask = LVCF_TEXT;
    descriptor.pszText = title;
    descriptor.cchTextMax = 64;
    SendMessageW(list_, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&descriptor));
    EXPECT_STREQ(title, titles[column]) << "column " << column;
    EXPECT_EQ(SendMessageW(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0), widths[column])
        << "column " << column;
  }
}

TEST_F(ExplorerListTest, IsASingleSelectionReportListWithGridLinesSmallIconsAndNoBorder) {
  EXPECT_EQ(ClassOf(list_), L"SysListView32");
  EXPECT_EQ(GetParent(list_), container_);
  EXPECT_EQ(ui::ControlHandle(kExplorer), list_) << "registered under its number";
  EXPECT_EQ(GetDlgCtrlID(list_), kExplorer);
  RECT place{};
  GetWindowRect(list_, &place);
  MapWindowPoints(nullptr, container_, reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 0);
  EXPECT_EQ(place.top, 30);
  EXPECT_EQ(place.right - place.left, 300);
  EXPECT_EQ(place.bottom - place.top, 423);
  LONG_PTR style = GetWindowLongPtrW(list_, GWL_STYLE);
  LONG_PTR exStyle = GetWindowLongPtrW(list_, GWL_EXSTYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(style & LVS_SINGLESEL);
  EXPECT_TRUE(style & LVS_SHAREIMAGELISTS) << "the system's image list is the shell's, not the list's";
  EXPECT_FALSE(style & WS_BORDER) << "no border";
  EXPECT_FALSE(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE)) << "no edge";
  EXPECT_TRUE(SendMessageW(list_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES);
  EXPECT_NE(SendMessageW(list_, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0) << "small icons";
  for (int row = 0; row < RowCount(); ++row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_GE(item.iImage, 0) << "an icon beside " << Narrow(Cell(row, 0));
  }
}

TEST_F(ExplorerListTest, SortsByAClickedHeadingAndReversesOnTheSecondClick) {
  EXPECT_TRUE(HeadingFormat(0) & HDF_SORTUP) << "sorted by name at start";
  ClickHeading(1);
  EXPECT_EQ(Rows(), ".. | alpha | Beta | Été 2024 | photo 10.png | notes.zzq | zeta.txt | Alpha.jpg | photo 2.png")
      << "by size, smallest first; folders first by name";
  EXPECT_TRUE(HeadingFormat(1) & HDF_SORTUP);
  EXPECT_FALSE(HeadingFormat(0) & (HDF_SORTUP | HDF_SORTDOWN)) << "the arrow left the name heading";
  ClickHeading(1);
  EXPECT_EQ(Rows(), ".. | Été 2024 | Beta | alpha | photo 2.png | Alpha.jpg | zeta.txt | notes.zzq | photo 10.png")
      << "by size, largest first; '..' still first";
  EXPECT_TRUE(HeadingFormat(1) & HDF_SORTDOWN);
  ClickHeading(0);
  EXPECT_EQ(Rows(), ".. | alpha | Beta | Été 2024 | Alpha.jpg | notes.zzq | photo 2.png | photo 10.png | zeta.txt")
      << "another heading sorts that way up";
}

TEST_F(ExplorerListTest, SortsByDateAndKeepsTheSelectedEntrySelected) {
  Select(RowNamed(L"photo 10.png"));
  ClickHeading(3);
  EXPECT_EQ(Rows().substr(Rows().find("notes")), "notes.zzq | photo 2.png | photo 10.png | Alpha.jpg | zeta.txt")
      << "files oldest first";
  ClickHeading(3);
  EXPECT_EQ(Rows().substr(Rows().find("zeta")), "zeta.txt | Alpha.jpg | photo 10.png | photo 2.png | notes.zzq")
      << "files newest first";
  EXPECT_EQ(controls::ExplorerFirstSelected(kExplorer), RowNamed(L"photo 10.png")) << "the selection follows its entry";
  EXPECT_EQ(controls::ExplorerEntryName(kExplorer, 4), L"zeta.txt") << "the queries follow the new order";
}

TEST_F(ExplorerListTest, SortsWhenTheHeadingItselfIsClicked) {
  // The name column fills the 300 pixels, so the other headings lie beyond the right edge until scrolled to:
  // click "Nom", after a sort by size.
  ClickHeading(1);
  HWND header = Header();
  RECT name{};
  SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&name));
  LPARAM point = MAKELPARAM((name.left + name.right) / 2, (name.top + name.bottom) / 2);
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(header, WM_LBUTTONUP, 0, point);
  TakeEvents();
  EXPECT_TRUE(HeadingFormat(0) & HDF_SORTUP) << "a real click on 'Nom' sorts by name";
  EXPECT_EQ(Cell(4, 0), L"Alpha.jpg") << Rows();
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageW(header, WM_LBUTTONUP, 0, point);
  TakeEvents();
  EXPECT_TRUE(HeadingFormat(0) & HDF_SORTDOWN) << "a second real click reverses";
  EXPECT_EQ(Cell(4, 0), L"zeta.txt") << Rows();
}

TEST_F(ExplorerListTest, KeepsTheChosenOrderInTheFoldersShownNext) {
  ClickHeading(0);
  DoubleClickRow(RowNamed(L"Beta"));
  DoubleClickRow(0);
  EXPECT_EQ(Rows(), ".. | Été 2024 | Beta | alpha | zeta.txt | photo 10.png | photo 2.png | notes.zzq | Alpha.jpg")
      << "still by name, descending";
  EXPECT_TRUE(HeadingFormat(0) & HDF_SORTDOWN);
}

TEST_F(ExplorerListTest, OpensAFolderOnDoubleClickAndLeavesFilesAlone) {
  DoubleClickRow(RowNamed(L"zeta.txt"));
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path()) << "a file is not opened";
  DoubleClickRow(RowNamed(L"Beta"));
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path() + L"Beta\\");
  EXPECT_EQ(Rows(), ".. | inner.txt");
  EXPECT_EQ(controls::ExplorerFirstSelected(kExplorer), -1) << "nothing selected in the new folder";
}

TEST_F(ExplorerListTest, OpensTheParentWithDotDotAndSelectsTheFolderLeft) {
  DoubleClickRow(RowNamed(L"Été 2024"));
  ASSERT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path() + L"Été 2024\\");
  EXPECT_EQ(Rows(), "..") << "an empty folder shows '..' alone";
  DoubleClickRow(0);
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path());
  EXPECT_EQ(controls::ExplorerFirstSelected(kExplorer), RowNamed(L"Été 2024")) << "back where we came from";
}

TEST_F(ExplorerListTest, OpensTheSelectedFolderWithEnterThroughTheEventLoop) {
  SetFocus(list_);
  Select(RowNamed(L"Beta"));
  // Posted, so that the event loop's dialog navigation sees it first, as it sees a real key.
  PostMessageW(list_, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(list_, WM_KEYUP, VK_RETURN, 0xC0000001);
  TakeEvents();
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path() + L"Beta\\");
  Select(0);
  PostMessageW(list_, WM_KEYDOWN, VK_RETURN, 1);
  TakeEvents();
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path()) << "Enter on '..'";
  Select(RowNamed(L"zeta.txt"));
  PostMessageW(list_, WM_KEYDOWN, VK_RETURN, 1);
  TakeEvents();
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path()) << "Enter on a file does nothing";
}

TEST_F(ExplorerListTest, ShowsTheDrivesAtTheTopLevel) {
  controls::SetExplorerFolder(kExplorer, L"");
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), L"");
  ASSERT_GE(RowCount(), 2) << Rows();
  std::vector<std::wstring> roots;
  for (int row = 0; row < RowCount(); ++row) {
    EXPECT_TRUE(controls::ExplorerEntryIsFolder(kExplorer, row)) << Narrow(Cell(row, 0));
    EXPECT_FALSE(controls::ExplorerEntryIsParent(kExplorer, row)) << "no '..' above the drives";
    roots.push_back(controls::ExplorerEntryPath(kExplorer, row));
  }
  EXPECT_EQ(roots.front(), L"C:\\") << Rows();
  EXPECT_EQ(roots.back(), L"Z:\\") << Rows();
  int c = 0;
  std::wstring name = Cell(c, 0);
  EXPECT_TRUE(name == L"C:\\" || name.ends_with(L" (C:)")) << "C: shows as its root or 'label (C:)': " << Narrow(name);
  EXPECT_EQ(Cell(c, 2), L"Disque local");
}

TEST_F(ExplorerListTest, GoesFromADriveRootUpToTheDrivesAndBackDown) {
  controls::SetExplorerFolder(kExplorer, L"C:\\");
  ASSERT_EQ(Cell(0, 0), L"..");
  DoubleClickRow(0);
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), L"") << "'..' of C:\\ is the top level";
  int selected = controls::ExplorerFirstSelected(kExplorer);
  ASSERT_GE(selected, 0);
  EXPECT_EQ(controls::ExplorerEntryPath(kExplorer, selected), L"C:\\") << "the drive left is selected";
  DoubleClickRow(selected);
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), L"C:\\");
  EXPECT_GE(RowNamed(L"windows"), 0) << "C: of the Wine prefix holds windows: " << Rows();
}

TEST_F(ExplorerListTest, ShowsOnlyDotDotForAFolderThatCannotBeListed) {
  controls::SetExplorerFolder(kExplorer, scratch_.path() + L"absent");
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path() + L"absent\\") << "a separator is added";
  EXPECT_EQ(Rows(), "..");
  DoubleClickRow(0);
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), scratch_.path()) << "the way back still works";
}

TEST_F(ExplorerListTest, SendsARightClickAsAControlEventOfItsNumber) {
  NMHDR click{list_, static_cast<UINT_PTR>(kExplorer), static_cast<UINT>(NM_RCLICK)};
  SendMessageW(container_, WM_NOTIFY, kExplorer, reinterpret_cast<LPARAM>(&click));
  std::vector<ui::Event> events = TakeEvents();
  ASSERT_EQ(events.size(), 1u) << Describe(events);
  EXPECT_EQ(events[0].kind, ui::kControlEvent) << Describe(events);
  EXPECT_EQ(events[0].control, kExplorer) << Describe(events);
  EXPECT_EQ(events[0].type, ui::kRightClick) << Describe(events);
  EXPECT_EQ(events[0].window, window_.number()) << Describe(events);
}

TEST_F(ExplorerListTest, SelectsTheRowUnderARealRightClickAndSendsTheEvent) {
  int zeta = RowNamed(L"zeta.txt");
  LPARAM point = PointOfRow(zeta);
  PostMessageW(list_, WM_RBUTTONDOWN, MK_RBUTTON, point);
  PostMessageW(list_, WM_RBUTTONUP, 0, point);
  std::vector<ui::Event> events = TakeEvents();
  bool rightClick = false;
  for (const ui::Event& e : events) rightClick |= e.kind == ui::kControlEvent && e.control == kExplorer &&
                                                  e.type == ui::kRightClick;
  EXPECT_TRUE(rightClick) << Describe(events);
  EXPECT_EQ(controls::ExplorerFirstSelected(kExplorer), zeta) << "the menu then finds an entry selected";
}

// Drive questions that take as long as the test wants. Never closed: a question's thread may still wait on it
// when its test ends.
const HANDLE slowDrivesReleased = CreateEventW(nullptr, TRUE, FALSE, nullptr);

// C: answers "Système" at once; every other drive answers "Lent" once the test lets it, as a network drive whose
// server is gone keeps its caller waiting (bounded, so that a list that waits for it fails the test, not hangs it).
std::wstring SlowVolumeLabel(const std::wstring& root) {
  if (root == L"C:\\") return L"Système";
  WaitForSingleObject(slowDrivesReleased, 30000);
  return L"Lent";
}

// The drives, with every drive but C: slow to answer; the slow drive of the tests is the last one (Z: under Wine).
class ExplorerDriveListTest : public ExplorerListTest {
 protected:
  void SetUp() override {
    ResetEvent(slowDrivesReleased);
    previousReader_ = controls::ReplaceVolumeLabelReader(SlowVolumeLabel);
    ExplorerListTest::SetUp();
    controls::SetExplorerUnansweredDriveCommand(kExplorer, kUnansweredDriveCommand);
    controls::SetExplorerFolder(kExplorer, L"");
    ASSERT_GE(RowCount(), 2) << Rows();
    slowRoot_ = controls::ExplorerEntryPath(kExplorer, RowCount() - 1);
    ASSERT_NE(slowRoot_, L"C:\\");
  }
  void TearDown() override {
    SetEvent(slowDrivesReleased);
    controls::ReplaceVolumeLabelReader(previousReader_);
  }
  // The slow drive's name once it has answered.
  std::wstring SlowDriveAnswered() const { return L"Lent (" + slowRoot_.substr(0, 2) + L")"; }

  controls::VolumeLabelReader previousReader_ = nullptr;
  std::wstring slowRoot_;
};

// Dispatches the window messages as they come until `done` holds; false when it still does not after ten seconds.
bool PumpUntil(const std::function<bool()>& done) {
  ULONGLONG limit = GetTickCount64() + 10000;
  while (!done()) {
    if (GetTickCount64() > limit) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    TakeEvents();
  }
  return true;
}

TEST_F(ExplorerDriveListTest, ShowsTheDrivesWhileOneIsSlowAndFillsItInWhenItAnswers) {
  // SetUp's showing of the drives has returned, and the list answers, while the slow drive's question is pending.
  ASSERT_TRUE(PumpUntil([&] { return RowNamed(L"Système (C:)") >= 0; })) << "C: answered: " << Rows();
  int slowRow = RowNamed(slowRoot_);
  ASSERT_GE(slowRow, 0) << "the slow drive shows its root meanwhile: " << Rows();
  EXPECT_NE(Cell(slowRow, 2), L"") << "its type is known at once";

  std::vector<ui::Event> events = DoubleClickRow(slowRow);
  EXPECT_TRUE(std::any_of(events.begin(), events.end(), [](const ui::Event& e) {
    return e.kind == ui::kMenuEvent && e.command == kUnansweredDriveCommand;
  })) << "the program is told; " << Describe(events);
  EXPECT_EQ(controls::ExplorerCurrentFolder(kExplorer), L"") << "the list stays on the drives";
  EXPECT_EQ(controls::ExplorerFirstSelected(kExplorer), slowRow) << "the click selected the slow drive";

  SetEvent(slowDrivesReleased);
  EXPECT_TRUE(PumpUntil([&] { return RowNamed(SlowDriveAnswered()) >= 0; })) << Rows();
  EXPECT_GE(RowNamed(L"Système (C:)"), 0) << Rows();
  EXPECT_EQ(controls::ExplorerEntryPath(kExplorer, controls::ExplorerFirstSelected(kExplorer)), slowRoot_)
      << "the selection follows the drive to its row by its new name";
}

TEST_F(ExplorerDriveListTest, ShowsADriveItsLastAnswerWhileItsNextQuestionIsPending) {
  SetEvent(slowDrivesReleased);
  ASSERT_TRUE(PumpUntil([&] { return RowNamed(SlowDriveAnswered()) >= 0; })) << Rows();
  ResetEvent(slowDrivesReleased);
  controls::SetExplorerFolder(kExplorer, L"C:\\");
  controls::SetExplorerFolder(kExplorer, L"");
  EXPECT_GE(RowNamed(SlowDriveAnswered()), 0) << "shown at once, although asked afresh: " << Rows();
}

TEST(ExplorerListLifetime, ForgetsItsRowsWhenItsWindowIsDestroyed) {
  TestWindow window;
  HWND list = controls::CreateExplorerList(kExplorer, 0, 0, 300, 200, L"");
  ASSERT_NE(list, nullptr);
  EXPECT_GT(controls::ExplorerEntryCount(kExplorer), 0);
  DestroyWindow(list);
  EXPECT_EQ(controls::ExplorerEntryCount(kExplorer), 0);
  EXPECT_EQ(controls::ExplorerFirstSelected(kExplorer), -1);
}

}  // namespace
