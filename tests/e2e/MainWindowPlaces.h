#pragma once
// The main window's controls as the program lays them out at 96 DPI: each one's container, kind and place, and the
// texts they show at start. The end-to-end tests check the layout against these at 96 DPI and at other scales.

#include "base/Numbers.h"

namespace e2e {

inline constexpr int kInMainWindow = -1;
inline constexpr int kInTaskPane = 2;  // inside one of the task pane's host areas
inline constexpr int kFreeHeight = -1;  // drop-down lists size their closed part to their font

struct ControlPlace {
  int number;
  int holder;  // kInMainWindow, kInTaskPane or the number of the container that holds the control
  const wchar_t* windowClass;
  int x;
  int y;
  int width;
  int height;
};

// Every control of the main window, in creation order.
inline constexpr ControlPlace kPlaces[] = {
    {0, kInMainWindow, L"Static", 0, 0, 834, 60},
    {1, kInMainWindow, L"Static", 834, 0, 180, 60},
    {2, kInMainWindow, nullptr, 0, 60, 300, 633},
    {3, kInTaskPane, L"Static", 10, 7, 140, 15},
    {4, kInTaskPane, L"ComboBox", 150, 5, 60, kFreeHeight},
    {7, kInTaskPane, L"ComboBoxEx32", 5, 5, 150, kFreeHeight},
    {8, kInTaskPane, L"SysListView32", 0, 30, 300, 423},
    {9, kInMainWindow, L"Static", 305, 65, 300, 15},
    {10, kInMainWindow, L"SysListView32", 305, 80, 704, 372},
    {12, kInMainWindow, L"Edit", 305, 455, 680, 20},
    {13, kInMainWindow, L"Button", 985, 453, 25, 25},
    {14, kInMainWindow, L"Button", 305, 480, 195, 15},
    {15, kInMainWindow, L"Button", 510, 480, 190, 15},
    {16, kInMainWindow, L"Button", 710, 480, 255, 15},
    {18, kInMainWindow, nullptr, 305, 520, 704, 80},
    {19, base::kReplacePanel, L"Static", 5, 17, 115, 15},
    {20, base::kReplacePanel, L"Edit", 125, 15, 200, 20},
    {21, base::kReplacePanel, L"Static", 340, 17, 100, 15},
    {22, base::kReplacePanel, L"Edit", 440, 15, 200, 20},
    {23, base::kReplacePanel, L"Button", 125, 47, 460, 20},
    {24, kInMainWindow, nullptr, 305, 520, 704, 80},
    {25, base::kRenumberPanel, L"Static", 5, 17, 140, 15},
    {26, base::kRenumberPanel, L"Edit", 145, 15, 425, 20},
    {27, base::kRenumberPanel, L"Static", 5, 47, 140, 15},
    {28, base::kRenumberPanel, L"Edit", 145, 45, 50, 20},
    {29, base::kRenumberPanel, L"Static", 200, 47, 50, 15},
    {30, base::kRenumberPanel, L"Edit", 255, 45, 50, 20},
    {31, base::kRenumberPanel, L"Button", 400, 47, 190, 20},
    {33, kInMainWindow, nullptr, 305, 520, 704, 80},
    {34, base::kAppendPanel, L"Static", 5, 17, 140, 15},
    {35, base::kAppendPanel, L"Edit", 165, 15, 200, 20},
    {36, base::kAppendPanel, L"Button", 400, 17, 100, 15},
    {37, base::kAppendPanel, L"Button", 510, 17, 100, 15},
    {38, base::kAppendPanel, L"Button", 5, 47, 160, 15},
    {39, base::kAppendPanel, L"Edit", 165, 45, 50, 20},
    {40, base::kAppendPanel, L"Static", 220, 47, 50, 15},
    {41, base::kAppendPanel, L"Edit", 275, 45, 50, 20},
    {42, base::kAppendPanel, L"Button", 400, 47, 190, 20},
    {32, kInMainWindow, L"Static", 305, 605, 704, 20},
    {11, kInMainWindow, L"msctls_progress32", 305, 630, 704, 15},
    {43, kInMainWindow, nullptr, 305, 650, 704, 40},
    {45, base::kCommandBar, L"Button", 5, 2, 110, 35},
    {46, base::kCommandBar, L"Button", 115, 2, 130, 35},
    {47, base::kCommandBar, L"Button", 245, 2, 110, 35},
    {44, base::kCommandBar, L"Button", 355, 2, 110, 35},
    {48, base::kCommandBar, L"Button", 465, 2, 90, 35},
    {50, base::kCommandBar, L"Button", 555, 2, 100, 35},
    {49, base::kCommandBar, L"Button", 660, 2, 40, 35},
};

struct ControlText {
  int number;
  const wchar_t* text;
};

inline constexpr ControlText kTexts[] = {
    {3, L"Sélectionnez l'extension  :"},
    {9, L"Fichiers à renommer"},
    {12, L""},
    {14, L"Modifier seulement une partie du nom"},
    {15, L"Renommer et renuméroter totalement"},
    {16, L"Ajouter des caractères en gardant le nom d'origine"},
    {19, L"Remplacer cette partie :"},
    {20, L""},
    {21, L"Par ces caractères :"},
    {22, L""},
    {23, L"Si vous souhaitez simplement retirer du nom d'origine les caractères saisis, cochez cette case"},
    {25, L"Renommer les fichiers ainsi :"},
    {26, L""},
    {27, L"Incrémenter les fichiers de :"},
    {28, L"1"},
    {29, L"A partir de :"},
    {30, L"1"},
    {31, L"Ajouter un séparateur [ ex: nom_1 ]"},
    {34, L"Ajouter au nom d'origine :"},
    {35, L""},
    {36, L"Ajouter au début"},
    {37, L"Ajouter à la fin"},
    {38, L"Incrémenter les fichiers de :"},
    {39, L"1"},
    {40, L"A partir de :"},
    {41, L"1"},
    {42, L"Ajouter un séparateur [ ex: nom_1 ]"},
    {32, L""},
    {45, L"Renommer"},
    {46, L"Retirer sélection"},
    {47, L"Retirer tout"},
    {44, L"Caractères ?"},
    {48, L"Aide ?"},
    {50, L"Quitter"},
};

}  // namespace e2e
