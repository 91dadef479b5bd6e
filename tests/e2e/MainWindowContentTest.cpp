// End-to-end tests of what the main window shows at start: every control in its container at its place, with its
// text, style, state and tooltip, and the explorer control on the user's Documents folder. All the checks read
// one run of the real program; they change nothing but the mouse pointer's place.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/Numbers.h"
#include "e2e/Driver.h"
#include "e2e/MainWindowPlaces.h"
#include "e2e/ProgramFixtures.h"
#include "e2e/ScratchFolder.h"
#include "e2e/Screenshot.h"
#include "e2e/UserFolders.h"

namespace e2e {

namespace {

using namespace base;  // the program's control and command numbers

struct BalloonTip {
  int control;
  const wchar_t* title;
  const wchar_t* text;
};

const BalloonTip kBalloons[] = {
    {4, L"Extension", L"Saisissez directement un type de fichier ou choisissez en un dans la liste déroulante."},
    {20, L"Partie à remplacer", L"Saisissez la partie du nom de fichier à remplacer (sensible à la casse)"},
    {22, L"Substituer par", L"Saisissez les nouveaux caractères du nom de fichier qui seront substitués"},
    {26, L"Nouveau nom", L"Saisie du nouveau nom de fichier qui sera donné aux éléments Listés"},
    {28, L"Incrément", L"Incrémente la numérotation des fichiers qui sera ajoutée au nom ( 1 par défaut )"},
    {30, L"Départ numérotation", L"Indiquez à partir de quel nombre la numérotation doit commencer ( 1 par défaut )"},
    {31, L"Séparateur de n°", L"Place un tiret 'underscore' entre le nom du fichier et son numéro"},
    {35, L"Nouveau nom", L"Saisie des caractères qui seront ajoutés aux noms des éléments Listés"},
    {39, L"Incrément", L"Incrémente la numérotation des fichiers qui sera ajoutée au nom ( 1 par défaut )"},
    {41, L"Départ numérotation", L"Indiquez à partir de quel nombre la numérotation doit commencer ( 1 par défaut )"},
    {42, L"Séparateur", L"Place un tiret 'underscore' entre le nom du fichier et les caractères ajoutés"},
    {45, L"Renommer tout", L"Renommer tous les fichiers listés avec les critères sélectionnés."},
    {46, L"Retirer sélection", L"Retirer tous les éléments sélectionnés de la liste à renommer."},
    {47, L"Annuler", L"Annuler tout et vider la liste complète des fichiers à renommer."},
    {44, L"Caractères interdits",
     L"Voir quels sont les caractères qui ne doivent pas être utilisés dans les noms de fichiers."},
    {48, L"Aide", L"Ouvrir le fichier d'aide de Tarvelle Rename."},
    {50, L"Quitter", L"Fermer la fenêtre et quitter le programme."},
};

constexpr int kMaxBalloonWidth = 200;

const std::vector<std::wstring> kTypeEntries = {
    L"",    L"JPG", L"JPEG", L"BMP", L"PNG",  L"GIF", L"ICO",  L"TIFF", L"TGA", L"CR2", L"RAW", L"TXT", L"RTF",
    L"DOC", L"DOCX", L"XLS", L"XLSX", L"PDF", L"WAV", L"WMA", L"MP3",  L"MP4", L"MOV", L"WMV", L"AVI", L"MKV"};

const std::vector<std::wstring> kPlaceEntries = {L"Mes documents", L"Mes images", L"Mes vidéos",
                                                 L"Ma musique",    L"Mon bureau", L"Mes téléchargements"};

// A folder of the test in the user's Documents folder, made before the program starts, so that the explorer
// control's first listing has a row whose texts the test knows.
constexpr LocalDateTime kScratchFolderTime = {2024, 8, 5, 9, 7};
constexpr const wchar_t* kScratchFolderDate = L"05/08/2024 09:07";

LONG StyleOf(HWND window) { return GetWindowLongW(window, GWL_STYLE); }
LONG ExStyleOf(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE); }

class MainWindowContentTest : public SharedRunTest {
 protected:
  static void SetUpTestSuite() {
    documents_ = ShellFolderPath(CSIDL_PERSONAL);
    scratch_ = std::make_unique<ScratchFolder>(documents_);
    scratch_->MakeFile(L"dedans.txt", "contenu");
    SetModificationTime(scratch_->Path(), kScratchFolderTime);
    SharedRunTest::SetUpTestSuite();
  }
  static void TearDownTestSuite() {
    SharedRunTest::TearDownTestSuite();
    scratch_.reset();
  }

  static HWND ControlOf(int number) { return Program().Control(number); }

  static std::wstring documents_;
  static std::unique_ptr<ScratchFolder> scratch_;
};

std::wstring MainWindowContentTest::documents_;
std::unique_ptr<ScratchFolder> MainWindowContentTest::scratch_;

TEST_F(MainWindowContentTest, EveryNumberFrom0To50ButTheLinkCommandsAnd17IsAControl) {
  for (int number = 0; number <= 50; ++number) {
    // 5 and 6 are the command numbers of the task pane's two links, which are drawn by the pane, not windows.
    if (number == 5 || number == 6) continue;
    HWND control = ControlOf(number);
    if (number == 17) {
      // Inner parts of controls carry numbers of their own; none of the program's controls may be 17.
      EXPECT_EQ(control, nullptr) << "a window numbered 17 of class " << WindowClass(control);
    } else {
      EXPECT_NE(control, nullptr) << "control " << number;
    }
  }
}

TEST_F(MainWindowContentTest, EveryControlSitsInItsContainerAtItsPlace) {
  HWND pane = ControlOf(kInTaskPane);
  ASSERT_NE(pane, nullptr) << "task pane, control 2";
  for (const ControlPlace& expected : kPlaces) {
    SCOPED_TRACE(testing::Message() << "control " << expected.number);
    HWND control = ControlOf(expected.number);
    ASSERT_NE(control, nullptr) << "the control exists";
    if (expected.windowClass) {
      EXPECT_EQ(WindowClass(control), expected.windowClass) << "kind of control";
    }
    HWND parent = GetParent(control);
    switch (expected.holder) {
      case kInMainWindow: EXPECT_EQ(parent, Window()) << "sits directly in the main window"; break;
      case kInTaskPane:
        // The pane gives each host area a window of its own; the control sits in it, not in the pane itself.
        EXPECT_TRUE(IsChild(pane, control)) << "sits inside the task pane";
        EXPECT_NE(parent, pane) << "sits in a host area of the pane";
        break;
      default: EXPECT_EQ(parent, ControlOf(expected.holder)) << "sits in container " << expected.holder; break;
    }
    RECT place = PlaceInParent(control);
    EXPECT_EQ(place.left, expected.x) << "x in its container; place " << DescribePlace(place);
    EXPECT_EQ(place.top, expected.y) << "y in its container; place " << DescribePlace(place);
    if (expected.number == 8) {
      // The explorer is 300 pixels wide but never wider than its host area, or its own scroll bar would be hidden.
      RECT host{};
      GetClientRect(parent, &host);
      EXPECT_EQ(place.right - place.left, std::min<LONG>(expected.width, host.right)) << "width; place "
                                                                                       << DescribePlace(place);
    } else {
      // A caption that needs it may have a few more pixels; never fewer.
      EXPECT_GE(place.right - place.left, expected.width) << "width; place " << DescribePlace(place);
    }
    if (expected.height != kFreeHeight) {
      EXPECT_EQ(place.bottom - place.top, expected.height) << "height; place " << DescribePlace(place);
    }
  }
}

TEST_F(MainWindowContentTest, ControlsShowTheirTextsAtStart) {
  for (const ControlText& expected : kTexts) {
    HWND control = ControlOf(expected.number);
    ASSERT_NE(control, nullptr) << "control " << expected.number;
    EXPECT_EQ(Text(control), expected.text) << "text of control " << expected.number;
  }
}

TEST_F(MainWindowContentTest, OnlyTheFirstModeBoxIsTickedAndOnlyTheReplacePanelShows) {
  struct ModeCase {
    int box;
    int panel;
    bool chosen;
  };
  const ModeCase cases[] = {{14, kReplacePanel, true}, {15, kRenumberPanel, false}, {16, kAppendPanel, false}};
  for (const ModeCase& mode : cases) {
    EXPECT_EQ(IsTicked(ControlOf(mode.box)), mode.chosen) << "mode box " << mode.box << " ticked";
    EXPECT_EQ(IsWindowVisible(ControlOf(mode.panel)) != FALSE, mode.chosen) << "panel " << mode.panel << " shown";
  }
}

TEST_F(MainWindowContentTest, OtherBoxesAndBothOptionButtonsStartUnticked) {
  for (int number : {23, 31, 36, 37, 38, 42}) {
    HWND box = ControlOf(number);
    ASSERT_NE(box, nullptr) << "control " << number;
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "control " << number << " at start";
  }
}

TEST_F(MainWindowContentTest, KindOfEveryButton) {
  struct ButtonCase {
    int number;
    LONG kind;
    const char* name;
  };
  const ButtonCase cases[] = {
      {14, BS_AUTOCHECKBOX, "check box"}, {15, BS_AUTOCHECKBOX, "check box"},
      {16, BS_AUTOCHECKBOX, "check box"}, {23, BS_AUTOCHECKBOX, "check box"},
      {31, BS_AUTOCHECKBOX, "check box"}, {38, BS_AUTOCHECKBOX, "check box"},
      {42, BS_AUTOCHECKBOX, "check box"}, {36, BS_AUTORADIOBUTTON, "option button"},
      {37, BS_AUTORADIOBUTTON, "option button"},
  };
  for (const ButtonCase& button : cases) {
    EXPECT_EQ(StyleOf(ControlOf(button.number)) & BS_TYPEMASK, button.kind)
        << "control " << button.number << " is a " << button.name;
  }
}

TEST_F(MainWindowContentTest, CountFieldsStartWithOneAndTakeDigitsOnly) {
  for (int number : {28, 30, 39, 41}) {
    HWND field = ControlOf(number);
    ASSERT_NE(field, nullptr) << "control " << number;
    EXPECT_EQ(Text(field), L"1") << "count field " << number << " at start";
    EXPECT_TRUE(StyleOf(field) & ES_NUMBER) << "count field " << number << " takes digits only (ES_NUMBER)";
  }
}

TEST_F(MainWindowContentTest, TypeFieldIsEditableUpperCasingAndHoldsItsTypesWithTheEmptyOneSelected) {
  HWND field = ControlOf(4);
  ASSERT_NE(field, nullptr) << "type field, control 4";
  const LONG style = StyleOf(field);
  EXPECT_EQ(style & 3, CBS_DROPDOWN) << "an editable drop-down list";
  EXPECT_TRUE(style & CBS_UPPERCASE) << "typed letters are turned into upper case";
  EXPECT_TRUE(style & CBS_AUTOHSCROLL) << "a long text scrolls sideways";
  EXPECT_EQ(ComboEntryTexts(field), kTypeEntries) << "entries of the type field, in order";
  EXPECT_EQ(ComboSelection(field), 0) << "the empty entry is selected";
  EXPECT_EQ(Text(field), L"") << "the field shows the empty entry";
}

TEST_F(MainWindowContentTest, PlacesBoxIsAListOfSixPlacesShowingMesDocuments) {
  HWND places = ControlOf(7);
  ASSERT_NE(places, nullptr) << "places box, control 7";
  EXPECT_EQ(StyleOf(places) & 3, CBS_DROPDOWNLIST) << "a drop-down list that cannot be typed into";
  EXPECT_EQ(ComboEntryTexts(places), kPlaceEntries) << "entries of the places box, in order";
  EXPECT_EQ(ComboSelection(places), 0) << "\"Mes documents\" is selected";
}

TEST_F(MainWindowContentTest, ExplorerIsABorderlessSingleSelectionReportWithGridLinesAndFourColumns) {
  HWND explorer = ControlOf(8);
  ASSERT_NE(explorer, nullptr) << "explorer control, control 8";
  const LONG style = StyleOf(explorer);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT) << "report view";
  EXPECT_TRUE(style & LVS_SINGLESEL) << "one entry selected at a time";
  EXPECT_FALSE(style & WS_BORDER) << "no border";
  EXPECT_FALSE(ExStyleOf(explorer) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) << "no sunken edge";
  auto extended = static_cast<DWORD>(SendMessageW(explorer, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_TRUE(extended & LVS_EX_GRIDLINES) << "grid lines";
  EXPECT_EQ(ListColumnTitles(explorer), (std::vector<std::wstring>{L"Nom", L"Taille", L"Type", L"Modifié le"}))
      << "column titles";
  EXPECT_EQ(ListColumnWidths(explorer), (std::vector<int>{300, 100, 100, 100})) << "column widths";
}

TEST_F(MainWindowContentTest, ExplorerListsTheDocumentsFolderWithTheParentEntryFirst) {
  HWND explorer = ControlOf(8);
  ASSERT_NE(explorer, nullptr) << "explorer control, control 8";
  std::vector<std::vector<std::wstring>> rows = ListRows(explorer);
  ASSERT_FALSE(rows.empty()) << "the explorer control is empty";
  EXPECT_EQ(rows.front().front(), L"..") << "first row";
  std::vector<std::wstring> shown;
  for (size_t row = 1; row < rows.size(); ++row) shown.push_back(rows[row].front());
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, VisibleEntryNames(documents_)) << "entries shown for " << documents_;

  const std::wstring folderName = scratch_->Path().substr(documents_.size(), scratch_->Path().size() -
                                                                                 documents_.size() - 1);
  auto folderRow = std::find_if(rows.begin(), rows.end(), [&](const auto& cells) { return cells[0] == folderName; });
  ASSERT_NE(folderRow, rows.end()) << "row of the test's folder " << folderName;
  EXPECT_EQ(*folderRow, (std::vector<std::wstring>{folderName, L"", L"Dossier de fichiers", kScratchFolderDate}))
      << "a folder shows no size, the French type name and its local date and time of change";
}

TEST_F(MainWindowContentTest, FileListIsAnEmptyMultiSelectionReportWithItsTwoColumns) {
  HWND list = ControlOf(10);
  ASSERT_NE(list, nullptr) << "file list, control 10";
  const LONG style = StyleOf(list);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT) << "report view";
  EXPECT_FALSE(style & LVS_SINGLESEL) << "several rows can be selected";
  auto extended = static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT) << "a row is selected across its whole width";
  EXPECT_EQ(ListColumnTitles(list), (std::vector<std::wstring>{L"Nom", L"Chemin complet"})) << "column titles";
  EXPECT_EQ(ListColumnWidths(list), (std::vector<int>{300, 490})) << "column widths";
  EXPECT_EQ(ListRowCount(list), 0) << "rows at start";
}

TEST_F(MainWindowContentTest, FolderPathFieldIsReadOnlyAndTheActivityLineSunken) {
  EXPECT_TRUE(StyleOf(ControlOf(12)) & ES_READONLY) << "folder path field, control 12, is read-only";
  EXPECT_TRUE((ExStyleOf(ControlOf(32)) & WS_EX_STATICEDGE) || (StyleOf(ControlOf(32)) & SS_SUNKEN))
      << "activity line, control 32, has a sunken border";
}

TEST_F(MainWindowContentTest, ProgressBarRunsFrom0To100AndStandsAt0) {
  HWND bar = ControlOf(11);
  ASSERT_NE(bar, nullptr) << "progress bar, control 11";
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, TRUE, 0), 0) << "lowest position";
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 100) << "highest position";
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 0) << "position at start";
}

TEST_F(MainWindowContentTest, ModePanelsHaveAOnePixelBorderAndTheCommandBarAStaticEdge) {
  for (int panel : {kReplacePanel, kRenumberPanel, kAppendPanel}) {
    HWND container = ControlOf(panel);
    RECT outer{};
    RECT inner{};
    GetWindowRect(container, &outer);
    GetClientRect(container, &inner);
    EXPECT_EQ((outer.right - outer.left) - inner.right, 2) << "panel " << panel << ": one pixel left and right";
    EXPECT_EQ((outer.bottom - outer.top) - inner.bottom, 2) << "panel " << panel << ": one pixel above and below";
  }
  EXPECT_TRUE(ExStyleOf(ControlOf(kCommandBar)) & WS_EX_STATICEDGE) << "command bar, container 43";
}

TEST_F(MainWindowContentTest, ImageButtonsShowAnImageAndNoText) {
  // Their window text, which a picture button does not draw, names them for screen readers: their tooltip's words.
  const std::pair<int, const wchar_t*> names[] = {{13, L"Explorer ce dossier"}, {49, L"A propos..."}};
  for (const auto& [number, name] : names) {
    HWND button = ControlOf(number);
    ASSERT_NE(button, nullptr) << "control " << number;
    const LONG style = StyleOf(button);
    EXPECT_TRUE(style & (BS_BITMAP | BS_ICON)) << "button " << number << " shows an image";
    LPARAM kind = (style & BS_ICON) ? IMAGE_ICON : IMAGE_BITMAP;
    EXPECT_NE(SendMessageW(button, BM_GETIMAGE, static_cast<WPARAM>(kind), 0), 0) << "button " << number
                                                                                 << " has its image";
    EXPECT_EQ(Text(button), name) << "button " << number;
  }
}

TEST_F(MainWindowContentTest, TypeLabelIsDrawnInItsOwnColours) {
  HWND label = ControlOf(3);
  ASSERT_NE(label, nullptr) << "type label, control 3";
  RECT place{};
  GetWindowRect(label, &place);
  HDC screen = GetDC(nullptr);
  // The label's bottom right corner lies beyond its text: only the background shows there.
  COLORREF corner = GetPixel(screen, place.right - 2, place.bottom - 2);
  // Somewhere in the text's row a pixel has the text's colour.
  bool textColourFound = false;
  for (LONG x = place.left; x < place.left + 60 && !textColourFound; ++x) {
    for (LONG y = place.top; y < place.bottom && !textColourFound; ++y) {
      textColourFound = GetPixel(screen, x, y) == RGB(254, 248, 220);
    }
  }
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(corner, RGB(68, 94, 138)) << "background colour of the type label";
  EXPECT_TRUE(textColourFound) << "no pixel of the type label has the text colour RGB(254, 248, 220)";
}

TEST_F(MainWindowContentTest, EveryBalloonTipWatchesItsControlWithItsText) {
  const std::vector<ToolTip> tips = ToolTipsOf(Program().ProcessId());
  for (const BalloonTip& expected : kBalloons) {
    SCOPED_TRACE(testing::Message() << "balloon of control " << expected.control);
    HWND control = ControlOf(expected.control);
    ASSERT_NE(control, nullptr) << "the control exists";
    auto tip = std::find_if(tips.begin(), tips.end(), [&](const ToolTip& t) {
      return t.toolId == reinterpret_cast<UINT_PTR>(control);
    });
    ASSERT_NE(tip, tips.end()) << "a tooltip watches the control";
    EXPECT_EQ(std::count_if(tips.begin(), tips.end(),
                            [&](const ToolTip& t) { return t.toolId == reinterpret_cast<UINT_PTR>(control); }),
              1)
        << "one tooltip watches the control";
    EXPECT_EQ(tip->text, expected.text) << "tip text";
    EXPECT_EQ(tip->flags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS))
        << "the tool is the control's window, watched through its own mouse messages";
    EXPECT_EQ(tip->toolWindow, control) << "the tool record's window is the control itself";
    const LONG style = StyleOf(tip->window);
    EXPECT_TRUE(style & TTS_BALLOON) << "a balloon";
    EXPECT_TRUE(style & TTS_NOPREFIX) << "an ampersand shows as itself";
    EXPECT_EQ(SendMessageW(tip->window, TTM_GETMAXTIPWIDTH, 0, 0), kMaxBalloonWidth) << "longest line, pixels";
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tip->window, TTM_GETTIPTEXTCOLOR, 0, 0)),
              GetSysColor(COLOR_INFOTEXT))
        << "text colour";
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tip->window, TTM_GETTIPBKCOLOR, 0, 0)), GetSysColor(COLOR_INFOBK))
        << "background colour";
    // Where the tooltip answers for its title (not under Wine 8), the title and its icon are checked too; the
    // screenshot with a balloon shows them otherwise.
    if (tip->title) {
      EXPECT_EQ(*tip->title, expected.title) << "title";
    }
    if (tip->titleIcon) {
      EXPECT_NE(*tip->titleIcon, 0u) << "the title has an icon";
    }
  }
}

TEST_F(MainWindowContentTest, OpenFolderAndAboutButtonsHaveStandardTips) {
  struct StandardTip {
    int control;
    const wchar_t* text;
  };
  const StandardTip cases[] = {{13, L"Explorer ce dossier"}, {49, L"A propos..."}};
  const std::vector<ToolTip> tips = ToolTipsOf(Program().ProcessId());
  for (const StandardTip& expected : cases) {
    HWND control = ControlOf(expected.control);
    auto tip = std::find_if(tips.begin(), tips.end(), [&](const ToolTip& t) {
      return control && t.toolId == reinterpret_cast<UINT_PTR>(control);
    });
    ASSERT_NE(tip, tips.end()) << "a tooltip watches control " << expected.control;
    EXPECT_EQ(tip->text, expected.text) << "tip text of control " << expected.control;
    EXPECT_FALSE(StyleOf(tip->window) & TTS_BALLOON) << "the tip of control " << expected.control
                                                     << " is an ordinary one";
  }
}

TEST_F(MainWindowContentTest, ScreenshotOfTheMainWindowIsSaved) {
  std::string path;
  ASSERT_TRUE(SaveWindowScreenshot("main-window", Window(), &path));
  auto picture = ReadWholeFile(WindowsPathOfUnixPath(path));
  ASSERT_TRUE(picture.has_value()) << "screenshot " << path << " can be read";
  EXPECT_EQ(picture->substr(0, 4), std::string("\x89PNG")) << "screenshot " << path << " is a PNG picture";
}

// Last of the suite: it leaves the mouse pointer on the window.
TEST_F(MainWindowContentTest, RestingThePointerOnRenommerShowsItsBalloonWrappedTo200Pixels) {
  HWND rename = ControlOf(45);
  ASSERT_NE(rename, nullptr) << "\"Renommer\", control 45";
  const std::vector<ToolTip> tips = ToolTipsOf(Program().ProcessId());
  auto tip = std::find_if(tips.begin(), tips.end(), [&](const ToolTip& t) {
    return t.toolId == reinterpret_cast<UINT_PTR>(rename);
  });
  ASSERT_NE(tip, tips.end()) << "a tooltip watches \"Renommer\"";
  SetForegroundWindow(Window());
  // The tooltip starts its wait when the pointer enters the button, so the pointer comes from outside.
  ASSERT_TRUE(PlacePointer({0, 0})) << "the pointer moves off the window";
  ASSERT_TRUE(PointAt(rename)) << "the pointer moves onto \"Renommer\"";
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(tip->window) != FALSE; }, kReactionLimit))
      << "the balloon of \"Renommer\" did not show within " << kReactionLimit.count() << " ms";
  // Let the balloon finish drawing before the picture is taken.
  WaitUntil([] { return false; }, Milliseconds(500));
  RECT balloon{};
  GetWindowRect(tip->window, &balloon);
  EXPECT_TRUE(SaveScreenshot("main-window-balloon-tip"));
  // The text needs well over 200 pixels on one line; wrapped, the balloon is its 200 pixels plus margins wide.
  EXPECT_LT(balloon.right - balloon.left, kMaxBalloonWidth + 60) << "balloon " << DescribePlace(balloon);
  PlacePointer({0, 0});
}

}  // namespace

}  // namespace e2e
