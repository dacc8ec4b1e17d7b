// Both the main loop and every nested pump go through DispatchOne, so Tab and Esc behave the same
// whether or not a command is waiting.
#include "queue/PumpMessages.h"

#include <windows.h>

void DispatchOne(MSG& message) {
  HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (top && IsDialogMessageW(top, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool QuitPending() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (message.message == WM_QUIT) return;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return;
    if (message.message == WM_QUIT) {  // arrived between the two peeks: leave it for the main loop
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchOne(message);
  }
}
