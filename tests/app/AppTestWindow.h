// A real MainWindow for the tests, shown on the test display, and what the tests do with it.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "app/WindowOperations.h"
#include "keywords/KeywordPool.h"
#include "queue/PumpMessages.h"

class AppWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(window.Create(nullptr));
    window.Show();
    PumpMessages();
  }

  void TearDown() override {
    if (IsWindow(window.Handle())) DestroyWindow(window.Handle());
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  HWND Control(ControlId id) const { return GetDlgItem(window.Handle(), id); }
  const WindowOperations& operations() const { return window.Operations(); }

  // A click the way the user makes it: posted, then handled by the pump.
  void Click(ControlId button) {
    PostMessageW(Control(button), BM_CLICK, 0, 0);
    PumpMessages();
  }

  KeywordPool pool;
  MainWindow window{pool};
};

// Runs `close` on the information box the GUI thread shows next (waits up to 5 s on a thread of its own).
class InfoBoxWatcher {
public:
  struct Seen {
    bool found = false;
    std::wstring title, text;
    int shownButtons = 0;
    HICON icon = nullptr;
    bool mainEnabled = true;
  };

  InfoBoxWatcher(DWORD guiThread, HWND mainWindow);
  ~InfoBoxWatcher();
  // Waits for the thread and returns what it saw in the box before closing it.
  Seen Result();

private:
  static DWORD WINAPI Run(void* self);
  DWORD guiThread;
  HWND mainWindow;
  HANDLE thread = nullptr;
  Seen seen;
};
