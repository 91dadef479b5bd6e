#include "e2e/FileListFixture.h"

#include <shlobj.h>

#include "base/Numbers.h"
#include "e2e/ListFilling.h"
#include "e2e/UserFolders.h"

namespace e2e {

namespace {

constexpr int kMarkerBox = base::kAppendSeparatorBox;  // see WaitForPostedInput: given back its tick

Names ColumnOf(HWND list, int column) {
  Names cells;
  for (int row = 0, count = ListRowCount(list); row < count; ++row) cells.push_back(ListCellText(list, row, column));
  return cells;
}

}  // namespace

std::wstring JoinNames(const Names& names) {
  std::wstring text;
  for (const std::wstring& name : names) text += L" \"" + name + L"\"";
  return text;
}

void FileListFixture::SetUp() {
  documents_ = ShellFolderPath(CSIDL_PERSONAL);
  ASSERT_FALSE(documents_.empty()) << "the shell gives no Documents folder";
  folder_ = std::make_unique<ScratchFolder>(documents_);
  FreshRunTest::SetUp();
  if (HasFatalFailure()) return;
  list_ = Program().Control(base::kFileList);
  ASSERT_NE(list_, nullptr) << "file list, control 10";
}

void FileListFixture::TearDown() {
  FreshRunTest::TearDown();
  folder_.reset();
}

std::wstring FileListFixture::FolderName() const {
  return Folder().substr(documents_.size(), Folder().size() - documents_.size() - 1);
}

void FileListFixture::MakeFiles(const Names& names) {
  for (const std::wstring& name : names) ASSERT_FALSE(folder_->MakeFile(name, "x").empty()) << "file " << name;
}

void FileListFixture::Command(int command) { PostCommand(Program(), command); }

testing::AssertionResult FileListFixture::CaughtUp() { return WaitForPostedInput(Program().Control(kMarkerBox)); }

Names FileListFixture::RowNames() { return ColumnOf(list_, 0); }
Names FileListFixture::RowPaths() { return ColumnOf(list_, 1); }

std::wstring FileListFixture::Header() {
  Names titles = ListColumnTitles(list_);
  return titles.empty() ? L"" : titles.front();
}

testing::AssertionResult FileListFixture::WaitForRows(const Names& names) {
  if (WaitUntil([&] { return RowNames() == names; }, kReactionLimit)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "the list shows" << JoinNames(RowNames()) << " instead of"
                                     << JoinNames(names) << DescribeWindowsOf(Program().ProcessId());
}

void FileListFixture::ExpectMessage(const std::wstring& title, const std::wstring& text) {
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), title, &box));
  EXPECT_EQ(MessageBoxText(box), text) << "text of \"" << title << "\"";
  ASSERT_TRUE(PressMessageBoxButton(box, kButtonOk));
  ASSERT_TRUE(WaitUntilGone(box));
}

}  // namespace e2e
