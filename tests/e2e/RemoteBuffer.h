#pragma once
// Memory lent inside another process, for messages whose parameters point to records there.

#include <windows.h>

#include <cwchar>
#include <string>

namespace e2e {

inline DWORD OwnerProcess(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

// Memory lent inside another process, for messages whose parameters point to records there.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, size_t size) : size_(size) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, OwnerProcess(owner));
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }

  bool Ok() const { return address_ != nullptr; }
  char* Address(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
  LPARAM AsParameter() const { return reinterpret_cast<LPARAM>(address_); }

  bool Write(size_t offset, const void* data, size_t size) const {
    SIZE_T written = 0;
    return offset + size <= size_ && WriteProcessMemory(process_, Address(offset), data, size, &written) &&
           written == size;
  }
  bool Read(size_t offset, void* data, size_t size) const {
    SIZE_T read = 0;
    return offset + size <= size_ && ReadProcessMemory(process_, Address(offset), data, size, &read) &&
           read == size;
  }
  std::wstring ReadText(size_t offset, size_t maxChars) const {
    std::wstring text(maxChars, L'\0');
    if (!Read(offset, text.data(), maxChars * sizeof(wchar_t))) return {};
    text.resize(wcsnlen(text.c_str(), maxChars));
    return text;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  size_t size_;
};

}  // namespace e2e
