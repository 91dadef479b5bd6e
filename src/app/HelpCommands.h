#pragma once
// "Aide ?" and the two links of the About window: a document or an address handed to the shell. None of them
// waits for the program the shell starts.

namespace app {

// Opens "DataFiles\TRename Help.chm" beside the program, else "DataFiles\TRename Help.txt" (an entry of that name,
// file or folder, counts as present), else tells the user that no help file was found.
void OpenHelp();

// The maker's website in the default browser; a message when the shell cannot open it.
void OpenWebsite();

// A new mail to the support address in the default mail program; a message when the shell cannot start one.
void WriteToSupport();

}  // namespace app
