// Each window operation on the real controls, with the edge cases that matter to the commands.
#include <string>

#include "AppTestWindow.h"
#include "app/WideText.h"
#include "queue/PacedWait.h"

namespace {

std::pair<DWORD, DWORD> Selection(HWND box) {
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

TEST_F(AppWindowTest, SetTextAndReadTextKeepGbkAndLineBreaks) {
  const Text texts[] = {"", "a", "关键词\r\n第二行\r\n", "\r\n", "a b\r\n\r\nc"};
  for (const Text& text : texts) {
    SCOPED_TRACE(text);
    operations().SetText(编辑框2, text);
    EXPECT_EQ(text, operations().ReadText(编辑框2));
    EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{0}), Selection(Control(编辑框2)));  // caret at the start
  }
  operations().SetText(标签2, "正在挖掘......");
  wchar_t caption[64] = {};
  GetWindowTextW(Control(标签2), caption, 64);
  EXPECT_EQ(Widen("正在挖掘......"), caption);
}

TEST_F(AppWindowTest, AppendTextAddsExactlyTheTextAtTheEnd) {
  struct Case {
    Text before, added, after;
  } cases[] = {
      {"a", "b", "ab"},
      {"a", "", "a"},
      {"", "", ""},
      {"一\r\n", "二\r\n", "一\r\n二\r\n"},
      {"x", "\r\n", "x\r\n"},
  };
  HWND box = Control(编辑框2);
  for (const Case& row : cases) {
    SCOPED_TRACE(row.before + "|" + row.added);
    operations().SetText(编辑框2, row.before);
    SendMessageW(box, EM_SETSEL, 0, 1);  // a selection at the start must not be replaced
    operations().AppendText(编辑框2, row.added);
    EXPECT_EQ(row.after, operations().ReadText(编辑框2));
    const DWORD end = static_cast<DWORD>(GetWindowTextLengthW(box));
    EXPECT_EQ(std::make_pair(end, end), Selection(box));
  }
}

TEST_F(AppWindowTest, MoveCaretToEndShowsTheEnd) {
  HWND box = Control(编辑框2);
  operations().MoveCaretToEnd(编辑框2);
  EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{0}), Selection(box));

  Text lines;
  for (int i = 0; i < 200; ++i) lines += "第" + std::to_string(i) + "行\r\n";
  operations().SetText(编辑框2, lines);
  EXPECT_EQ(0, SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0));
  operations().MoveCaretToEnd(编辑框2);
  const DWORD end = static_cast<DWORD>(GetWindowTextLengthW(box));
  EXPECT_EQ(std::make_pair(end, end), Selection(box));
  EXPECT_GT(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 150);
}

TEST_F(AppWindowTest, SetDisabledAndIsTicked) {
  for (ControlId button : {按钮2, 按钮9}) {
    operations().SetDisabled(button, true);
    EXPECT_FALSE(IsWindowEnabled(Control(button)));
    operations().SetDisabled(button, false);
    EXPECT_TRUE(IsWindowEnabled(Control(button)));
  }
  EXPECT_FALSE(operations().IsTicked(选择框1));
  Click(选择框1);
  EXPECT_TRUE(operations().IsTicked(选择框1));
  Click(选择框1);
  EXPECT_FALSE(operations().IsTicked(选择框1));
}

Text ClipboardText(UINT format = CF_UNICODETEXT, SIZE_T* blockSize = nullptr) {
  Text text = "(closed)";
  if (!OpenClipboard(nullptr)) return text;
  text = "(none)";
  if (HANDLE data = GetClipboardData(format)) {
    if (blockSize) *blockSize = GlobalSize(data);
    const void* bytes = GlobalLock(data);
    text = format == CF_UNICODETEXT ? Narrow(static_cast<const wchar_t*>(bytes)) : Text(static_cast<const char*>(bytes));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

TEST_F(AppWindowTest, SetClipboardTextPutsExactlyTheText) {
  for (const Text& text : {Text("关键词\r\n第二行\r\n"), Text("abc"), Text()}) {
    SCOPED_TRACE(text);
    operations().SetClipboardText(text);
    SIZE_T size = 0;
    EXPECT_EQ(text, ClipboardText(CF_UNICODETEXT, &size));
    EXPECT_EQ((Widen(text).size() + 1) * sizeof(wchar_t), size);
    EXPECT_EQ(text, ClipboardText(CF_TEXT));  // what a program reading GBK text sees
  }
}

struct Holder {
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  static DWORD WINAPI Hold(void* argument) {
    auto self = static_cast<Holder*>(argument);
    const BOOL open = OpenClipboard(nullptr);
    SetEvent(self->opened);
    WaitForSingleObject(self->release, 10000);
    if (open) CloseClipboard();
    return open;
  }
};

TEST_F(AppWindowTest, SetClipboardTextLeavesAClipboardHeldByOthers) {
  operations().SetClipboardText("旧的");
  Holder holder;
  HANDLE thread = CreateThread(nullptr, 0, Holder::Hold, &holder, 0, nullptr);
  WaitForSingleObject(holder.opened, 10000);
  operations().SetClipboardText("新的");  // returns without a word
  SetEvent(holder.release);
  WaitForSingleObject(thread, 10000);
  DWORD held = 0;
  GetExitCodeThread(thread, &held);
  CloseHandle(thread);
  ASSERT_TRUE(held) << "the other thread could not open the clipboard";
  EXPECT_EQ("旧的", ClipboardText());
}

TEST_F(AppWindowTest, ShowInfoIsATaskModalInformationBox) {
  InfoBoxWatcher watcher(GetCurrentThreadId(), window.Handle());
  const DWORD before = GetTickCount();
  operations().ShowInfo("复制完毕!");
  const InfoBoxWatcher::Seen seen = watcher.Result();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(Widen("信息："), seen.title);
  EXPECT_EQ(Widen("复制完毕!"), seen.text);
  EXPECT_EQ(1, seen.shownButtons);
  EXPECT_EQ(LoadIconA(nullptr, IDI_INFORMATION), seen.icon);  // the shared system icon
  EXPECT_FALSE(seen.mainEnabled);  // task-modal: the window takes no click meanwhile
  EXPECT_TRUE(IsWindowEnabled(window.Handle()));
  EXPECT_LT(GetTickCount() - before, 5000u);
}

// Counts the pumps of a wait: each handled timer message sets the next one due 50 ms later, so each
// 100 ms turn finds exactly one, however late the pump comes.
struct TurnCounter {
  static constexpr UINT_PTR kTimer = 7;
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimer) {
      auto self = reinterpret_cast<TurnCounter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
      ++self->handled;
      SetTimer(window, kTimer, 50, nullptr);  // restarts the period from now
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  TurnCounter() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TurnCounter";
    RegisterClassW(&windowClass);
    window = CreateWindowW(L"TurnCounter", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    PumpMessages();
  }
  ~TurnCounter() {
    KillTimer(window, kTimer);
    DestroyWindow(window);
  }
  // The first one is due at once: it waits for the first pump.
  void Start() {
    SetTimer(window, kTimer, 50, nullptr);
    Sleep(60);
  }

  HWND window = nullptr;
  int handled = 0;
};

TEST_F(AppWindowTest, PacedWaitPumpsOncePerTurn) {
  struct Case {
    int milliseconds, pumps;
  } cases[] = {{50, 0}, {99, 0}, {0, 0}, {-500, 0}, {2000, 20}};
  for (const Case& row : cases) {
    SCOPED_TRACE(row.milliseconds);
    TurnCounter counter;
    counter.Start();
    PacedWait(row.milliseconds);
    EXPECT_EQ(row.pumps, counter.handled);
  }
}

// Counts every message sent to a window of this thread while it is installed.
struct SentCounter {
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    ++count;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  SentCounter() : hook(SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId())) { count = 0; }
  ~SentCounter() { UnhookWindowsHookEx(hook); }
  static inline int count = 0;
  HHOOK hook;
};

DWORD WINAPI CloseLater(void* window) {
  Sleep(300);
  PostMessageW(static_cast<HWND>(window), WM_CLOSE, 0, 0);
  return 0;
}

TEST_F(AppWindowTest, ClosingDuringAWaitEndsItAndLeavesTheControlsAlone) {
  operations().SetText(编辑框2, "a\r\n");
  operations().SetClipboardText("the user's");
  HANDLE closer = CreateThread(nullptr, 0, CloseLater, window.Handle(), 0, nullptr);
  const DWORD before = GetTickCount();
  PacedWait(60000);
  const DWORD waited = GetTickCount() - before;
  WaitForSingleObject(closer, 5000);
  CloseHandle(closer);
  std::printf("PacedWait(60000) returned %lu ms after it began, closed at 300 ms\n", waited);
  EXPECT_LT(waited, 1000u);
  EXPECT_FALSE(IsWindow(window.Handle()));
  EXPECT_TRUE(QuitPending());

  SentCounter sent;
  const DWORD start = GetTickCount();
  EXPECT_EQ("", operations().ReadText(编辑框2));
  operations().SetText(编辑框2, "b");
  operations().AppendText(编辑框2, "c");
  operations().MoveCaretToEnd(编辑框2);
  operations().SetDisabled(按钮2, true);
  EXPECT_FALSE(operations().IsTicked(选择框1));
  operations().SetClipboardText("half a run");
  operations().ShowInfo("复制完毕!");  // no box: returns at once
  PumpMessages();
  PacedWait(5000);
  EXPECT_LT(GetTickCount() - start, 500u);
  EXPECT_EQ(0, SentCounter::count);
  EXPECT_EQ("the user's", ClipboardText());
}

}  // namespace
