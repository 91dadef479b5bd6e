// Colours of controls: the parent answers a control's colour request with the control's own text colour and a
// brush of its background, or of the background of the container it sits in.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "support/TestWindow.h"
#include "ui/ChildList.h"
#include "ui/Containers.h"
#include "ui/ControlColors.h"
#include "ui/Controls.h"

namespace {

using wintest::TestWindow;

constexpr COLORREF kUnset = static_cast<COLORREF>(-1);
constexpr COLORREF kSentinelText = RGB(1, 2, 3);

struct Answer {
  bool brushGiven = false;
  COLORREF brush = 0;
  COLORREF text = 0;
  COLORREF background = 0;
};

// Sends the control's colour request to its parent as the control itself does before it paints.
Answer AskColours(HWND control, UINT message = WM_CTLCOLORSTATIC) {
  Answer answer;
  HDC dc = GetDC(control);
  SetTextColor(dc, kSentinelText);
  LRESULT result = SendMessageW(GetParent(control), message, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(control));
  answer.text = GetTextColor(dc);
  answer.background = GetBkColor(dc);
  ReleaseDC(control, dc);
  LOGBRUSH brush{};
  if (result && GetObjectW(reinterpret_cast<HGDIOBJ>(result), sizeof(brush), &brush) == sizeof(brush)) {
    answer.brushGiven = true;
    answer.brush = brush.lbColor;
  }
  return answer;
}

void ClearColours(int number) {
  ui::SetControlColor(number, ui::kFrontColor, kUnset);
  ui::SetControlColor(number, ui::kBackColor, kUnset);
}

TEST(UiControlColours, AControlsOwnColoursAnswerItsColourRequest) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  struct Case {
    const char* name;
    bool inContainer;
    COLORREF front;
    COLORREF back;
    COLORREF expectedBrush;
    COLORREF expectedText;
  };
  const Case cases[] = {
      {"text and background", false, RGB(254, 248, 220), RGB(68, 94, 138), RGB(68, 94, 138), RGB(254, 248, 220)},
      {"text and background, in a container", true, RGB(40, 56, 86), RGB(255, 255, 255), RGB(255, 255, 255),
       RGB(40, 56, 86)},
      {"text only: the face colour behind it", false, RGB(238, 25, 30), kUnset, face, RGB(238, 25, 30)},
      {"background only: the text colour is left alone", true, kUnset, RGB(0, 128, 0), RGB(0, 128, 0),
       kSentinelText},
  };
  for (const Case& c : cases) {
    TestWindow window;
    std::optional<ui::ChildList> inContainer;
    if (c.inContainer) {
      HWND container = ui::CreateContainer(780, 0, 0, 300, 200, ui::ContainerBorder::None);
      ASSERT_NE(container, nullptr);
      inContainer.emplace(container);
    }
    HWND label = ui::CreateTextControl(781, 5, 5, 100, 20, L"Extension");
    ASSERT_NE(label, nullptr) << c.name;
    ui::SetControlColor(781, ui::kFrontColor, c.front);
    ui::SetControlColor(781, ui::kBackColor, c.back);
    Answer answer = AskColours(label);
    EXPECT_TRUE(answer.brushGiven) << c.name << ": the parent answers with a brush";
    EXPECT_EQ(answer.brush, c.expectedBrush) << c.name << ": brush colour";
    EXPECT_EQ(answer.background, c.expectedBrush) << c.name << ": text background colour";
    EXPECT_EQ(answer.text, c.expectedText) << c.name << ": text colour";
    ClearColours(781);
  }
}

TEST(UiControlColours, AControlWithoutItsOwnBackgroundTakesItsContainers) {
  TestWindow window;
  HWND panel = ui::CreateContainer(782, 0, 0, 300, 200, ui::ContainerBorder::Flat);
  ASSERT_NE(panel, nullptr);
  ui::ChildList inPanel(panel);
  ui::SetControlColor(782, ui::kBackColor, RGB(255, 255, 255));
  HWND notice = ui::CreateTextControl(783, 5, 5, 200, 60, L"Tarvelle Rename V 1.40", ui::kTextCentered);
  ASSERT_NE(notice, nullptr);
  ui::SetControlColor(783, ui::kFrontColor, RGB(40, 56, 86));
  Answer answer = AskColours(notice);
  EXPECT_EQ(answer.brush, RGB(255, 255, 255)) << "the white of the container";
  EXPECT_EQ(answer.text, RGB(40, 56, 86)) << "the control's own text colour";
  ClearColours(782);
  ClearColours(783);
}

TEST(UiControlColours, ClearedColoursLeaveTheRequestToTheDefault) {
  TestWindow window;
  HWND label = ui::CreateTextControl(784, 5, 5, 100, 20, L"Texte");
  ASSERT_NE(label, nullptr);
  ui::SetControlColor(784, ui::kBackColor, RGB(68, 94, 138));
  ui::SetControlColor(784, ui::kFrontColor, RGB(254, 248, 220));
  EXPECT_EQ(ui::GetControlColor(784, ui::kBackColor), static_cast<int>(RGB(68, 94, 138)));
  ClearColours(784);
  EXPECT_EQ(ui::GetControlColor(784, ui::kBackColor), -1) << "-1 clears the background";
  EXPECT_EQ(ui::GetControlColor(784, ui::kFrontColor), -1) << "-1 clears the text colour";
  Answer answer = AskColours(label);
  EXPECT_NE(answer.text, RGB(254, 248, 220)) << "no longer the cleared text colour";
  EXPECT_NE(answer.brush, RGB(68, 94, 138)) << "no longer the cleared background";
}

// The real paint: a static control fills its background with the brush its parent gives.
TEST(UiControlColours, AColouredLabelPaintsItsBackground) {
  TestWindow window;
  HWND container = ui::CreateContainer(786, 0, 0, 300, 200, ui::ContainerBorder::None);
  ASSERT_NE(container, nullptr);
  ui::ChildList inContainer(container);
  HWND label = ui::CreateTextControl(787, 5, 5, 100, 20, L"", 0);
  ASSERT_NE(label, nullptr);
  ui::SetControlColor(787, ui::kBackColor, RGB(68, 94, 138));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 20);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  COLORREF corner = GetPixel(dc, 2, 2);
  COLORREF middle = GetPixel(dc, 50, 10);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EXPECT_EQ(corner, RGB(68, 94, 138)) << "corner of the label";
  EXPECT_EQ(middle, RGB(68, 94, 138)) << "middle of the empty label";
  ClearColours(787);
}

}  // namespace
