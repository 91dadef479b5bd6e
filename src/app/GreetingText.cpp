#include "app/GreetingText.h"

namespace app {

std::wstring GreetingFirstLine(const std::optional<std::wstring>& loginName) {
  return L"Bonjour " + loginName.value_or(std::wstring());
}

std::wstring GreetingSecondLine(const std::wstring& frenchLongDate) {
  return L"Nous sommes le " + frenchLongDate + L", Bienvenue dans votre utilitaire de renommage de fichiers.";
}

}  // namespace app
