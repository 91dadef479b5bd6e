#pragma once
// The two greeting lines drawn once onto the banner picture: "Bonjour " and the login name, then today's date.

#include <string>

namespace app {

// "Bonjour " followed by the login name ("Bonjour " alone when it cannot be read).
std::wstring GreetingFirstLine();
// "Nous sommes le " + today's French long date + the welcome sentence.
std::wstring GreetingSecondLine();
// Today's date in the local time of the computer, written out in French.
std::wstring FrenchLongDateToday();

// Draws both lines onto picture 7 in white, font 0, transparent background; nothing when drawing cannot start.
void DrawGreetingOnBanner();

}  // namespace app
