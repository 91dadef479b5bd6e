#pragma once
// The texts of the file list that need no window: the count header, the chosen type as the type field gives it
// and the rules it lists by, and the forms of folder paths the requesters take and give. Window-free.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace filelist {

// The count header of a list that was never filled or was emptied.
inline constexpr const wchar_t* kEmptyCountHeader = L"Nom";

// "Nom ( N éléments )": the plural word for every N, 0 and 1 included.
std::wstring CountHeaderText(std::size_t rows);

// The chosen type from the type field's text: the text without a dot typed before it (".JPG" means JPG) and
// without the spaces around it.
std::wstring ChosenTypeOf(std::wstring_view fieldText);

// The lower-case form of a chosen type: A to Z and the Latin-1 capitals À to Þ (× excepted) become small letters.
std::wstring LowerCaseType(std::wstring_view type);

// Whether the path's extension is exactly the chosen type or exactly its lower-case form (JPG: .JPG and .jpg, never
// .Jpg).
bool MatchesChosenType(std::wstring_view path, std::wstring_view chosenType);

// Entries the folder scan never lists, compared letter case included: "desktop.ini", "Thumbs.db", "." and "..".
bool IsSkippedFolderEntry(std::wstring_view entryName);

// The folder the folder requester is to select when it opens: the trailing `\` is dropped, except for paths of
// three characters or fewer, such as C:\.
std::wstring FolderToSelect(std::wstring_view startFolder);

// The files an open-file requester returned in its buffer of `size` characters, as full paths, in its order.
// One file comes back as its full path; several as the folder, then each name, every part ending with a zero
// character and the whole with a second one.
std::vector<std::wstring> RequesterSelection(const wchar_t* buffer, std::size_t size);

}  // namespace filelist
