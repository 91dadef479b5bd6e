#pragma once
// The texts of the explorer control's columns, written as a French Windows user reads them. Window-free.

#include <cstdint>
#include <string>
#include <string_view>

namespace controls {

// A file's size. Below 1024 bytes the exact count in octets ("0 o", "512 o", "1023 o"). From 1024 on, the largest
// unit of 1024 (Ko, Mo, Go, To, Po, Eo) that keeps the value at 1 or more, rounded to the nearest tenth below 100
// and to the nearest unit from 100 on, with a decimal comma and no ",0": "1 Ko", "12,5 Ko", "3,4 Mo", "1,2 Go",
// "150 Ko". A value that rounds up to 1024 is written in the next unit ("1 Mo").
std::wstring ExplorerSizeText(std::uint64_t bytes);

// A local date and time; month 1 is January.
struct ExplorerDateTime {
  int year = 0;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

// Day, month and four-digit year, then hours and minutes on 24 hours: "08/12/2026 14:05".
std::wstring ExplorerDateText(const ExplorerDateTime& time);

// The type shown when the shell names none: "Dossier de fichiers" for a folder, "Fichier JPG" for a file whose
// name ends with ".jpg" (the extension in capitals), "Fichier" for a name without an extension.
std::wstring FallbackTypeName(std::wstring_view name, bool isFolder);

// The type shown for a file or folder, given the name the shell gives (SHGetFileInfoW, possibly empty). Folders
// are always "Dossier de fichiers", the French shell's own name for them. A file keeps the shell's name unless it is
// empty or only the shell's generic form for an extension no program registered (".xyz file", "XYZ File",
// "Fichier XYZ", "File"), which Wine gives in English: then FallbackTypeName.
std::wstring ExplorerTypeText(std::wstring_view shellTypeName, std::wstring_view name, bool isFolder);

enum class DriveKind { Fixed, Removable, Network, CdRom, RamDisk, Unknown };

// "Disque local", "Lecteur amovible", "Lecteur réseau", "Lecteur CD-ROM", "Disque RAM", "Lecteur".
std::wstring DriveTypeText(DriveKind kind);

// A drive's entry: its root ("C:\") when it has no volume label, else the label and the letter ("Données (D:)").
std::wstring DriveEntryName(std::wstring_view root, std::wstring_view label);

}  // namespace controls
