#include "controls/explorer/ExplorerVolumeLabel.h"

#include <windows.h>

#include <atomic>

namespace controls {

namespace {

std::wstring SystemVolumeLabel(const std::wstring& root) {
  wchar_t label[MAX_PATH + 1] = {};
  if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) return {};
  return label;
}

// Replaced on the window's thread while questions may be reading it on theirs.
std::atomic<VolumeLabelReader> currentReader{SystemVolumeLabel};

}  // namespace

std::wstring ReadVolumeLabel(const std::wstring& root) { return currentReader.load()(root); }

VolumeLabelReader ReplaceVolumeLabelReader(VolumeLabelReader reader) {
  return currentReader.exchange(reader ? reader : SystemVolumeLabel);
}

}  // namespace controls
