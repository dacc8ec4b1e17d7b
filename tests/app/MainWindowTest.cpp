// The real window against its table: frame, every control's class, place, size, styles, text and
// visibility, and the keyboard (Tab visits what it should, Esc closes from anywhere).
#include <set>
#include <string>
#include <vector>

#include "AppTestWindow.h"
#include "app/WideText.h"

namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return name;
}

Text TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

TEST_F(AppWindowTest, FrameIsFixedCentredAndTitled) {
  HWND frame = window.Handle();
  EXPECT_EQ("Tovrin关键词PelvaneV1.1", TextOf(frame));
  RECT rect;
  GetWindowRect(frame, &rect);
  EXPECT_EQ(311, rect.right - rect.left);
  EXPECT_EQ(523, rect.bottom - rect.top);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 311) / 2, rect.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 523) / 2, rect.top);
  const LONG style = GetWindowLongW(frame, GWL_STYLE);
  EXPECT_EQ(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
            style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
}

struct Row {
  ControlId id;
  const wchar_t* className;
  int x, y, width, height;
  const char* text;
  bool visible;
  DWORD styleMask, style;  // the bits that matter for this kind, and their values
};

constexpr DWORD kButtonBits = BS_TYPEMASK | WS_TABSTOP;
constexpr DWORD kStaticBits = SS_TYPEMASK | SS_CENTERIMAGE | SS_NOTIFY | WS_TABSTOP;
constexpr DWORD kEditBits = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL |
                            ES_CENTER | ES_RIGHT | ES_READONLY | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
constexpr DWORD kList = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP;

const Row kExpected[] = {
    {选择框1, L"Button", 216, 64, 72, 13, "包含过滤", true, kButtonBits, BS_AUTOCHECKBOX | WS_TABSTOP},
    {超级链接框1, L"Static", 206, 451, 96, 24, "Fernwick2013版", true, kStaticBits,
     SS_LEFT | SS_CENTERIMAGE | SS_NOTIFY},
    {标签3, L"Static", 216, 296, 72, 80, "超级挖掘可以无限层挖掘,挖掘完成以后可以再次点击以挖到更多关键词。", true,
     kStaticBits, SS_LEFT},
    {按钮9, L"Button", 216, 34, 72, 24, "超级挖掘", true, kButtonBits, BS_PUSHBUTTON | WS_TABSTOP},
    {按钮8, L"Button", 216, 265, 72, 24, "清空关键词", true, kButtonBits, BS_PUSHBUTTON | WS_TABSTOP},
    {按钮7, L"Button", 216, 239, 72, 24, "复制关键词", true, kButtonBits, BS_PUSHBUTTON | WS_TABSTOP},
    {按钮6, L"Button", 216, 213, 72, 24, "去重复", true, kButtonBits, BS_PUSHBUTTON | WS_TABSTOP},
    {标签2, L"Static", 8, 472, 288, 24, "", true, kStaticBits, SS_LEFT | SS_CENTERIMAGE},
    {按钮1, L"Button", 600, 304, 104, 56, "获取一层", false, kButtonBits, BS_PUSHBUTTON | WS_TABSTOP},
    {标签1, L"Static", 7, 8, 56, 16, "启始词语：", true, kStaticBits, SS_LEFT | SS_CENTERIMAGE},
    {按钮5, L"Button", 600, 360, 88, 72, "", true, kButtonBits, BS_PUSHBUTTON | WS_TABSTOP},
    {编辑框4, L"Edit", 69, 7, 136, 20, "", true, kEditBits, ES_AUTOHSCROLL | WS_TABSTOP},
    {按钮4, L"Button", 856, 216, 104, 48, "", false, kButtonBits, BS_PUSHBUTTON | WS_TABSTOP},
    {按钮3, L"Button", 856, 168, 112, 48, "", false, kButtonBits, BS_PUSHBUTTON | WS_TABSTOP},
    {按钮2, L"Button", 216, 6, 72, 24, "普通挖掘", true, kButtonBits, BS_PUSHBUTTON | WS_TABSTOP},
    {编辑框2, L"Edit", 4, 32, 200, 440, "", true, kEditBits, kList},
    {编辑框1, L"Edit", 667, 4, 200, 488, "", false, kEditBits, kList},
    {编辑框5, L"Edit", 768, 0, 200, 488, "", true, kEditBits, kList},
    {编辑框3, L"Edit", 617, 2, 200, 488, "", true, kEditBits, kList},
};

TEST_F(AppWindowTest, ControlsFollowTheTableInItsOrder) {
  HWND child = GetWindow(window.Handle(), GW_CHILD);
  for (const Row& row : kExpected) {
    SCOPED_TRACE(row.id);
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(row.id, GetDlgCtrlID(child));  // creation order is the control list's order
    child = GetWindow(child, GW_HWNDNEXT);

    HWND control = Control(row.id);
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(std::wstring(row.className), ClassOf(control));
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(row.x, rect.left);
    EXPECT_EQ(row.y, rect.top);
    EXPECT_EQ(row.width, rect.right - rect.left);
    EXPECT_EQ(row.height, rect.bottom - rect.top);
    EXPECT_EQ(row.text, TextOf(control));
    EXPECT_EQ(row.visible, IsWindowVisible(control) != 0);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    EXPECT_EQ(row.style, style & row.styleMask);
    EXPECT_TRUE(IsWindowEnabled(control));
  }
  EXPECT_EQ(nullptr, child);
}

TEST_F(AppWindowTest, EditBoxesHaveNoLimitOfTheirOwn) {
  // Together more than the 30000 characters an edit box takes by default, added the way the runs add
  // text (a limit would cut what AppendText inserts).
  Text lines;
  for (int i = 0; i < 2000; ++i) lines += "keyword\r\n";
  const Text line(20000, 'k');
  for (ControlId box : {编辑框4, 编辑框2, 编辑框1, 编辑框3, 编辑框5}) {
    SCOPED_TRACE(box);
    const Text& block = box == 编辑框4 ? line : lines;
    operations().SetText(box, block);
    operations().AppendText(box, block);
    EXPECT_EQ(block + block, operations().ReadText(box));
  }
}

TEST_F(AppWindowTest, StartsEmptyUntickedAndEnabled) {
  for (ControlId box : {编辑框4, 编辑框2, 编辑框1, 标签2}) EXPECT_EQ("", operations().ReadText(box));
  EXPECT_FALSE(operations().IsTicked(选择框1));
}

void PressKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  PumpMessages();
}

TEST_F(AppWindowTest, TabVisitsTheFocusableControlsOnly) {
  SetFocus(Control(编辑框4));
  ASSERT_EQ(Control(编辑框4), GetFocus());
  std::set<int> visited;
  for (int step = 0; step < 30; ++step) {
    PressKey(GetFocus(), VK_TAB);
    visited.insert(GetDlgCtrlID(GetFocus()));
  }
  const std::set<int> focusable = {选择框1, 按钮9, 按钮8, 按钮7, 按钮6, 按钮5, 编辑框4, 按钮2, 编辑框2, 编辑框5, 编辑框3};
  EXPECT_EQ(focusable, visited);
}

TEST_F(AppWindowTest, EnterMovesNoFocus) {
  // In a list Enter is a line break; the seed box stays one line.
  struct Case {
    ControlId control;
    const char* textAfter;  // for the edit boxes
  } cases[] = {{编辑框4, ""}, {按钮6, nullptr}, {选择框1, nullptr}, {编辑框2, "\r\n"}, {编辑框5, "\r\n"}};
  for (const Case& row : cases) {
    SCOPED_TRACE(row.control);
    SetFocus(Control(row.control));
    PressKey(Control(row.control), VK_RETURN);
    EXPECT_EQ(Control(row.control), GetFocus());
    EXPECT_TRUE(IsWindow(window.Handle()));
    if (row.textAfter) {
      EXPECT_EQ(row.textAfter, operations().ReadText(row.control));
    }
  }
}

// A run disables its own button right after the click gave it the focus; Tab and Esc must still work.
TEST_F(AppWindowTest, DisablingTheFocusedButtonKeepsTheKeyboardInTheWindow) {
  for (ControlId clicked : {按钮2, 按钮9}) {
    SCOPED_TRACE(clicked);
    SetFocus(Control(clicked));
    ASSERT_EQ(Control(clicked), GetFocus());
    operations().SetDisabled(按钮9, true);
    operations().SetDisabled(按钮2, true);
    HWND focus = GetFocus();
    ASSERT_NE(nullptr, focus);
    EXPECT_TRUE(IsChild(window.Handle(), focus));
    EXPECT_TRUE(IsWindowEnabled(focus) && IsWindowVisible(focus));
    operations().SetDisabled(按钮2, false);
    operations().SetDisabled(按钮9, false);
  }
  PressKey(GetFocus(), VK_ESCAPE);
  PumpMessages();
  EXPECT_FALSE(IsWindow(window.Handle()));
}

class EscapeTest : public AppWindowTest, public ::testing::WithParamInterface<ControlId> {};

TEST_P(EscapeTest, ClosesTheWindowWhereverTheFocusIs) {
  SetFocus(Control(GetParam()));
  ASSERT_EQ(Control(GetParam()), GetFocus());
  PressKey(GetFocus(), VK_ESCAPE);
  PumpMessages();
  EXPECT_FALSE(IsWindow(window.Handle()));
  EXPECT_TRUE(QuitPending());
}

INSTANTIATE_TEST_SUITE_P(Controls, EscapeTest, ::testing::Values(编辑框4, 编辑框2, 编辑框5, 按钮6, 按钮5, 选择框1));

}  // namespace
