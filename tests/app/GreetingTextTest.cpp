#include "app/GreetingText.h"

#include <gtest/gtest.h>

namespace {

TEST(GreetingText, GreetsByLoginNameOrWithBonjourAlone) {
  EXPECT_EQ(app::GreetingFirstLine(std::wstring(L"marie")), L"Bonjour marie");
  EXPECT_EQ(app::GreetingFirstLine(std::nullopt), L"Bonjour ") << "an unreadable login name leaves Bonjour alone";
  EXPECT_EQ(app::GreetingSecondLine(L"Lundi  07 Mars  2022"),
            L"Nous sommes le Lundi  07 Mars  2022, Bienvenue dans votre utilitaire de renommage de fichiers.");
}

}  // namespace
