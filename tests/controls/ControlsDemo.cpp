#include "controls/ControlsDemo.h"

#include <cstdint>

#include "app/AppState.h"
#include "app/CommandBar.h"
#include "app/StartupResources.h"
#include "controls/CodeIcons.h"
#include "controls/IconButton.h"
#include "controls/TaskPane.h"
#include "controls/ThemeApi.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/Controls.h"
#include "ui/Objects.h"
#include "ui/TopLevelWindows.h"
#include "ui/WindowHooks.h"

namespace controls {

namespace {

// The look a demonstration button always shows, whatever its real state: kept on the button window.
constexpr const wchar_t* kDemoLookProperty = L"TarvelleDemoLook";
constexpr std::uintptr_t kLookPresent = 1u << 20;
constexpr std::uintptr_t kLookHot = 1u << 16;
constexpr std::uintptr_t kLookThemed = 1u << 17;

struct DemoState {
  const wchar_t* name;
  unsigned itemState;
  bool hot;
};

constexpr DemoState kStates[] = {
    {L"Normal", 0, false},
    {L"Survolé", 0, true},
    {L"Avec le focus", ODS_FOCUS, false},
    {L"Enfoncé", ODS_SELECTED | ODS_FOCUS, true},
    {L"Désactivé", ODS_DISABLED, false},
};

constexpr int kButtonHeight = 35;
constexpr int kRowHeight = 54;
constexpr int kBlockLeft = 315;
constexpr int kBlockWidth = 670;

LRESULT DemoHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT notHandled) {
  if (message != WM_DRAWITEM || !lParam) return notHandled;
  const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  auto look = reinterpret_cast<std::uintptr_t>(GetPropW(request->hwndItem, kDemoLookProperty));
  IconButtonState* record = IconButtonStateOf(request->hwndItem);
  if (!(look & kLookPresent) || !record) return DrawIconButton(window, message, wParam, lParam, notHandled);
  DRAWITEMSTRUCT shown = *request;
  shown.itemState = static_cast<UINT>(look & 0xFFFF);
  int hot = record->hot;
  int themes = ThemesActive();
  record->hot = (look & kLookHot) ? 1 : 0;
  ForceThemesActive((look & kLookThemed) ? 1 : 0);
  LRESULT result = DrawIconButton(window, message, wParam, reinterpret_cast<LPARAM>(&shown), notHandled);
  ForceThemesActive(themes);
  record->hot = hot;
  return result;
}

int PaneEventIgnored(int, int, int, int) { return 0; }

const ui::Image* DemoImage(ArtPicture picture, int size) {
  return ui::FindImage(ui::RegisterImage(ui::kNewNumber, ArtImage(picture, size)));
}

HICON DemoIcon(ArtPicture picture, int size) {
  const ui::Image* image = DemoImage(picture, size);
  return image ? image->icon : nullptr;
}

void FillTypeHost(int host) {
  ui::ChildList inHost(host);
  ui::CreateTextControl(ui::kNewNumber, 10, 7, 140, 15, L"Sélectionnez l'extension  :");
  HWND combo = ui::CreateComboBox(ui::kNewNumber, 150, 5, 60, 200, ui::kComboEditable | ui::kComboUpperCase);
  if (combo) {
    int number = GetDlgCtrlID(combo);
    for (const wchar_t* type : {L"JPG", L"PNG", L"BMP"}) ui::AddComboEntry(number, type);
    ui::SelectComboEntry(number, 0);
  }
}

void FillListHost(int host) {
  ui::ChildList inHost(host);
  HWND list = ui::CreateControlWindow(ui::kNewNumber, L"ListBox", L"", WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                      WS_EX_CLIENTEDGE, 5, 10, 250, 110);
  if (list) {
    for (const wchar_t* entry : {L"Mes documents", L"Mes images", L"Mes vidéos", L"Ma musique", L"Mon bureau",
                                 L"Mes téléchargements"}) {
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    SendMessageW(list, LB_SETCURSEL, 1, 0);
  }
}

void FillDemoPane(int pane) {
  TaskPaneItemSpec descriptor;
  descriptor.kind = GroupHeader;
  descriptor.height = 35;
  AddControlItem(pane, -1, L"Sélection de fichiers", DemoIcon(ArtPicture::FileSelection, 48), &descriptor);
  descriptor.kind = HostItem;
  descriptor.height = 30;
  int host = AddControlItem(pane, -1, L"", nullptr, &descriptor);
  FillTypeHost(host);
  descriptor.kind = LinkItem;
  descriptor.height = 25;
  descriptor.commandId = 5;
  AddControlItem(pane, -1, L"Ajouter un ou plusieurs fichiers", DemoIcon(ArtPicture::AddFiles, 16), &descriptor);
  descriptor.commandId = 6;
  AddControlItem(pane, -1, L"Ajouter un répertoire complet", DemoIcon(ArtPicture::AddFolder, 16), &descriptor);

  descriptor.kind = GroupHeader;
  descriptor.height = 35;
  AddControlItem(pane, -1, L"Explorateur système", DemoIcon(ArtPicture::Explorer, 48), &descriptor);
  descriptor.kind = LabelItem;
  descriptor.height = 25;
  AddControlItem(pane, -1, L"Parcourez vos dossiers :", nullptr, &descriptor);
  descriptor.kind = SeparatorItem;
  descriptor.height = 6;
  AddControlItem(pane, -1, L"", nullptr, &descriptor);
  descriptor.kind = HostItem;
  descriptor.height = 130;
  host = AddControlItem(pane, -1, L"", nullptr, &descriptor);
  FillListHost(host);
}

void AddButtonBlock(int top, const wchar_t* heading, bool themed) {
  ui::CreateTextControl(ui::kNewNumber, kBlockLeft, top, kBlockWidth, 16, heading);
  const int rows = static_cast<int>(sizeof(kStates) / sizeof(kStates[0]));
  HWND block = ui::CreateContainer(ui::kNewNumber, kBlockLeft, top + 18, kBlockWidth, rows * kRowHeight + 4,
                                   ui::ContainerBorder::StaticEdge);
  if (!block) return;
  ui::ChildList inBlock(block);
  for (int row = 0; row < rows; ++row) {
    const DemoState& state = kStates[row];
    int y = 3 + row * kRowHeight;
    ui::CreateTextControl(ui::kNewNumber, 8, y, 200, 14, state.name);
    for (const app::CommandButton& descriptor : app::CommandButtons()) {
      const ui::Image* icon = ui::FindImage(app::LoadedButtonIcons.*descriptor.icon);
      HWND button = CreateIconButton(ui::kNewNumber, descriptor.x, y + 15, descriptor.width, kButtonHeight,
                                     descriptor.caption, icon, IconLeft);
      if (!button) continue;
      std::uintptr_t look = kLookPresent | state.itemState | (state.hot ? kLookHot : 0) | (themed ? kLookThemed : 0);
      SetPropW(button, kDemoLookProperty, reinterpret_cast<HANDLE>(look));
      if (state.itemState & ODS_DISABLED) EnableWindow(button, FALSE);
    }
  }
}

}  // namespace

HWND OpenControlsDemo(int windowNumber, int* paneNumber) {
  HWND window = ui::OpenTopLevelWindow(windowNumber, 0, 0, kDemoWindowWidth, kDemoWindowHeight,
                                       L"Tarvelle Rename - contrôles", ui::kWindowSystemMenu | ui::kWindowInvisible);
  if (!window) return nullptr;
  ui::SetWindowHook(windowNumber, DemoHook);
  if (app::LoadedButtonIcons.rename < 0) app::LoadButtonIcons();
  int pane = CreateTaskPane(ui::kNewNumber, 0, 0, 300, kDemoWindowHeight, PaneEventIgnored);
  if (pane > 0) FillDemoPane(pane);
  if (paneNumber) *paneNumber = pane;
  AddButtonBlock(8, L"Avec le style visuel (thème actif)", true);
  AddButtonBlock(8 + 18 + 5 * kRowHeight + 4 + 14, L"Aspect classique (sans style visuel)", false);
  return window;
}

}  // namespace controls
