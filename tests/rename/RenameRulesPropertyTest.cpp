// Properties of the path and new-name rules over random names, with a fixed seed so that a failure repeats.
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "base/PathParts.h"
#include "rename/AddToNameRule.h"
#include "rename/NumberText.h"
#include "rename/RenumberRule.h"
#include "rename/ReplaceRule.h"

namespace {

using renaming::AddPosition;

constexpr int kRounds = 3000;

class RandomNames {
 public:
  explicit RandomNames(unsigned seed) : engine_(seed) {}

  // Letters of both cases, digits, dots, spaces and a few accented and punctuation characters, dots made likely.
  std::wstring Text(size_t maxLength) {
    static const std::wstring kAlphabet = L"aAbBzZ019._ .-[]éÉàÀ日";
    std::uniform_int_distribution<size_t> length(0, maxLength);
    std::uniform_int_distribution<size_t> pick(0, kAlphabet.size() - 1);
    std::wstring text;
    for (size_t n = length(engine_); n > 0; --n) text += kAlphabet[pick(engine_)];
    return text;
  }

  std::wstring NonEmptyText(size_t maxLength) {
    std::wstring text;
    while (text.empty()) text = Text(maxLength);
    return text;
  }

  // A folder (sometimes none) with dots and spaces of its own, then a name.
  std::wstring Path() {
    static const wchar_t* kFolders[] = {L"", L"C:\\", L"C:\\Photos.old\\", L"D:/a b/c.d/", L"\\\\srv\\x.y\\"};
    std::uniform_int_distribution<size_t> folder(0, std::size(kFolders) - 1);
    return kFolders[folder(engine_)] + NonEmptyText(12);
  }

  bool Coin() { return std::uniform_int_distribution<int>(0, 1)(engine_) == 1; }
  std::int32_t Number() { return std::uniform_int_distribution<std::int32_t>(INT32_MIN, INT32_MAX)(engine_); }

 private:
  std::mt19937 engine_;
};

bool HasOnlyCharactersOf(const std::wstring& text, const std::wstring& allowed) {
  return text.find_first_not_of(allowed) == std::wstring::npos;
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix) { return text.rfind(prefix, 0) == 0; }

bool EndsWith(const std::wstring& text, const std::wstring& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(RenameRulesProperty, PathPartsPutTheNameBackTogether) {
  RandomNames random(20240501);
  for (int round = 0; round < kRounds; ++round) {
    std::wstring path = random.Path();
    std::wstring name = base::NamePart(path);
    std::wstring extension = base::FileExtension(path);
    std::wstring base = base::BaseName(path);
    ASSERT_EQ(base::FolderPart(path) + name, path) << "folder and name make the path: " << path;
    ASSERT_EQ(extension.find_first_of(L"./\\ "), std::wstring::npos) << "extension of " << path << ": " << extension;
    if (extension.empty()) {
      ASSERT_EQ(base, name) << "no extension, the base name is the whole name: " << path;
    } else {
      ASSERT_EQ(base + L"." + extension, name) << "base name, dot and extension make the name: " << path;
      ASSERT_FALSE(base.empty()) << "a name beginning with its only dot has no extension: " << path;
    }
  }
}

TEST(RenameRulesProperty, RenumberWritesTheNameTheNumberAndTheExtensionOnly) {
  RandomNames random(7);
  for (int round = 0; round < kRounds; ++round) {
    std::wstring path = random.Path();
    renaming::RenumberCriteria criteria{random.NonEmptyText(6), L"1", random.Number(), random.Coin()};
    std::wstring newName = renaming::RenumberNewName(criteria, path);
    std::wstring extension = base::FileExtension(path);
    std::wstring number = renaming::DecimalText(criteria.runningNumber);
    ASSERT_TRUE(StartsWith(newName, criteria.newName + (criteria.separator ? L"_" : L"") + number))
        << "new name " << newName << " for " << path;
    ASSERT_TRUE(EndsWith(newName, L"." + extension)) << "new name " << newName << " keeps the extension of " << path;
    ASSERT_TRUE(HasOnlyCharactersOf(newName, criteria.newName + extension + L"_.-0123456789"))
        << "no foreign character in " << newName;
  }
}

// The replacement written the slow, obvious way: find the folded part in the folded name, again and again.
std::wstring ReplaceByFind(const std::wstring& name, const std::wstring& part, const std::wstring& replacement) {
  auto fold = [](std::wstring text) {
    for (wchar_t& c : text) {
      if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
  };
  std::wstring foldedName = fold(name);
  std::wstring foldedPart = fold(part);
  std::wstring result;
  size_t from = 0;
  for (size_t at = foldedName.find(foldedPart); at != std::wstring::npos; at = foldedName.find(foldedPart, from)) {
    result += name.substr(from, at - from) + replacement;
    from = at + part.size();
  }
  return result + name.substr(from);
}

TEST(RenameRulesProperty, ReplaceAgreesWithRepeatedFindAndKeepsNamesWithoutThePart) {
  RandomNames random(99);
  for (int round = 0; round < kRounds; ++round) {
    std::wstring name = random.NonEmptyText(14);
    std::wstring part = random.NonEmptyText(2);
    std::wstring replacement = random.Text(3);
    std::wstring replaced = renaming::ReplaceCaseless(name, part, replacement);
    ASSERT_EQ(replaced, ReplaceByFind(name, part, replacement))
        << "name " << name << " part " << part << " replacement " << replacement;
    ASSERT_TRUE(HasOnlyCharactersOf(replaced, name + replacement)) << "no foreign character in " << replaced;
    std::wstring absent = L"#" + part;
    ASSERT_EQ(renaming::ReplaceCaseless(name, absent, replacement), name)
        << "a part that does not occur leaves " << name << " unchanged";
  }
}

TEST(RenameRulesProperty, AddToNameKeepsTheBaseNameTheTextAndTheExtension) {
  RandomNames random(31337);
  for (int round = 0; round < kRounds; ++round) {
    std::wstring path = random.Path();
    renaming::AddCriteria criteria{random.NonEmptyText(5), random.Coin() ? AddPosition::AtStart : AddPosition::AtEnd,
                                   random.Coin(), L"1", random.Number(), random.Coin()};
    std::wstring newName = renaming::AddToNameNewName(criteria, path);
    std::wstring base = base::BaseName(path);
    std::wstring extension = base::FileExtension(path);
    std::wstring joint = criteria.separator ? L"_" : L"";
    std::wstring core = criteria.position == AddPosition::AtStart ? criteria.addedText + joint + base
                                                                  : base + joint + criteria.addedText;
    ASSERT_TRUE(StartsWith(newName, core)) << "new name " << newName << " begins with both texts, for " << path;
    ASSERT_TRUE(EndsWith(newName, L"." + extension)) << "new name " << newName << " keeps the extension of " << path;
    std::wstring middle = newName.substr(core.size(), newName.size() - core.size() - extension.size() - 1);
    std::wstring expectedMiddle = criteria.numbering ? L"_" + renaming::DecimalText(criteria.runningNumber) : L"";
    ASSERT_EQ(middle, expectedMiddle) << "only the number between the core and the extension: " << newName;
  }
}

}  // namespace
