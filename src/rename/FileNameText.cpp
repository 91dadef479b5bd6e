#include "rename/FileNameText.h"

#include <cstdint>

namespace renaming {

bool IsForbiddenFileNameChar(wchar_t c) {
  // Unsigned, so that a negative value of Linux's 32-bit wchar_t is not taken for a control character.
  bool control = static_cast<std::uint32_t>(c) <= 0x1F;
  return control || kForbiddenPunctuation.find(c) != std::wstring_view::npos;
}

bool IsValidFileNameText(std::wstring_view text) {
  if (text.empty()) return false;
  for (wchar_t c : text) {
    if (IsForbiddenFileNameChar(c)) return false;
  }
  return true;
}

}  // namespace renaming
