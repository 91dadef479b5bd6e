#pragma once
// The parts of a file path that the rename rules and the folder scan look at. Window-free; no letter case changes.

#include <string>
#include <string_view>

namespace renaming {

// The text after the last `\` or `/`; the whole path when it has neither.
std::wstring NamePart(std::wstring_view path);
// The same, as a view into the path.
std::wstring_view NamePartView(std::wstring_view path);

// The path up to and including its last `\` or `/`; empty when it has neither.
std::wstring FolderPart(std::wstring_view path);

// The text after the last dot of the path, scanning backwards: empty when a `\`, `/` or space comes after the last
// dot, when there is no dot, when the dot is the first character of the path or follows a `\` or `/`. The
// extension stops at a `"`.
std::wstring FileExtension(std::wstring_view path);

// The name part without its extension: the text before the last dot of the name part, unless a space follows that
// dot, the dot is the name's first character, or the dot is its last character; then the whole name part.
std::wstring BaseName(std::wstring_view path);

// The lower-case form of a chosen type: A to Z and the Latin-1 capitals À to Þ (× excepted) become small letters.
std::wstring LowerCaseType(std::wstring_view type);

// Whether the path's extension is exactly the chosen type or exactly its lower-case form (JPG: .JPG and .jpg, never
// .Jpg).
bool MatchesChosenType(std::wstring_view path, std::wstring_view chosenType);

// Entries the folder scan never lists, compared letter case included: "desktop.ini", "Thumbs.db", "." and "..".
bool IsSkippedFolderEntry(std::wstring_view entryName);

}  // namespace renaming
