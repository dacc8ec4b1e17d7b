// The list commands on the real window: the buttons the user presses, and the include filter through
// the window's boxes.
#include "AppTestWindow.h"
#include "app/WideText.h"
#include "app/WindowListControls.h"
#include "keywords/ApplyIncludeFilter.h"

namespace {

TEST_F(AppWindowTest, RemoveDuplicatesRebuildsTheResultList) {
  struct Case {
    Text list, expected;
  } cases[] = {
      {"b\r\na\r\nb\r\n", "b\r\na\r\n"},
      {"Ab\r\nab\r\nab \r\n", "b\r\na\r\nAb\r\nab\r\nab \r\n"},  // the pool remembers the first case
      {"", "b\r\na\r\nAb\r\nab\r\nab \r\n"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.list);
    operations().SetText(编辑框2, row.list);
    Click(按钮6);
    EXPECT_EQ(row.expected, operations().ReadText(编辑框2));
  }
  // Every de-duplication also hands the list's lines to the work list.
  EXPECT_EQ("b\r\na\r\nb\r\nAb\r\nab\r\nab \r\n", operations().ReadText(编辑框1));
}

TEST_F(AppWindowTest, ClearListsEmptiesBothListsButNotThePool) {
  operations().SetText(编辑框2, "一\r\n二\r\n");
  Click(按钮6);
  Click(按钮8);
  EXPECT_EQ("", operations().ReadText(编辑框2));
  EXPECT_EQ("", operations().ReadText(编辑框1));
  operations().SetText(编辑框2, "三");
  Click(按钮6);
  EXPECT_EQ("一\r\n二\r\n三\r\n", operations().ReadText(编辑框2));
}

TEST_F(AppWindowTest, CopyResultsCopiesAndSaysSo) {
  for (const Text& list : {Text("关键词\r\n第二行\r\n"), Text()}) {
    SCOPED_TRACE(list);
    operations().SetText(编辑框2, list);
    InfoBoxWatcher watcher(GetCurrentThreadId(), window.Handle());
    Click(按钮7);
    const InfoBoxWatcher::Seen seen = watcher.Result();
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(Widen("复制完毕!"), seen.text);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    EXPECT_EQ(list, data ? Narrow(static_cast<const wchar_t*>(GlobalLock(data))) : "(none)");
    if (data) GlobalUnlock(data);
    CloseClipboard();
  }
}

TEST_F(AppWindowTest, IncludeFilterReadsTheSeedBox) {
  struct Case {
    Text seed, list, expected;
  } cases[] = {
      {"ab", "xaby\r\nab\r\na b\r\nAB\r\n", "xaby\r\nab\r\n"},
      {"A", "\x81\x41\r\nA\r\n", "A\r\n"},  // an A that is the second byte of a character is no match
      {"", "x\r\n\r\ny\r\n", "x\r\ny\r\n"},
      {"词", "关键词\r\n关键字\r\n", "关键词\r\n"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.seed + "|" + row.list);
    KeywordPool rowPool;
    WindowListControls controls(operations());
    operations().SetText(编辑框4, row.seed);
    operations().SetText(编辑框2, row.list);
    ApplyIncludeFilter(rowPool, controls);
    EXPECT_EQ(row.expected, operations().ReadText(编辑框2));
  }
}

TEST_F(AppWindowTest, ListOperationsLeaveAClosedWindowAlone) {
  operations().SetText(编辑框2, "a\r\n");
  PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
  WindowListControls controls(operations());
  ApplyIncludeFilter(pool, controls);  // the window goes at its first pump
  EXPECT_FALSE(IsWindow(window.Handle()));
  EXPECT_EQ("", controls.ReadText(ListBox::Results));
}

}  // namespace

namespace {

// A disabled button takes no click, also not one the driver posts: the runs rely on it.
TEST_F(AppWindowTest, ADisabledButtonIgnoresClicks) {
  operations().SetText(编辑框2, "a\r\na\r\n");
  operations().SetDisabled(按钮6, true);
  Click(按钮6);
  EXPECT_EQ("a\r\na\r\n", operations().ReadText(编辑框2));
  operations().SetDisabled(按钮6, false);
  Click(按钮6);
  EXPECT_EQ("a\r\n", operations().ReadText(编辑框2));
}

}  // namespace
