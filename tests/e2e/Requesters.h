#pragma once
// The platform's requesters as the program opens them, driven from outside: the open-file requester (a folder is
// typed to go there, then the names), and the folder requester (its tree's selection is set and read).

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/Driver.h"

namespace e2e {

// A visible dialog (class #32770) of the process with exactly this title.
testing::AssertionResult WaitForDialog(DWORD processId, const std::wstring& title, HWND* dialog,
                                       Milliseconds limit = kReactionLimit);

// The open-file requester's current folder, ending with a backslash.
std::wstring OpenRequesterFolder(HWND requester);
// Goes to `folder` (ending with a backslash), then chooses the names (typed as they are, several in quotes) and
// waits until the requester is gone.
testing::AssertionResult ChooseFiles(HWND requester, const std::wstring& folder,
                                     const std::vector<std::wstring>& names);
testing::AssertionResult CancelDialog(HWND dialog);

// The folder requester: a dialog of the process with a folder tree.
testing::AssertionResult WaitForFolderRequester(DWORD processId, HWND* requester);
// The text of the folder requester's selected tree entry.
std::wstring FolderRequesterSelection(HWND requester);
// Selects `folder` in the requester's tree, checks that it took, confirms and waits until the requester is gone.
testing::AssertionResult ChooseFolder(HWND requester, const std::wstring& folder);

}  // namespace e2e
