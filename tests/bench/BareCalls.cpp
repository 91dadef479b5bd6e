#include "bench/BareCalls.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>

#include <chrono>

namespace bench {

namespace {

bool EndsWithJpg(const wchar_t* name) {
  size_t length = wcslen(name);
  return length > 4 && (wcscmp(name + length - 4, L".jpg") == 0 || wcscmp(name + length - 4, L".JPG") == 0);
}

HWND MakeList() {
  HWND frame = CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 740, 420, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                              5, 5, 704, 372, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
  DWORD ex = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
  const wchar_t* titles[2] = {L"Nom", L"Chemin complet"};
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(titles[i]);
    column.cx = i == 0 ? 300 : 490;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 16, 64);
  SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  UpdateWindow(frame);
  return list;
}

}  // namespace

BareListing TimeBareListing(const std::wstring& folder) {
  HWND list = MakeList();
  HWND frame = GetParent(list);
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  BareListing result;
  auto start = std::chrono::steady_clock::now();
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  int image = -1;
  WIN32_FIND_DATAW entry{};
  HANDLE listing = FindFirstFileW((folder + L"*.*").c_str(), &entry);
  if (listing != INVALID_HANDLE_VALUE) {
    do {
      if (!EndsWithJpg(entry.cFileName)) continue;
      std::wstring path = folder + entry.cFileName;
      if (image < 0) {
        SHFILEINFOW info{};
        auto system = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
        HICON icon = system ? ImageList_GetIcon(system, info.iIcon, ILD_NORMAL) : nullptr;
        image = icon ? ImageList_AddIcon(images, icon) : -1;
        if (icon) DestroyIcon(icon);
      }
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_IMAGE;
      item.iItem = result.rows;
      item.pszText = entry.cFileName;
      item.iImage = image;
      int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
      LVITEMW cell{};
      cell.iSubItem = 1;
      cell.pszText = path.data();
      SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
      ++result.rows;
    } while (FindNextFileW(listing, &entry));
    FindClose(listing);
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  result.megabytes = static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
  DestroyWindow(frame);
  return result;
}

}  // namespace bench
