#pragma once
// How the explorer control reads a drive's volume label: through GetVolumeInformationW, unless a test has put a
// reader of its own in its place (one that takes as long as the test wants). Read on the drive questions' threads.

#include <string>

namespace controls {

// The label of the drive of `root` ("C:\"); empty where it has none or does not answer.
using VolumeLabelReader = std::wstring (*)(const std::wstring& root);

std::wstring ReadVolumeLabel(const std::wstring& root);

// Puts `reader` in place of the one in use (null: the system's) and returns the one it replaces.
VolumeLabelReader ReplaceVolumeLabelReader(VolumeLabelReader reader);

}  // namespace controls
