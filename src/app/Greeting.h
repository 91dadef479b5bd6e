#pragma once
// The two greeting lines drawn once onto the banner picture: "Bonjour " and the login name, then today's date.

#include <optional>
#include <string>

namespace app {

// The login name of the user the program runs as; none when it cannot be read.
std::optional<std::wstring> LoginName();
// Today's date in the local time of the computer, written out in French.
std::wstring FrenchLongDateToday();

// Draws both lines onto picture 7 in white, font 0, transparent background; nothing when drawing cannot start.
void DrawGreetingOnBanner();
// The same with the lines given: the banner leaves room for the longest ones.
void DrawGreetingLines(const std::wstring& first, const std::wstring& second);

}  // namespace app
