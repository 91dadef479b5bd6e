#pragma once
// The explorer control: a report list (SysListView32) of one folder's entries that browses the user's folders and
// drives. Columns "Nom" (300 pixels), "Taille", "Type" and "Modifié le" (100 pixels each); grid lines, no border,
// one entry selected at a time, the system's small shell icons.
//
// It answers by itself: a click on a column heading sorts by that column, a second click on the same heading
// reverses the order (the heading shows the arrow); a double click or the Enter key on a folder, a drive or ".."
// opens it. A double click on a file does nothing; the Enter key on a file sends the file command, when one is set,
// to the list's top-level window as WM_COMMAND (command, 0), as a menu entry would. Its parent's procedure
// (ui/HostMessages.h) turns its notifications into control events for its number: a right click arrives as a control
// event of type kRightClick, the Menu key as one of type kMenuKey.
//
// After a folder is listed with nothing selected, the first row has the focus (not the selection), in view, so that
// the arrow keys start from there.
//
// The list shows the disk as it is: the folder on show (not its sub-folders) is watched through the system's change
// notification, and listed again once its changes have paused for a moment (or have gone on for two seconds), never
// while the window takes no input (under a modal box: it follows when the box closes). Listed again, it keeps the
// sort order and, where their entries remain, the selection, the focus and the first visible row. A folder on show
// that is gone gives way to the nearest folder above it that is still there. The drives are not watched.
//
// The list shows ".." first (except at the top level), then the folders, then the files, by name at start; the
// order chosen last applies to every folder shown afterwards. The top level (the empty folder) lists the drives.
// Hidden entries are not shown. The window keeps its record under the window property "TarvelleExplorerList" and
// frees it, and stops its watch, when it is destroyed.
//
// The drives never hold the window: their labels and icons are asked on threads of their own, one per drive, and
// the list waits a quarter of a second for them before it shows the drives. A drive that answers later (a network
// drive whose server is gone may take many seconds) shows its root, or what it answered last, until its answer
// fills its row in. A drive is opened only when it answers within a second; otherwise the list stays on the drives
// and sends the unanswered-drive command, when one is set, to its top-level window.

#include <windows.h>

#include <string>

namespace controls {

// Creates the list under ui::CurrentParent() with the given number (ui::kNewNumber for a fresh one) and lists
// startFolder (empty: the drives). Returns null on failure.
HWND CreateExplorerList(int number, int x, int y, int width, int height, const std::wstring& startFolder);

// The folder on show, ending with `\`; empty at the top level.
std::wstring ExplorerCurrentFolder(int number);

// Lists `folder` afresh (a `\` is added when missing); empty shows the drives. A folder that cannot be listed
// shows ".." alone.
void SetExplorerFolder(int number, const std::wstring& folder);

// Lists the folder on show again at once, as a change seen on disk does after its pause: for the program's own
// changes (a rename pass, files deleted), which the user expects to see as soon as they are done.
void RefreshExplorerList(int number);
// Whether `path` is the folder on show or one of its entries, so that changing it changes what the list shows.
bool ExplorerShowsPlaceOf(int number, const std::wstring& path);

// The rows, in the order shown; every query answers 0, empty, false or -1 for a number that is no explorer list.
int ExplorerEntryCount(int number);
std::wstring ExplorerEntryName(int number, int index);  // as shown in the name column
// Where the entry leads: a file's full path; a folder's or drive's path ending with `\` ("C:\" for a drive whose
// row reads "Données (C:)"); for "..", the parent folder (empty for the top level). Joining the current folder and
// the name gives the same for files and folders, but not for drives, nor for "..".
std::wstring ExplorerEntryPath(int number, int index);
bool ExplorerEntryIsFolder(int number, int index);  // ".." and the drives count as folders
bool ExplorerEntryIsParent(int number, int index);  // the ".." entry
bool ExplorerEntryIsSelected(int number, int index);
// Whether the file or folder the entry leads to is still on disk as it was listed (a file still a file, a folder
// still a folder). A drive counts as there when it answers within a second (a drive that is not ready answers); the
// top level is not touched and counts as there.
bool ExplorerEntryOnDisk(int number, int index);
int ExplorerFirstSelected(int number);  // -1 when none

// What a click on the heading of `column` (0 name, 1 size, 2 type, 3 date) does.
void SortExplorerByColumn(int number, int column);

// What a double click on the entry does: opens a folder, a drive or ".."; a file is left alone.
void OpenExplorerEntry(int number, int index);

// The command the Enter key on a file sends (0, the default: none).
void SetExplorerFileCommand(int number, int command);
// The command sent when a drive being opened does not answer within a second (0, the default: none).
void SetExplorerUnansweredDriveCommand(int number, int command);

}  // namespace controls
