#pragma once
// Filling the program's file list as a user does: a type in the type field, then files picked in the open-file
// requester or a whole folder chosen in the folder requester.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/Driver.h"

namespace e2e {


// A menu command, as a task pane link or a popup menu entry sends it.
void PostCommand(const RunningProgram& program, int command);
testing::AssertionResult ChooseType(const RunningProgram& program, const std::wstring& type);
// The names, in this order, picked in `folder` through "Ajouter un ou plusieurs fichiers"; waits for their rows.
testing::AssertionResult AddFilesThroughRequester(const RunningProgram& program, const std::wstring& folder,
                                                  const std::vector<std::wstring>& names);
// `folder` listed through "Ajouter un répertoire complet"; waits until `rows` rows are listed.
testing::AssertionResult ListFolderThroughRequester(const RunningProgram& program, const std::wstring& folder,
                                                    int rows);
testing::AssertionResult WaitForListRows(const RunningProgram& program, int rows);

// The explorer control: the row showing `name`, or -1; opening a folder row by a double click; selecting a row and
// running "Ajouter" on it.
int ExplorerRow(const RunningProgram& program, const std::wstring& name);
testing::AssertionResult OpenExplorerFolder(const RunningProgram& program, const std::wstring& name);
testing::AssertionResult AddFromExplorer(const RunningProgram& program, const std::wstring& name);

}  // namespace e2e
