#include "e2e/FileDropping.h"

#include <ole2.h>
#include <shlobj.h>

#include "e2e/Driver.h"

namespace e2e {

namespace {

// Two seconds without an effect: the window takes nothing.
constexpr ULONGLONG kGiveUpMilliseconds = 2000;

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

template <typename Interface>
class OneInterface : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, __uuidof(Interface))) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // Lives on the test's stack for the whole drag: the counts are kept, never acted on.
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&references_); }

 private:
  LONG references_ = 1;
};

// The paths as Explorer gives them: a DROPFILES header, then each wide path and a final empty one.
class FileListData final : public OneInterface<IDataObject> {
 public:
  explicit FileListData(const std::vector<std::wstring>& paths) {
    for (const std::wstring& path : paths) list_ += path + L'\0';
    list_ += L'\0';
  }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    const SIZE_T listBytes = list_.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + listBytes);
    if (!memory) return E_OUTOFMEMORY;
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    memcpy(reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES), list_.data(), listBytes);
    GlobalUnlock(memory);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format = FileListFormat();
    return SHCreateStdEnumFmtEtc(1, &format, formats);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::wstring list_;
};

// Lets go as soon as the window under the pointer shows an effect, as a user would on seeing the copy cursor.
class LettingGoSource final : public OneInterface<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
    if (shown_ != DROPEFFECT_NONE) return DRAGDROP_S_DROP;
    return GetTickCount64() - start_ > kGiveUpMilliseconds ? DRAGDROP_S_CANCEL : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    shown_ = effect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }
  DWORD Shown() const { return shown_; }

 private:
  DWORD shown_ = DROPEFFECT_NONE;
  ULONGLONG start_ = GetTickCount64();
};

}  // namespace

DropOutcome DropFiles(POINT at, const std::vector<std::wstring>& paths) {
  DropOutcome outcome;
  const bool oleStarted = SUCCEEDED(OleInitialize(nullptr));
  if (PlacePointer(at)) {
    FileListData data(paths);
    LettingGoSource source;
    outcome.result = DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &outcome.effect);
    outcome.effectShown = source.Shown();
  }
  if (oleStarted) OleUninitialize();
  return outcome;
}

}  // namespace e2e
