// The built program driven like a person uses it: typing into the result list, pressing the list
// buttons, closing the message box, reading the clipboard, and Esc ending the process.
#include <gtest/gtest.h>

#include "BuiltProgram.h"
#include "app/ControlTable.h"

namespace {

class ProgramTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Deliver(folder));
    program.emplace(folder.PathOf("KeywordMiner.exe"), folder.Path());
    ASSERT_TRUE(program->Started());
    window = program->WaitForMainWindow();
    ASSERT_NE(nullptr, window);
  }

  void TearDown() override {
    if (program && window && !program->WaitForExit(0)) {
      PostMessageW(window, WM_CLOSE, 0, 0);
      EXPECT_TRUE(program->WaitForExit(10000));
    }
  }

  bool ControlBecomes(int id, const Text& expected) {
    return WaitUntil([&] { return ReadControl(window, id) == expected; }, 5000);
  }

  ProgramFolder folder;
  std::optional<RunningProgram> program;
  HWND window = nullptr;
};

TEST_F(ProgramTest, RemoveDuplicatesKeepsTheFirstOfEachLine) {
  ASSERT_TRUE(SetControl(window, 编辑框2, "手机\r\n电脑\r\n手机\r\n电脑"));
  Press(window, 按钮6);
  EXPECT_TRUE(ControlBecomes(编辑框2, "手机\r\n电脑\r\n")) << ReadControl(window, 编辑框2).value_or("?");
  EXPECT_EQ("手机\r\n电脑\r\n手机\r\n电脑\r\n", ReadControl(window, 编辑框1));
}

TEST_F(ProgramTest, CopyResultsFillsTheClipboardAndSaysSo) {
  ASSERT_TRUE(SetControl(window, 编辑框2, "关键词\r\n第二行\r\n"));
  Press(window, 按钮7);
  HWND box = program->WaitForInfoBox();
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("复制完毕!", BoxText(box));
  EXPECT_FALSE(IsWindowEnabled(window));  // task-modal
  CloseBox(box);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(window) != 0; }, 5000));
  EXPECT_EQ("关键词\r\n第二行\r\n", ReadClipboard());
}

TEST_F(ProgramTest, AClickWhileTheInfoBoxIsOpenDoesNothing) {
  ASSERT_TRUE(SetControl(window, 编辑框2, "a\r\na\r\n"));
  Press(window, 按钮7);
  HWND box = program->WaitForInfoBox();
  ASSERT_NE(nullptr, box);
  Press(window, 按钮6);
  Press(window, 按钮8);
  Sleep(300);  // the box's own loop has dispatched both clicks by now
  EXPECT_EQ("a\r\na\r\n", ReadControl(window, 编辑框2));
  EXPECT_EQ("", ReadControl(window, 编辑框1));
  CloseBox(box);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(window) != 0; }, 5000));
  Sleep(300);
  EXPECT_EQ("a\r\na\r\n", ReadControl(window, 编辑框2));
}

TEST_F(ProgramTest, ClearListsEmptiesBothLists) {
  ASSERT_TRUE(SetControl(window, 编辑框2, "a\r\n"));
  ASSERT_TRUE(SetControl(window, 编辑框1, "b\r\n"));
  Press(window, 按钮8);
  EXPECT_TRUE(ControlBecomes(编辑框2, ""));
  EXPECT_EQ("", ReadControl(window, 编辑框1));
}

TEST_F(ProgramTest, EscapeEndsTheProgram) {
  const DWORD pressed = GetTickCount();
  PressKey(window, VK_ESCAPE);
  ASSERT_TRUE(program->WaitForExit(10000));
  std::printf("Esc to exit: %lu ms\n", GetTickCount() - pressed);
  EXPECT_EQ(0u, program->ExitCode());
}

}  // namespace

namespace {

// The window closed from outside while a command waits in its message box (as at log-off): the box goes
// with it and the process ends.
TEST_F(ProgramTest, ClosingWhileACommandWaitsEndsTheProcess) {
  Press(window, 按钮7);
  HWND box = program->WaitForInfoBox();
  ASSERT_NE(nullptr, box);
  const DWORD closed = GetTickCount();
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(program->WaitForExit(10000));
  std::printf("close during a command to exit: %lu ms\n", GetTickCount() - closed);
}

}  // namespace
