// The manual's worked examples, read from its pages as the user reads them and run through the program's own rules:
// a page that promises a name the program does not make fails here.
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "filelist/FileListText.h"
#include "rename/FileNameText.h"
#include "rename/LogLine.h"
#include "rename/RenameModes.h"
#include "rename/Utf8.h"

namespace {

using renaming::RenameCriteria;

std::string ReadPage(const std::string& name) {
  std::ifstream file(std::string(TARVELLE_HELP_SOURCE) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A piece of a page as it reads: tags dropped, the few character references decoded, line breaks and runs of
// blanks as one blank. Blanks inside <code> are kept: "Photo " is a text to type, trailing blank included.
std::string Visible(const std::string& html) {
  std::string text = std::regex_replace(html, std::regex("<[^>]*>"), "");
  text = std::regex_replace(text, std::regex("\\s+"), " ");
  for (auto [reference, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
    text = std::regex_replace(text, std::regex(reference), character);
  }
  return text;
}

std::vector<std::string> Matches(const std::string& text, const std::string& pattern, int group = 1) {
  std::vector<std::string> found;
  const std::regex expression(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), expression); it != std::sregex_iterator(); ++it) {
    found.push_back((*it)[group].str());
  }
  return found;
}

// The names of the examples are plain ASCII; anything else would be a misreading of the page.
std::wstring Widen(const std::string& text) {
  std::wstring wide;
  for (char c : text) {
    EXPECT_GE(static_cast<signed char>(c), 0) << "not plain ASCII: " << text;
    wide += static_cast<wchar_t>(c);
  }
  return wide;
}

struct Table {
  std::string intro;  // the paragraph just above the table
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

// The tables of a piece of a page, each with the paragraph above it.
std::vector<Table> TablesIn(const std::string& html) {
  std::vector<Table> tables;
  std::size_t at = 0;
  while ((at = html.find("<table>", at)) != std::string::npos) {
    Table table;
    std::size_t introStart = html.rfind("<p>", at);
    table.intro = introStart == std::string::npos ? "" : Visible(html.substr(introStart, at - introStart));
    std::size_t end = html.find("</table>", at);
    for (const std::string& row : Matches(html.substr(at, end - at), "<tr>([\\s\\S]*?)</tr>")) {
      std::vector<std::string> headerCells = Matches(row, "<th>([\\s\\S]*?)</th>");
      std::vector<std::string> cells = Matches(row, "<td>([\\s\\S]*?)</td>");
      for (std::string& cell : headerCells) cell = Visible(cell);
      for (std::string& cell : cells) cell = Visible(cell);
      if (!headerCells.empty()) table.header = headerCells;
      if (!cells.empty()) table.rows.push_back(cells);
    }
    tables.push_back(table);
    at = end;
  }
  return tables;
}

// The tables of one section of a page, from its <h2> heading to the next.
std::vector<Table> TablesOfSection(const std::string& page, const std::string& heading) {
  std::size_t start = page.find("<h2>" + heading + "</h2>");
  EXPECT_NE(start, std::string::npos) << "no section " << heading;
  if (start == std::string::npos) return {};
  return TablesIn(page.substr(start, page.find("<h2>", start + 4) - start));
}

// The words of a text, "et" left out: "/ et \\" gives / and \\.
std::vector<std::string> Listed(const std::string& text) {
  std::vector<std::string> words;
  for (const std::string& word : Matches(text, "(\\S+)")) {
    if (word != "et") words.push_back(word);
  }
  return words;
}

std::string Cell(const Table& table, const std::vector<std::string>& row, const std::string& column) {
  for (std::size_t i = 0; i < table.header.size() && i < row.size(); ++i) {
    if (table.header[i] == column) return row[i];
  }
  ADD_FAILURE() << "no column " << column;
  return {};
}

// A pass over the example list with nothing in the way: the new names in list order, as the page writes them.
std::string NewNames(RenameCriteria criteria, const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) {
    std::wstring path = L"C:\\Photos\\" + Widen(name);
    renaming::RenamePlan plan = renaming::PlanRename(criteria, {path, Widen(name)});
    renaming::AdvanceAfterSuccess(criteria);
    joined += (joined.empty() ? "" : ", ") + renaming::EncodeUtf8(plan.newName);
  }
  return joined;
}

class ModesPage : public testing::Test {
 protected:
  void SetUp() override {
    page_ = ReadPage("modes.html");
    ASSERT_FALSE(page_.empty()) << "the manual's page of the modes";
    std::string intro = Visible(page_.substr(0, page_.find("</p>")));
    std::size_t list = intro.find("partent tous de la liste");
    ASSERT_NE(list, std::string::npos);
    names_ = Matches(intro.substr(list, intro.find(" dans cet ordre") - list), "([^ ,]+\\.[A-Za-z]+)");
    ASSERT_EQ(names_.size(), 3u) << intro;
  }

  // What is typed for a table, from the paragraph above it: "Avec le nom Vacances, à partir de 1 et un incrément
  // de 1 :".
  struct Typed {
    std::wstring text, start, increment;
  };
  static Typed TypedFor(const Table& table) {
    std::smatch typed;
    EXPECT_TRUE(std::regex_search(table.intro, typed,
                                  std::regex("Avec le (?:nom|texte) (\\S+), à partir de (-?\\d+) et un incrément de "
                                             "(-?\\d+)")))
        << table.intro;
    return {Widen(typed[1].str()), Widen(typed[2].str()), Widen(typed[3].str())};
  }

  std::string page_;
  std::vector<std::string> names_;
};

TEST_F(ModesPage, ReplacePartTableIsWhatThePassMakes) {
  std::vector<Table> tables = TablesOfSection(page_, "Modifier seulement une partie du nom");
  ASSERT_EQ(tables.size(), 1u);
  ASSERT_FALSE(tables[0].rows.empty());
  for (const auto& row : tables[0].rows) {
    std::string replacement = Cell(tables[0], row, "Par ces caractères");
    bool removeOnly = replacement.find("retirer") != std::string::npos;
    RenameCriteria criteria = renaming::ReplaceCriteriaFromFields(
        Widen(Cell(tables[0], row, "Remplacer cette partie")), removeOnly ? L"" : Widen(replacement), removeOnly);
    EXPECT_EQ(NewNames(criteria, names_), Cell(tables[0], row, "Nouveaux noms")) << row[0];
  }
}

TEST_F(ModesPage, RenumberTableAndNumbersAreWhatThePassMakes) {
  const std::string heading = "Renommer et renuméroter totalement";
  std::vector<Table> tables = TablesOfSection(page_, heading);
  ASSERT_EQ(tables.size(), 1u);
  Typed typed = TypedFor(tables[0]);
  ASSERT_EQ(tables[0].rows.size(), 2u);
  for (const auto& row : tables[0].rows) {
    std::string separator = Cell(tables[0], row, "Séparateur");
    ASSERT_TRUE(separator == "coché" || separator == "non coché") << separator;
    RenameCriteria criteria = renaming::RenumberCriteriaFromFields(typed.text, typed.increment, typed.start,
                                                                     separator == "coché");
    EXPECT_EQ(NewNames(criteria, names_), Cell(tables[0], row, "Nouveaux noms")) << separator;
  }

  // "À partir de 8 avec un incrément de 2, les numéros sont 8, 10, 12."
  std::string section = Visible(page_.substr(page_.find("<h2>" + heading)));
  std::smatch sentence;
  ASSERT_TRUE(std::regex_search(section, sentence,
                                std::regex("partir de (\\d+) avec un incrément de (\\d+), les numéros sont ([\\d, ]+)")));
  RenameCriteria numbers =
      renaming::RenumberCriteriaFromFields(L"n", Widen(sentence[2].str()), Widen(sentence[1].str()), false);
  std::vector<std::string> made = Matches(NewNames(numbers, names_), "n(\\d+)\\.");
  EXPECT_EQ(made, Matches(sentence[3].str(), "(\\d+)"));

  // "après Vacances_9.JPG vient Vacances_10.JPG": no zeros in front.
  std::smatch next;
  ASSERT_TRUE(std::regex_search(section, next, std::regex("après (\\w+)_(\\d+)\\.JPG vient (\\S+\\.JPG)")));
  RenameCriteria padding = renaming::RenumberCriteriaFromFields(Widen(next[1].str()), L"1", Widen(next[2].str()), true);
  EXPECT_EQ(NewNames(padding, {"a.JPG", "b.JPG"}), next[1].str() + "_" + next[2].str() + ".JPG, " + next[3].str());

  // "Un champ « A partir de » vide fait commencer à 0."
  EXPECT_NE(section.find("vide fait commencer à 0"), std::string::npos);
  EXPECT_EQ(NewNames(renaming::RenumberCriteriaFromFields(L"n", L"1", L"", false), {"a.JPG"}), "n0.JPG");
}

TEST_F(ModesPage, AddToNameTableIsWhatThePassMakes) {
  std::vector<Table> tables = TablesOfSection(page_, "Ajouter des caractères en gardant le nom d'origine");
  ASSERT_EQ(tables.size(), 1u);
  Typed typed = TypedFor(tables[0]);
  ASSERT_EQ(tables[0].rows.size(), 6u);
  for (const auto& row : tables[0].rows) {
    std::string position = Cell(tables[0], row, "Position");
    ASSERT_TRUE(position == "au début" || position == "à la fin") << position;
    RenameCriteria criteria = renaming::AddCriteriaFromFields(
        typed.text, position == "au début" ? renaming::AddPosition::AtStart : renaming::AddPosition::AtEnd,
        Cell(tables[0], row, "Numéro") == "oui", typed.increment, typed.start,
        Cell(tables[0], row, "Séparateur") == "oui");
    EXPECT_EQ(NewNames(criteria, names_), Cell(tables[0], row, "Nouveaux noms")) << position << " " << row[1] << " "
                                                                                 << row[2];
  }
}

TEST(ManualPages, TypeLogLineAndCharacterExamplesAreThePrograms) {
  // "Avec le type JPG, photo.JPG et photo.jpg sont retenus, mais pas photo.Jpg."
  std::smatch type;
  std::string list = Visible(ReadPage("liste.html"));
  ASSERT_TRUE(std::regex_search(list, type, std::regex("Avec le type (\\w+), (\\S+) et (\\S+) sont retenus, mais pas "
                                                       "([^ .]+\\.\\w+)")));
  EXPECT_TRUE(filelist::MatchesChosenType(Widen(type[2].str()), Widen(type[1].str())));
  EXPECT_TRUE(filelist::MatchesChosenType(Widen(type[3].str()), Widen(type[1].str())));
  EXPECT_FALSE(filelist::MatchesChosenType(Widen(type[4].str()), Widen(type[1].str())));

  // The success line shown on the page, made again from its date, old name and new name.
  std::smatch line;
  std::string report = Visible(ReadPage("renommer.html"));
  ASSERT_TRUE(std::regex_search(
      report, line,
      std::regex("(\\d\\d)/(\\d\\d)/(\\d{4}) à (\\d\\d):(\\d\\d):(\\d\\d) - Le fichier \\[([^\\]]+)\\] a été renommé : "
                 "(\\S+)")));
  renaming::LocalTime time{std::stoi(line[3]), std::stoi(line[2]), std::stoi(line[1]),
                           std::stoi(line[4]), std::stoi(line[5]), std::stoi(line[6])};
  EXPECT_EQ(renaming::EncodeUtf8(renaming::SuccessLine(time, Widen(line[7]), Widen(line[8]))), line[0].str());

  // The line of an undo shown on the same page.
  ASSERT_TRUE(std::regex_search(
      report, line,
      std::regex("(\\d\\d)/(\\d\\d)/(\\d{4}) à (\\d\\d):(\\d\\d):(\\d\\d) - Annulation - Le fichier \\[([^\\]]+)\\] a repris son "
                 "nom : (\\S+)")));
  time = {std::stoi(line[3]), std::stoi(line[2]), std::stoi(line[1]),
          std::stoi(line[4]), std::stoi(line[5]), std::stoi(line[6])};
  EXPECT_EQ(renaming::EncodeUtf8(renaming::UndoSuccessLine(time, Widen(line[7]), Widen(line[8]))), line[0].str());

  // Every character of the forbidden-characters table is refused; those the page says are accepted are.
  std::string page = ReadPage("caracteres.html");
  std::vector<Table> tables = TablesIn(page);
  ASSERT_FALSE(tables.empty());
  int refused = 0;
  for (const auto& row : tables[0].rows) {
    for (const std::string& character : Listed(Cell(tables[0], row, "Caractère"))) {
      ASSERT_EQ(character.size(), 1u) << row[0];
      EXPECT_TRUE(renaming::IsForbiddenFileNameChar(static_cast<wchar_t>(character[0]))) << character;
      ++refused;
    }
  }
  EXPECT_EQ(refused, static_cast<int>(renaming::kForbiddenPunctuation.size())) << "each punctuation mark once";
  std::smatch accepted;
  std::string characters = Visible(page);
  ASSERT_TRUE(std::regex_search(characters, accepted, std::regex("les caractères (.*?) sont également interdits")));
  for (const std::string& character : Listed(accepted[1].str())) {
    EXPECT_FALSE(renaming::IsForbiddenFileNameChar(static_cast<wchar_t>(character[0]))) << character;
  }
  EXPECT_TRUE(renaming::IsForbiddenFileNameChar(L'\t')) << "control characters";
}

}  // namespace
