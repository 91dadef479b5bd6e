#pragma once
// The texts of the two greeting lines. Window-free.

#include <optional>
#include <string>

namespace app {

// "Bonjour " and the login name; "Bonjour " alone when the name could not be read.
std::wstring GreetingFirstLine(const std::optional<std::wstring>& loginName);
// "Nous sommes le " + the French long date + the welcome sentence.
std::wstring GreetingSecondLine(const std::wstring& frenchLongDate);

}  // namespace app
