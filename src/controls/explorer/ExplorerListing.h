#pragma once
// What the explorer control shows of one folder, or of the drives, read from the file system and the shell.
// Hidden entries are left out, as Windows Explorer does by default (Wine marks names that begin with a dot hidden);
// system entries that are not hidden are listed. The entries come unsorted.

#include <string>
#include <vector>

#include "controls/explorer/ExplorerDriveQuestions.h"
#include "controls/explorer/ExplorerEntry.h"

namespace controls {

// The entries of `folder` (ending with `\`), led by the parent-folder entry "..". A folder that cannot be listed
// gives ".." alone, so that the user can go back. No system prompt is shown for a drive that is not ready.
std::vector<ExplorerEntry> ListFolder(const std::wstring& folder);

// One entry per drive, in the order of the drive letters, from what the system tells at once: the root, the type
// and a plain icon. Each is named by its root until its details are taken.
std::vector<ExplorerEntry> ListDrives();

// What takes time to learn of a drive: its label and, for fixed, network and RAM drives, its own icon. A network
// drive whose server is gone may keep it waiting for many seconds: it is for a question's thread (DriveQuestions).
// No system box is shown; the floppy drives A: and B: are never touched: their label is not read.
DriveDetails AskDriveDetails(const std::wstring& root);

// The drive's entry named by its label ("Données (D:)") and given its own icon; whether either changed.
bool TakeDriveDetails(ExplorerEntry& drive, const DriveDetails& details);

// The parent-folder entry of `folder`.
ExplorerEntry ParentEntry(const std::wstring& folder);

}  // namespace controls
