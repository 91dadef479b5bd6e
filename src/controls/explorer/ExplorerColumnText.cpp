#include "controls/explorer/ExplorerColumnText.h"

#include "controls/explorer/ExplorerNameOrder.h"

namespace controls {

namespace {

constexpr const wchar_t* kUnits[] = {L"Ko", L"Mo", L"Go", L"To", L"Po", L"Eo"};

std::wstring TwoDigits(int value) {
  std::wstring text = std::to_wstring(value);
  return text.size() < 2 ? L"0" + text : text;
}

wchar_t UpperCaseLetter(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 0x20);
  return c;
}

// The text after the name's last dot; empty when there is none, or it is the first or the last character.
std::wstring_view ExtensionOf(std::wstring_view name) {
  size_t dot = name.find_last_of(L'.');
  if (dot == std::wstring_view::npos || dot == 0 || dot + 1 == name.size()) return {};
  return name.substr(dot + 1);
}

bool IsGenericTypeName(std::wstring_view shellTypeName, std::wstring_view name) {
  std::wstring type = FoldLetterCase(shellTypeName);
  std::wstring extension = FoldLetterCase(ExtensionOf(name));
  if (extension.empty()) return type == L"file" || type == L"fichier";
  for (const std::wstring& generic : {extension + L" file", L"." + extension + L" file", L"fichier " + extension,
                                      L"fichier ." + extension}) {
    if (type == generic) return true;
  }
  return false;
}

}  // namespace

std::wstring ExplorerSizeText(std::uint64_t bytes) {
  if (bytes < 1024) return std::to_wstring(bytes) + L" o";
  // Work in tenths of the unit, from the quotient and remainder, so that even 16 Eo does not overflow.
  std::uint64_t unit = 1024;
  size_t unitIndex = 0;
  while (unitIndex + 1 < std::size(kUnits) && bytes / unit >= 1024) {
    unit *= 1024;
    ++unitIndex;
  }
  for (;;) {
    std::uint64_t whole = bytes / unit;
    std::uint64_t rest = bytes % unit;
    std::uint64_t tenths = whole * 10 + (rest * 10 + unit / 2) / unit;
    if (whole >= 100) tenths = (whole + (rest >= unit / 2 ? 1 : 0)) * 10;
    if (tenths >= 10240 && unitIndex + 1 < std::size(kUnits)) {
      unit *= 1024;
      ++unitIndex;
      continue;
    }
    std::wstring text = std::to_wstring(tenths / 10);
    if (tenths % 10 != 0) text += L',' + std::to_wstring(tenths % 10);
    return text + L' ' + kUnits[unitIndex];
  }
}

std::wstring ExplorerDateText(const ExplorerDateTime& time) {
  std::wstring year = std::to_wstring(time.year);
  while (year.size() < 4) year = L"0" + year;
  return TwoDigits(time.day) + L'/' + TwoDigits(time.month) + L'/' + year + L' ' + TwoDigits(time.hour) + L':' +
         TwoDigits(time.minute);
}

std::wstring FallbackTypeName(std::wstring_view name, bool isFolder) {
  if (isFolder) return L"Dossier de fichiers";
  std::wstring_view extension = ExtensionOf(name);
  if (extension.empty()) return L"Fichier";
  std::wstring text = L"Fichier ";
  for (wchar_t c : extension) text += UpperCaseLetter(c);
  return text;
}

std::wstring ExplorerTypeText(std::wstring_view shellTypeName, std::wstring_view name, bool isFolder) {
  if (isFolder || shellTypeName.empty() || IsGenericTypeName(shellTypeName, name)) {
    return FallbackTypeName(name, isFolder);
  }
  return std::wstring(shellTypeName);
}

std::wstring DriveTypeText(DriveKind kind) {
  switch (kind) {
    case DriveKind::Fixed: return L"Disque local";
    case DriveKind::Removable: return L"Lecteur amovible";
    case DriveKind::Network: return L"Lecteur réseau";
    case DriveKind::CdRom: return L"Lecteur CD-ROM";
    case DriveKind::RamDisk: return L"Disque RAM";
    case DriveKind::Unknown: break;
  }
  return L"Lecteur";
}

std::wstring DriveEntryName(std::wstring_view root, std::wstring_view label) {
  if (label.empty()) return std::wstring(root);
  std::wstring letter(root.substr(0, root.find_first_of(L"\\/")));
  return std::wstring(label) + L" (" + letter + L")";
}

}  // namespace controls
