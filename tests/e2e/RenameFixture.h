#pragma once
// The fixture of the tests that rename real files: folders of files made for a test, the file list filled in a
// chosen order, the mode panels' fields, "Renommer" answered through to its outcome report, and the rename log read
// back.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/FileListFixture.h"
#include "e2e/ListFilling.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/ScratchFolder.h"
#include "e2e/UserFolders.h"

namespace e2e {

inline constexpr const wchar_t* kConfirmTitle = L"RENOMMAGE D'UNE LISTE DE FICHIERS";

// Every entry of a folder, hidden ones included, sorted.
inline Names EntriesOf(const std::wstring& folder) {
  Names names;
  WIN32_FIND_DATAW entry{};
  HANDLE listing = FindFirstFileW((folder + L"*").c_str(), &entry);
  if (listing == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(listing, &entry));
  FindClose(listing);
  std::sort(names.begin(), names.end());
  return names;
}

inline std::string Utf8(const std::wstring& text) {
  int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
  return bytes;
}

// The log's lines without their date stamps, after checking that every line has one and ends with CR LF.
inline std::vector<std::string> LogLinesWithoutStamps(testing::AssertionResult* wellFormed) {
  *wellFormed = testing::AssertionSuccess();
  std::optional<std::string> log = ReadWholeFile(RenameLogPath());
  std::vector<std::string> lines;
  if (!log) return lines;
  if (log->size() >= 3 && log->compare(0, 3, "\xEF\xBB\xBF") == 0) {
    *wellFormed = testing::AssertionFailure() << "the log begins with a byte-order mark";
  }
  static const std::regex kStamp("^\\d\\d/\\d\\d/\\d{4} \xC3\xA0 \\d\\d:\\d\\d:\\d\\d - ");
  size_t at = 0;
  while (at < log->size()) {
    size_t end = log->find("\r\n", at);
    if (end == std::string::npos) {
      *wellFormed = testing::AssertionFailure() << "the last line has no CR LF: " << log->substr(at);
      break;
    }
    std::string line = log->substr(at, end - at);
    std::smatch stamp;
    if (!std::regex_search(line, stamp, kStamp)) {
      *wellFormed = testing::AssertionFailure() << "a line without its date stamp: " << line;
    } else {
      line = line.substr(static_cast<size_t>(stamp.length(0)));
    }
    lines.push_back(line);
    at = end + 2;
  }
  return lines;
}

inline std::string Success(const std::wstring& oldName, const std::wstring& newName) {
  return "Le fichier [" + Utf8(oldName) + "] a \xC3\xA9t\xC3\xA9 renomm\xC3\xA9 : " + Utf8(newName);
}
inline std::string Failure(const std::wstring& oldName) {
  return "Erreur! - Le fichier [" + Utf8(oldName) + "] n'a pu \xC3\xAAtre renomm\xC3\xA9!";
}

// How a report with failures goes on after its first line, for a pass and for an undo.
inline std::wstring FailuresReported(int errors) {
  return L"Mais il y a eu " + std::to_wstring(errors) +
         L" erreur(s) durant l'opération\r\rLe rapport d'événements va s'afficher où vous pourrez voir quels fichiers "
         L"ont posé problèmes.";
}

// Windows of the shell's text viewer showing the log.
inline std::vector<HWND> LogViewers() { return VisibleWindowsTitled(L"RenameLog"); }

inline std::wstring AllTitles() {
  std::wstring titles;
  for (HWND window : VisibleWindowsTitled(L"")) titles += L" [" + WindowTitle(window) + L"]";
  return titles;
}

inline void CloseLogViewers() {
  for (HWND viewer : LogViewers()) PostMessageW(viewer, WM_CLOSE, 0, 0);
  WaitUntil([] { return LogViewers().empty(); }, kReactionLimit);
}

class RenameTest : public FileListFixture {
 protected:
  void SetUp() override {
    DeleteFileW(RenameLogPath().c_str());
    FileListFixture::SetUp();
  }
  void TearDown() override {
    CloseLogViewers();
    FileListFixture::TearDown();
  }

  HWND Control(int number) { return Program().Control(number); }
  void Set(int field, const std::wstring& text) { ASSERT_TRUE(SetText(Control(field), text)) << "field " << field; }
  void Tick(int box, bool ticked) { ASSERT_TRUE(SetTicked(Control(box), ticked)) << "box " << box; }
  void ChooseMode(int box) { Tick(box, true); }

  // A sub-folder of the scratch folder holding the files (name and content).
  std::wstring MakeFolder(const std::wstring& name, const std::vector<std::pair<std::wstring, std::string>>& files) {
    std::wstring folder = folder_->MakeFolder(name);
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    for (const auto& [file, content] : files) folder_->MakeFile(name + L"\\" + file, content);
    return folder;
  }

  // Lists the files in this order, with the type of the first one's extension.
  void List(const std::wstring& folder, const Names& names, const std::wstring& type = L"JPG") {
    ASSERT_TRUE(ChooseType(Program(), type));
    ASSERT_TRUE(AddFilesThroughRequester(Program(), folder, names));
  }

  // "Renommer", Yes, then the outcome report with that many errors answered (No when it asks); waits for the end.
  // The log's viewer must come when the report has OK (errors) or is answered Yes; it is closed again.
  void Rename(int errors, int answer = kButtonNo, const std::function<void()>& onReport = {}) {
    Click(Control(base::kRenameButton));
    HWND box = nullptr;
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kConfirmTitle, &box));
    ASSERT_TRUE(PressMessageBoxButton(box, kButtonYes));
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"Renommage", &box, std::chrono::seconds(60)));
    if (onReport) onReport();
    std::wstring expected =
        errors == 0 ? L"Le renommage de vos fichiers s'est correctement terminé.\r\rVoulez-vous lire le rapport "
                      L"d'événements ?"
                    : L"Le processus de renommage de vos fichiers est terminé.\r" + FailuresReported(errors);
    EXPECT_EQ(MessageBoxText(box), expected) << "the outcome report";
    EXPECT_EQ(Text(Control(base::kActivityLine)), L"") << "the activity line is emptied";
    ASSERT_TRUE(PressMessageBoxButton(box, errors == 0 ? answer : kButtonOk));
    ASSERT_TRUE(WaitUntilGone(box));
    ASSERT_TRUE(WaitForPostedInput(Control(base::kAppendSeparatorBox)));
    EXPECT_TRUE(IsWindowEnabled(Window())) << "the main window takes input again";
    EXPECT_EQ(SendMessageW(Control(base::kProgressBar), PBM_GETPOS, 0, 0), 0) << "the progress bar is back to 0";
    if (errors > 0 || answer == kButtonYes) {
      // The viewer is a program of its own, started by the shell: it gets a program's start time.
      EXPECT_TRUE(WaitUntil([] { return !LogViewers().empty(); }, kStartLimit))
          << "the log is shown; windows:" << AllTitles();
      CloseLogViewers();
    }
  }

  // Answers "Renommer" with Yes and expects the refusal, then the focus in that field.
  void ExpectRefusal(const std::wstring& text, int focusField) {
    Click(Control(base::kRenameButton));
    HWND box = nullptr;
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), kConfirmTitle, &box));
    ASSERT_TRUE(PressMessageBoxButton(box, kButtonYes));
    ASSERT_TRUE(WaitForMessageBox(Program().ProcessId(), L"ERREUR", &box));
    EXPECT_EQ(MessageBoxText(box), text);
    ASSERT_TRUE(PressMessageBoxButton(box, kButtonOk));
    ASSERT_TRUE(WaitUntilGone(box));
    HWND focus = nullptr;
    EXPECT_TRUE(WaitUntil(
        [&] { return (focus = FocusedControlOf(Window())) == Control(focusField); },
        kReactionLimit))
        << "the focus is on control " << GetDlgCtrlID(focus) << ", not " << focusField;
  }

  void ClearList() {
    if (ListRowCount(Control(base::kFileList)) == 0) return;
    Click(Control(base::kClearAllButton));
    ASSERT_TRUE(WaitForListRows(Program(), 0));
  }

};

}  // namespace e2e
