#include "base/PathParts.h"

#include <gtest/gtest.h>

namespace {

using base::BaseName;
using base::FileExtension;
using base::FolderPart;
using base::NamePart;
using base::WithTrailingBackslash;

struct PathCase {
  const wchar_t* path;
  const wchar_t* expected;
};

TEST(PathParts, NamePartIsTheTextAfterTheLastSlashOrBackslash) {
  const PathCase cases[] = {
      {L"C:\\Photos\\IMG_0001.JPG", L"IMG_0001.JPG"},
      {L"C:\\Photos/Vacances\\a b.jpg", L"a b.jpg"},
      {L"D:/x/y.txt", L"y.txt"},
      {L"notes.txt", L"notes.txt"},
      {L"C:\\Photos\\", L""},
      {L"", L""},
  };
  for (const PathCase& c : cases) EXPECT_EQ(NamePart(c.path), c.expected) << "path " << c.path;
}

TEST(PathParts, FolderPartKeepsTheLastSeparator) {
  const PathCase cases[] = {
      {L"C:\\Photos\\IMG_0001.JPG", L"C:\\Photos\\"},
      {L"C:\\Photos/Vacances\\a.jpg", L"C:\\Photos/Vacances\\"},
      {L"D:/x/y.txt", L"D:/x/"},
      {L"notes.txt", L""},
      {L"C:\\", L"C:\\"},
  };
  for (const PathCase& c : cases) EXPECT_EQ(FolderPart(c.path), c.expected) << "path " << c.path;
}

TEST(PathParts, FileExtensionFollowsTheBackwardScan) {
  const PathCase cases[] = {
      {L"photo.JPG", L"JPG"},
      {L"C:\\Photos\\photo.jpg", L"jpg"},
      {L"archive.tar.gz", L"gz"},
      {L".profile", L""},
      {L"C:\\home\\.profile", L""},
      {L"C:/home/.profile", L""},
      {L"holiday.jpg copy", L""},
      {L"C:\\Photos.old\\README", L""},
      {L"C:/Photos.old/README", L""},
      {L"README", L""},
      {L"memo.", L""},
      {L"a b.jpg", L"jpg"},
      {L"photo.jpg\" extra", L""},
      {L"photo.jpg\"x", L"jpg"},
      {L"C:\\a\\b..txt", L"txt"},
      {L"..", L""},
      {L"", L""},
  };
  for (const PathCase& c : cases) EXPECT_EQ(FileExtension(c.path), c.expected) << "path " << c.path;
}

TEST(PathParts, BaseNameDropsOnlyTheLastExtension) {
  const PathCase cases[] = {
      {L"photo.jpg", L"photo"},
      {L"C:\\Photos\\IMG_0001.JPG", L"IMG_0001"},
      {L"archive.tar.gz", L"archive.tar"},
      {L".profile", L".profile"},
      {L"C:\\home\\.profile", L".profile"},
      {L"README", L"README"},
      {L"holiday.jpg copy", L"holiday.jpg copy"},
      {L"memo.", L"memo."},
      {L"photo.jpg.", L"photo.jpg."},
      {L"C:\\dir.d\\README", L"README"},
      {L"a b.c d.txt", L"a b.c d"},
      {L"..x", L"."},
  };
  for (const PathCase& c : cases) EXPECT_EQ(BaseName(c.path), c.expected) << "path " << c.path;
}

TEST(PathParts, TrailingBackslashIsAddedUnlessEitherSeparatorEndsThePath) {
  const PathCase cases[] = {
      {L"D:\\Photos", L"D:\\Photos\\"}, {L"C:", L"C:\\"},       {L"C:\\", L"C:\\"},
      {L"C:/x/", L"C:/x/"},           {L"", L""},
  };
  for (const PathCase& c : cases) EXPECT_EQ(WithTrailingBackslash(c.path), c.expected) << "path " << c.path;
}

}  // namespace
