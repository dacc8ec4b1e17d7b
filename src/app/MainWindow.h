// The program's only window: a fixed-size frame holding the controls of the control table, sending each
// click to its command handler.
#pragma once
#include <windows.h>

#include <functional>

#include "app/WindowOperations.h"

class KeywordPool;

class MainWindow {
public:
  explicit MainWindow(KeywordPool& pool) : pool(pool) {}
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, centred and hidden, with every control; then runs `created` (the skin), still
  // before anyone sees the window. False when the window could not be made.
  bool Create(const std::function<void()>& created);
  void Show() const;

  // Lives as long as this object, so that commands still running after the window closed stay safe.
  const WindowOperations& Operations() const { return operations; }
  HWND Handle() const { return window; }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void RunCommand(int id);

  KeywordPool& pool;
  WindowOperations operations{nullptr};
  HWND window = nullptr;
  HWND lastFocus = nullptr;
  HFONT font = nullptr;
  HFONT linkFont = nullptr;
};
