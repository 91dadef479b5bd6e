#include "rename/RenameRequest.h"

#include <gtest/gtest.h>

#include "base/Numbers.h"

namespace {

using renaming::AddPosition;
using renaming::DecideConfirmedRename;
using renaming::RenameDecision;
using RenameRequest = renaming::RenameFields;
using renaming::RenameStep;

// A request with rows, mode box 1 ticked and every text filled in with valid text, as each case then changes it.
RenameRequest FilledRequest() {
  RenameRequest request;
  request.replaceModeBox = true;
  request.newNameText = L"Vacances";
  request.partText = L"IMG";
  request.replacementText = L"Photo";
  request.addedText = L"2024";
  request.addPosition = AddPosition::AtStart;
  return request;
}

RenameRequest Renumber(const wchar_t* newName) {
  RenameRequest request = FilledRequest();
  request.replaceModeBox = false;
  request.renumberModeBox = true;
  request.newNameText = newName;
  return request;
}

RenameRequest Replace(const wchar_t* part, const wchar_t* replacement, bool removeOnly) {
  RenameRequest request = FilledRequest();
  request.partText = part;
  request.replacementText = replacement;
  request.removeOnly = removeOnly;
  return request;
}

RenameRequest Add(const wchar_t* addedText, AddPosition position) {
  RenameRequest request = FilledRequest();
  request.replaceModeBox = false;
  request.addModeBox = true;
  request.addedText = addedText;
  request.addPosition = position;
  return request;
}

struct DecisionCase {
  const char* what;
  RenameRequest request;
  RenameStep step;
  const wchar_t* text;  // the refusal's text, or nullptr when a mode runs or nothing happens
  int focus;
};

const wchar_t* const kForbidden =
    L"Des caractères interdits ont été détectés dans le nouveau nom. Vous devez modifier ces caractères pour valider "
    L"l'opération.";
const wchar_t* const kMissingNewName = L"VOUS DEVEZ SAISIR DES CARACTERES DANS LE CHAMP NOUVEAU NOM!";

void CheckDecisions(const DecisionCase* begin, const DecisionCase* end) {
  for (const DecisionCase* c = begin; c != end; ++c) {
    RenameDecision decision = DecideConfirmedRename(c->request);
    EXPECT_EQ(decision.step, c->step) << c->what;
    if (c->text == nullptr) continue;
    EXPECT_EQ(decision.message.title, L"ERREUR") << c->what;
    EXPECT_EQ(decision.message.text, c->text) << c->what;
    EXPECT_EQ(decision.message.focusControl, c->focus) << c->what;
  }
}

TEST(RenameRequest, RenumberNeedsAValidNewName) {
  const DecisionCase cases[] = {
      {"empty new name", Renumber(L""), RenameStep::ShowMessage, kMissingNewName, base::kNewNameField},
      {"new name a/b", Renumber(L"a/b"), RenameStep::ShowMessage, kForbidden, base::kNewNameField},
      {"new name with a tab", Renumber(L"a\tb"), RenameStep::ShowMessage, kForbidden, base::kNewNameField},
      {"three spaces", Renumber(L"   "), RenameStep::RunRenumber, nullptr, 0},
      {"[ ] = , ;", Renumber(L"[a]=b,c;d"), RenameStep::RunRenumber, nullptr, 0},
  };
  CheckDecisions(std::begin(cases), std::end(cases));
}

TEST(RenameRequest, ReplaceNeedsAPartAndAValidReplacementUnlessOnlyRemoving) {
  const DecisionCase cases[] = {
      {"empty part", Replace(L"", L"x", false), RenameStep::ShowMessage,
       L"Vous devez saisir des caractères à supprimer dans le nom d'origine !", base::kPartField},
      {"empty part, remove only", Replace(L"", L"", true), RenameStep::ShowMessage,
       L"Vous devez saisir des caractères à supprimer dans le nom d'origine !", base::kPartField},
      {"empty replacement", Replace(L"a", L"", false), RenameStep::ShowMessage,
       L"Vous devez saisir des caractères dans le champ du nouveau nom !", base::kReplacementField},
      {"replacement a*b", Replace(L"a", L"a*b", false), RenameStep::ShowMessage, kForbidden, base::kReplacementField},
      {"part a:b is not checked", Replace(L"a:b", L"x", false), RenameStep::RunReplace, nullptr, 0},
      {"remove only, replacement empty", Replace(L"a", L"", true), RenameStep::RunReplace, nullptr, 0},
      {"remove only, replacement invalid", Replace(L"a", L"?", true), RenameStep::RunReplace, nullptr, 0},
  };
  CheckDecisions(std::begin(cases), std::end(cases));
}

TEST(RenameRequest, AddNeedsAValidTextThenAPosition) {
  const DecisionCase cases[] = {
      {"empty text", Add(L"", AddPosition::AtEnd), RenameStep::ShowMessage, kMissingNewName, base::kAddedTextField},
      {"text with <", Add(L"<x>", AddPosition::AtEnd), RenameStep::ShowMessage, kForbidden, base::kAddedTextField},
      {"empty text, no position", Add(L"", AddPosition::None), RenameStep::ShowMessage, kMissingNewName,
       base::kAddedTextField},
      {"invalid text, no position", Add(L"|", AddPosition::None), RenameStep::ShowMessage, kForbidden,
       base::kAddedTextField},
      {"no position", Add(L"2024", AddPosition::None), RenameStep::ShowMessage,
       L"Vous devez choisir d'ajouter les caractères au début ou à la fin du nom.", 36},
      {"at start", Add(L"2024", AddPosition::AtStart), RenameStep::RunAdd, nullptr, 0},
      {"at end", Add(L" ", AddPosition::AtEnd), RenameStep::RunAdd, nullptr, 0},
  };
  CheckDecisions(std::begin(cases), std::end(cases));
}

TEST(RenameRequest, ModeBoxesAreTakenInTheOrderTwoOneThree) {
  RenameRequest all = FilledRequest();
  all.renumberModeBox = all.replaceModeBox = all.addModeBox = true;
  RenameRequest replaceAndAdd = FilledRequest();
  replaceAndAdd.addModeBox = true;
  RenameRequest none = FilledRequest();
  none.replaceModeBox = false;
  none.newNameText = L"";
  const DecisionCase cases[] = {
      {"all three ticked", all, RenameStep::RunRenumber, nullptr, 0},
      {"boxes 1 and 3 ticked", replaceAndAdd, RenameStep::RunReplace, nullptr, 0},
      {"no box ticked, empty texts", none, RenameStep::Nothing, nullptr, 0},
  };
  CheckDecisions(std::begin(cases), std::end(cases));
  RenameRequest renumberWithBadAddText = Renumber(L"V");
  renumberWithBadAddText.addedText = L"a/b";
  renumberWithBadAddText.replacementText = L"";
  EXPECT_EQ(DecideConfirmedRename(renumberWithBadAddText).step, RenameStep::RunRenumber)
      << "the other modes' texts do not matter";
}

TEST(RenameRequest, EmptyListAndCancellationMessages) {
  std::optional<renaming::RenameMessage> refusal = renaming::EmptyListRefusal(0);
  ASSERT_TRUE(refusal.has_value()) << "an empty list is refused";
  EXPECT_EQ(refusal->title, L"ERREUR") << "empty list title";
  EXPECT_EQ(refusal->text, L"Aucun fichiers à renommer dans la liste!") << "empty list text";
  EXPECT_EQ(refusal->focusControl, renaming::kFocusUnchanged) << "empty list leaves the focus";
  EXPECT_FALSE(renaming::EmptyListRefusal(1).has_value()) << "one row is enough";

  renaming::RenameMessage cancelled = renaming::CancelledByUserMessage();
  EXPECT_EQ(cancelled.title, L"Processus") << "cancellation title";
  EXPECT_EQ(cancelled.text, L"Le renommage a été annulé par l'utilisateur!") << "cancellation text";
  EXPECT_EQ(cancelled.focusControl, renaming::kFocusUnchanged) << "cancellation leaves the focus";

  EXPECT_STREQ(renaming::kConfirmRenameTitle, L"RENOMMAGE D'UNE LISTE DE FICHIERS") << "confirmation title";
  EXPECT_STREQ(renaming::kConfirmRenameText, L"ÊTES-VOUS SÛR(E) DE VOULOIR RENOMMER TOUS CES FICHIERS ?")
      << "confirmation text";
}

}  // namespace
