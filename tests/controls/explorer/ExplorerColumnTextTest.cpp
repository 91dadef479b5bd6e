#include "controls/explorer/ExplorerColumnText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using namespace controls;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

struct SizeCase {
  std::uint64_t bytes;
  const wchar_t* expected;
};

TEST(ExplorerSizeText, CountsOctetsBelowOneKilooctet) {
  const SizeCase cases[] = {{0, L"0 o"}, {1, L"1 o"}, {512, L"512 o"}, {1023, L"1023 o"}};
  for (const SizeCase& c : cases) EXPECT_EQ(ExplorerSizeText(c.bytes), c.expected) << c.bytes << " bytes";
}

TEST(ExplorerSizeText, RoundsToTheNearestTenthWithADecimalCommaAndNoTrailingZero) {
  constexpr std::uint64_t kKo = 1024;
  constexpr std::uint64_t kMo = kKo * 1024;
  constexpr std::uint64_t kGo = kMo * 1024;
  const SizeCase cases[] = {
      {1024, L"1 Ko"},
      {1025, L"1 Ko"},
      {1126, L"1,1 Ko"},             // 1.0996 Ko
      {12800, L"12,5 Ko"},
      {kKo * 99 + 1000, L"100 Ko"},  // 99.98 Ko rounds up across the hundred
      {3565158, L"3,4 Mo"},          // 3.4 Mo, a hair under
      {kMo * 3 + kMo / 2, L"3,5 Mo"},
      {1288490189, L"1,2 Go"},       // 1.2 Go
      {5 * kGo, L"5 Go"},            // beyond 32 bits
      {5 * kGo + 1, L"5 Go"},
      {1536 * kGo, L"1,5 To"},
  };
  for (const SizeCase& c : cases) EXPECT_EQ(ExplorerSizeText(c.bytes), c.expected) << c.bytes << " bytes";
}

TEST(ExplorerSizeText, WritesWholeUnitsFromOneHundredOn) {
  const SizeCase cases[] = {
      {150 * 1024, L"150 Ko"},
      {150 * 1024 + 511, L"150 Ko"},
      {150 * 1024 + 512, L"151 Ko"},  // half a Ko rounds up
      {1023 * 1024, L"1023 Ko"},
  };
  for (const SizeCase& c : cases) EXPECT_EQ(ExplorerSizeText(c.bytes), c.expected) << c.bytes << " bytes";
}

TEST(ExplorerSizeText, MovesToTheNextUnitWhenTheValueRoundsUpToTenTwentyFour) {
  const SizeCase cases[] = {
      {1024 * 1024 - 1, L"1 Mo"},
      {1024 * 1024 - 512, L"1 Mo"},
      {1024ULL * 1024 * 1024 - 1, L"1 Go"},
      {UINT64_MAX, L"16 Eo"},
  };
  for (const SizeCase& c : cases) EXPECT_EQ(ExplorerSizeText(c.bytes), c.expected) << c.bytes << " bytes";
}

TEST(ExplorerDateText, WritesDayMonthYearAndTwentyFourHourTimeWithLeadingZeros) {
  struct DateCase {
    ExplorerDateTime time;
    const wchar_t* expected;
  };
  const DateCase cases[] = {
      {{2026, 12, 8, 14, 5}, L"08/12/2026 14:05"},
      {{2027, 1, 31, 0, 0}, L"31/01/2027 00:00"},
      {{1999, 7, 4, 23, 59}, L"04/07/1999 23:59"},
      {{1601, 1, 1, 9, 7}, L"01/01/1601 09:07"},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(ExplorerDateText(c.time), c.expected) << "expected " << Narrow(c.expected);
  }
}

TEST(ExplorerFallbackTypeName, NamesFoldersAndFilesByTheirExtensionInCapitals) {
  struct TypeCase {
    const wchar_t* name;
    bool isFolder;
    const wchar_t* expected;
  };
  const TypeCase cases[] = {
      {L"Vacances", true, L"Dossier de fichiers"},
      {L"Vacances.2024", true, L"Dossier de fichiers"},
      {L"photo.jpg", false, L"Fichier JPG"},
      {L"archive.tar.gz", false, L"Fichier GZ"},
      {L"notes.xyz", false, L"Fichier XYZ"},
      {L"carte.éte", false, L"Fichier ÉTE"},
      {L"LISEZMOI", false, L"Fichier"},
      {L".profile", false, L"Fichier"},
      {L"fin.", false, L"Fichier"},
  };
  for (const TypeCase& c : cases) {
    EXPECT_EQ(FallbackTypeName(c.name, c.isFolder), c.expected) << "name " << Narrow(c.name);
  }
}

TEST(ExplorerTypeText, KeepsTheShellsNameForRegisteredTypesOnly) {
  struct TypeCase {
    const wchar_t* shellName;
    const wchar_t* name;
    bool isFolder;
    const wchar_t* expected;
  };
  const TypeCase cases[] = {
      {L"Image JPEG", L"photo.jpg", false, L"Image JPEG"},
      {L"Document texte", L"notes.txt", false, L"Document texte"},
      {L"", L"notes.txt", false, L"Fichier TXT"},
      {L".txt file", L"notes.txt", false, L"Fichier TXT"},      // Wine's form for an unregistered extension
      {L"ZZQ File", L"a.zzq", false, L"Fichier ZZQ"},           // English Windows' form
      {L"Fichier ZZQ", L"a.zzq", false, L"Fichier ZZQ"},
      {L"File", L"LISEZMOI", false, L"Fichier"},
      {L"txt file", L"notes.doc", false, L"txt file"},          // names another extension: the shell's own name
      {L"Folder", L"Vacances", true, L"Dossier de fichiers"},
      {L"Dossier de fichiers", L"Vacances.jpg", true, L"Dossier de fichiers"},
  };
  for (const TypeCase& c : cases) {
    EXPECT_EQ(ExplorerTypeText(c.shellName, c.name, c.isFolder), c.expected)
        << "shell " << Narrow(c.shellName) << ", name " << Narrow(c.name);
  }
}

TEST(ExplorerDriveText, ShowsTheRootAloneOrTheLabelWithTheLetter) {
  EXPECT_EQ(DriveEntryName(L"C:\\", L""), L"C:\\") << "a drive without a label";
  EXPECT_EQ(DriveEntryName(L"C:\\", L"Disque local"), L"Disque local (C:)");
  EXPECT_EQ(DriveEntryName(L"Z:\\", L"Données"), L"Données (Z:)");
}

}  // namespace
