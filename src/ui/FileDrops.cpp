#include "ui/FileDrops.h"

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "ui/ArrivingPaths.h"
#include "ui/Objects.h"

namespace ui {

namespace {

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool OffersFiles(IDataObject* data) {
  FORMATETC format = FileListFormat();
  return data && data->QueryGetData(&format) == S_OK;
}

// Every path of the dropped list, whole whatever its length.
std::vector<std::wstring> DroppedPaths(IDataObject* data) {
  std::vector<std::wstring> paths;
  FORMATETC format = FileListFormat();
  STGMEDIUM medium{};
  if (!data || FAILED(data->GetData(&format, &medium))) return paths;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    HDROP drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
      const UINT length = DragQueryFileW(drop, index, nullptr, 0);
      if (length == 0) continue;
      std::wstring path(length, L'\0');
      if (DragQueryFileW(drop, index, path.data(), length + 1) == length) paths.push_back(std::move(path));
    }
  }
  ReleaseStgMedium(&medium);
  return paths;
}

// The drop target of one window. The shell's drag image helper, where the platform has it, draws what the
// source drags over the window as Explorer does.
class FileDropTarget final : public IDropTarget {
 public:
  FileDropTarget(HWND window, int windowNumber, int command)
      : window_(window), windowNumber_(windowNumber), command_(command) {
    if (FAILED(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                                reinterpret_cast<void**>(&helper_)))) {
      helper_ = nullptr;
    }
  }
  FileDropTarget(const FileDropTarget&) = delete;
  FileDropTarget& operator=(const FileDropTarget&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
      *object = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
    offersFiles_ = OffersFiles(data);
    *effect = ChosenEffect(*effect);
    if (helper_) {
      POINT at{point.x, point.y};
      helper_->DragEnter(window_, data, &at, *effect);
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL point, DWORD* effect) override {
    *effect = ChosenEffect(*effect);
    if (helper_) {
      POINT at{point.x, point.y};
      helper_->DragOver(&at, *effect);
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    offersFiles_ = false;
    if (helper_) helper_->DragLeave();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
    offersFiles_ = OffersFiles(data);
    *effect = ChosenEffect(*effect);
    if (helper_) {
      POINT at{point.x, point.y};
      helper_->Drop(data, &at, *effect);
    }
    // The paths are copied and the source let go at once; adding them is the event loop's work.
    if (*effect != DROPEFFECT_NONE) HandOverPaths(DroppedPaths(data), windowNumber_, command_);
    offersFiles_ = false;
    return S_OK;
  }

 private:
  ~FileDropTarget() {
    if (helper_) helper_->Release();
  }

  // Copy where the source allows it, else a link; never a move, which would let the source delete its files.
  DWORD ChosenEffect(DWORD allowed) const {
    if (!offersFiles_ || !IsWindowEnabled(window_)) return DROPEFFECT_NONE;
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
    return DROPEFFECT_NONE;
  }

  LONG references_ = 1;
  HWND window_;
  int windowNumber_;
  int command_;
  bool offersFiles_ = false;
  IDropTargetHelper* helper_ = nullptr;
};

}  // namespace

bool AcceptFileDrops(int windowNumber, int command) {
  HWND window = WindowHandle(windowNumber);
  if (!window) return false;
  auto* target = new FileDropTarget(window, windowNumber, command);
  const bool registered = SUCCEEDED(RegisterDragDrop(window, target));
  target->Release();  // the registration holds its own reference
  return registered;
}

void StopFileDrops(int windowNumber) {
  if (HWND window = WindowHandle(windowNumber)) RevokeDragDrop(window);
}

}  // namespace ui
