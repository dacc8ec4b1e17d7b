// Finds the GUI thread's information box from another thread, notes what it shows, and closes it.
#include "AppTestWindow.h"

namespace {
struct Search {
  HWND box = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM lParam) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (wcscmp(className, L"#32770") == 0 && IsWindowVisible(window)) {
    reinterpret_cast<Search*>(lParam)->box = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CountButtons(HWND child, LPARAM lParam) {
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  if (_wcsicmp(className, L"Button") == 0 && IsWindowVisible(child)) ++*reinterpret_cast<int*>(lParam);
  return TRUE;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM lParam) {
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  if (_wcsicmp(className, L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    *reinterpret_cast<HICON*>(lParam) = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    return FALSE;
  }
  return TRUE;
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}
}  // namespace

InfoBoxWatcher::InfoBoxWatcher(DWORD guiThread, HWND mainWindow) : guiThread(guiThread), mainWindow(mainWindow) {
  thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

InfoBoxWatcher::~InfoBoxWatcher() {
  if (thread) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
}

InfoBoxWatcher::Seen InfoBoxWatcher::Result() {
  WaitForSingleObject(thread, INFINITE);
  return seen;
}

DWORD WINAPI InfoBoxWatcher::Run(void* argument) {
  auto self = static_cast<InfoBoxWatcher*>(argument);
  Search search;
  for (int i = 0; i < 500 && !search.box; ++i) {
    EnumThreadWindows(self->guiThread, FindDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.box) Sleep(10);
  }
  if (!search.box) return 0;
  Seen& seen = self->seen;
  seen.found = true;
  seen.title = WindowText(search.box);
  seen.text = WindowText(GetDlgItem(search.box, 0xFFFF));
  EnumChildWindows(search.box, CountButtons, reinterpret_cast<LPARAM>(&seen.shownButtons));
  EnumChildWindows(search.box, FindIcon, reinterpret_cast<LPARAM>(&seen.icon));
  seen.mainEnabled = self->mainWindow && IsWindowEnabled(self->mainWindow);
  PostMessageW(search.box, WM_COMMAND, IDOK, 0);
  return 0;
}
