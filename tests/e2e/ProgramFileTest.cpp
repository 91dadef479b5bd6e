// The program file as Windows shows it: the version in its properties and in its manifest is the build's one.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ProgramInfo.h"
#include "base/Version.h"
#include "e2e/Driver.h"

namespace e2e {

namespace {

// A text of the file's French version record ("040C04B0"), empty when it has none.
std::wstring VersionText(const std::vector<BYTE>& record, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  std::wstring key = std::wstring(L"\\StringFileInfo\\040C04B0\\") + name;
  if (!VerQueryValueW(record.data(), key.c_str(), &value, &length) || length == 0) return {};
  return std::wstring(static_cast<const wchar_t*>(value));
}

TEST(ProgramFileTest, PropertiesAndManifestCarryTheBuildsVersion) {
  const std::wstring version = base::kVersion;
  EXPECT_EQ(std::wstring(base::kProgramTitle), L"Tarvelle Rename V " + version) << "the title names the version";

  DWORD size = GetFileVersionInfoSizeW(ProgramPath().c_str(), nullptr);
  ASSERT_GT(size, 0u) << "the program file has a version record";
  std::vector<BYTE> record(size);
  ASSERT_TRUE(GetFileVersionInfoW(ProgramPath().c_str(), 0, size, record.data()));
  EXPECT_EQ(VersionText(record, L"FileVersion"), version);
  EXPECT_EQ(VersionText(record, L"ProductVersion"), version);
  // What Windows shows in the file's properties and the setup's uninstall entry.
  EXPECT_EQ(VersionText(record, L"CompanyName"), base::kMakerName);
  EXPECT_EQ(VersionText(record, L"ProductName"), base::kShortName);
  EXPECT_EQ(VersionText(record, L"LegalCopyright"), base::kCopyright);
  EXPECT_EQ(VersionText(record, L"LegalCopyright").substr(0, 2), L"© ") << "the resource compiler read UTF-8";
  EXPECT_EQ(VersionText(record, L"OriginalFilename"), ProgramPath().substr(ProgramPath().find_last_of(L'\\') + 1));
  EXPECT_EQ(VersionText(record, L"InternalName"), L"TarvelleRename");
  EXPECT_NE(VersionText(record, L"FileDescription").find(base::kShortName), std::wstring::npos);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(TARVELLE_VERSION_MINOR, TARVELLE_VERSION_MAJOR)));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);

  HMODULE file = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  HRSRC found = FindResourceW(file, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr) << "the program carries its manifest";
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(file, found)));
  std::string manifest(bytes, SizeofResource(file, found));
  std::string expected = "version=\"" + std::to_string(TARVELLE_VERSION_MAJOR) + "." +
                         std::to_string(TARVELLE_VERSION_MINOR) + ".0.0\"";
  EXPECT_NE(manifest.find(expected), std::string::npos) << "manifest identity " << expected;
  FreeLibrary(file);
}

}  // namespace

}  // namespace e2e
