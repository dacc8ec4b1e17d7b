// The pump on a real thread queue: it empties the queue, never waits, and leaves the quit message.
#include "queue/PacedWait.h"
#include "queue/PumpMessages.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

int posted = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++posted;
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeCountingWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = CountingProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"PumpCounter";
  RegisterClassW(&windowClass);
  return CreateWindowW(L"PumpCounter", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                       windowClass.hInstance, nullptr);
}

TEST(PumpMessages, DispatchesWhatWaitsAndStopsAtQuit) {
  HWND window = MakeCountingWindow();
  ASSERT_NE(nullptr, window);
  posted = 0;
  PumpMessages();  // the messages of creating the window
  EXPECT_FALSE(QuitPending());
  for (int i = 0; i < 3; ++i) PostMessageW(window, WM_APP, 0, 0);
  PumpMessages();
  EXPECT_EQ(3, posted);

  PostQuitMessage(7);
  PostMessageW(window, WM_APP, 0, 0);
  EXPECT_TRUE(QuitPending());
  PumpMessages();
  EXPECT_TRUE(QuitPending());
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, message.wParam);
  PumpMessages();
  DestroyWindow(window);
}

TEST(PacedWait, ReturnsAtOnceWhenTheWindowHasGone) {
  PostQuitMessage(0);
  const DWORD before = GetTickCount();
  PacedWait(60000);
  EXPECT_LT(GetTickCount() - before, 1000u);
  MSG message;
  PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
