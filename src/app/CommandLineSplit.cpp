#include "app/CommandLineSplit.h"

namespace app {

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool inWord = false;
  bool quoted = false;
  for (wchar_t c : line) {
    if (c == L'"') {
      quoted = !quoted;
      inWord = true;  // "" is a word, empty
    } else if ((c == L' ' || c == L'\t') && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

}  // namespace app
