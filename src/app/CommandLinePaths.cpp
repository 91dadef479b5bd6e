#include "app/CommandLinePaths.h"

#include <windows.h>

#include "app/CommandLineSplit.h"
#include "base/FileEntries.h"
#include "base/PathForms.h"

namespace app {

std::vector<std::wstring> CommandLinePaths() {
  std::vector<std::wstring> paths;
  const std::vector<std::wstring> words = SplitCommandLine(GetCommandLineW());
  for (size_t index = 1; index < words.size(); ++index) {
    const std::wstring& argument = words[index];
    if (argument.empty()) continue;
    std::wstring path = base::FullPathForm(argument);
    if (base::EntryExists(path)) {
      paths.push_back(base::LongPathForm(path));
    } else if (argument[0] != L'/' && argument[0] != L'-') {
      paths.push_back(std::move(path));
    }
  }
  return paths;
}

}  // namespace app
