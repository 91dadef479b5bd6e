#include "e2e/Requesters.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include "e2e/RemoteBuffer.h"

namespace e2e {

namespace {

constexpr int kFileNameBox = 0x47C;
constexpr size_t kRemoteChars = 1024;

HWND FindDescendantOfClass(HWND root, const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    HWND found;
  } search{className, nullptr};
  EnumChildWindows(
      root,
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (WindowClass(window) != s->className) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool SameFolder(std::wstring a, std::wstring b) {
  if (!a.empty() && a.back() != L'\\') a += L'\\';
  if (!b.empty() && b.back() != L'\\') b += L'\\';
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring LastComponent(std::wstring folder) {
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  size_t slash = folder.find_last_of(L'\\');
  return slash == std::wstring::npos ? folder : folder.substr(slash + 1);
}

}  // namespace

testing::AssertionResult WaitForDialog(DWORD processId, const std::wstring& title, HWND* dialog,
                                       Milliseconds limit) {
  return WaitForMessageBox(processId, title, dialog, limit);
}

std::wstring OpenRequesterFolder(HWND requester) {
  RemoteBuffer remote(requester, kRemoteChars * sizeof(wchar_t));
  if (!remote.Ok()) return {};
  wchar_t nothing = L'\0';
  remote.Write(0, &nothing, sizeof(nothing));
  SendWithLimit(requester, CDM_GETFOLDERPATH, kRemoteChars, remote.AsParameter());
  return remote.ReadText(0, kRemoteChars);
}

testing::AssertionResult ChooseFiles(HWND requester, const std::wstring& folder,
                                     const std::vector<std::wstring>& names) {
  HWND nameBox = FindControl(requester, kFileNameBox);
  HWND ok = GetDlgItem(requester, IDOK);
  if (!nameBox || !ok) return testing::AssertionFailure() << "the open-file requester has no name box or no OK";
  if (!SameFolder(OpenRequesterFolder(requester), folder)) {
    SetText(nameBox, folder);
    Click(ok);
    if (!WaitUntil([&] { return SameFolder(OpenRequesterFolder(requester), folder); }, kReactionLimit)) {
      return testing::AssertionFailure() << "the open-file requester did not go to " << folder << "; it shows "
                                         << OpenRequesterFolder(requester);
    }
  }
  std::wstring typed;
  for (const std::wstring& name : names) {
    if (names.size() == 1) {
      typed = name;
    } else {
      typed += L"\"" + name + L"\" ";
    }
  }
  SetText(nameBox, typed);
  Click(ok);
  return WaitUntilGone(requester);
}

testing::AssertionResult CancelDialog(HWND dialog) {
  HWND cancel = GetDlgItem(dialog, IDCANCEL);
  if (!cancel) return testing::AssertionFailure() << "the dialog has no Cancel button";
  Click(cancel);
  return WaitUntilGone(dialog);
}

testing::AssertionResult WaitForFolderRequester(DWORD processId, HWND* requester) {
  *requester = nullptr;
  bool found = WaitUntil(
      [&] {
        for (HWND dialog : MessageBoxesOf(processId)) {
          if (FindDescendantOfClass(dialog, WC_TREEVIEWW)) *requester = dialog;
        }
        return *requester != nullptr;
      },
      kReactionLimit);
  if (found) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "no folder requester; the program shows:" << DescribeWindowsOf(processId);
}

std::wstring FolderRequesterSelection(HWND requester) {
  HWND tree = FindDescendantOfClass(requester, WC_TREEVIEWW);
  if (!tree) return {};
  auto item = reinterpret_cast<HTREEITEM>(SendWithLimit(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return {};
  constexpr size_t kTextOffset = (sizeof(TVITEMW) + 15) / 16 * 16;
  RemoteBuffer remote(tree, kTextOffset + kRemoteChars * sizeof(wchar_t));
  if (!remote.Ok()) return {};
  TVITEMW record{};
  record.mask = TVIF_TEXT;
  record.hItem = item;
  record.pszText = reinterpret_cast<wchar_t*>(remote.Address(kTextOffset));
  record.cchTextMax = static_cast<int>(kRemoteChars);
  remote.Write(0, &record, sizeof(record));
  SendWithLimit(tree, TVM_GETITEMW, 0, remote.AsParameter());
  return remote.ReadText(kTextOffset, kRemoteChars);
}

testing::AssertionResult ChooseFolder(HWND requester, const std::wstring& folder) {
  std::wstring path = folder;
  if (path.size() > 3 && path.back() == L'\\') path.pop_back();
  RemoteBuffer remote(requester, (path.size() + 1) * sizeof(wchar_t));
  if (!remote.Ok() || !remote.Write(0, path.c_str(), (path.size() + 1) * sizeof(wchar_t))) {
    return testing::AssertionFailure() << "no memory in the program for the folder path";
  }
  SendWithLimit(requester, BFFM_SETSELECTIONW, TRUE, remote.AsParameter());
  std::wstring wanted = LastComponent(path);
  if (!WaitUntil([&] { return FolderRequesterSelection(requester) == wanted; }, kReactionLimit)) {
    return testing::AssertionFailure() << "the folder requester did not select " << folder << "; it shows "
                                       << FolderRequesterSelection(requester);
  }
  HWND ok = GetDlgItem(requester, IDOK);
  if (!ok) return testing::AssertionFailure() << "the folder requester has no OK button";
  Click(ok);
  return WaitUntilGone(requester);
}

}  // namespace e2e
