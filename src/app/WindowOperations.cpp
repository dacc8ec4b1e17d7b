// Window operations on the real controls, through the wide calls with GBK converted at the boundary.
#include "app/WindowOperations.h"

#include <cstring>

#include "app/WideText.h"

bool WindowOperations::IsClosed() const { return closed || !IsWindow(window); }

HWND WindowOperations::Control(ControlId id) const { return IsClosed() ? nullptr : GetDlgItem(window, id); }

Text WindowOperations::ReadText(ControlId box) const {
  HWND control = Control(box);
  if (!control) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void WindowOperations::SetText(ControlId control, const Text& text) const {
  HWND handle = Control(control);
  if (!handle) return;
  SetWindowTextW(handle, Widen(text).c_str());
  // The status line must show its new text even while a command blocks without pumping.
  if (GetWindowLongW(handle, GWL_STYLE) & WS_VISIBLE) UpdateWindow(handle);
}

void WindowOperations::AppendText(ControlId box, const Text& text) const {
  HWND control = Control(box);
  if (!control) return;
  const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(control));
  SendMessageW(control, EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageW(control, EM_SCROLLCARET, 0, 0);
  SendMessageW(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void WindowOperations::MoveCaretToEnd(ControlId box) const {
  HWND control = Control(box);
  if (!control) return;
  const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(control));
  SendMessageW(control, EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageW(control, EM_SCROLLCARET, 0, 0);
}

void WindowOperations::SetDisabled(ControlId button, bool disabled) const {
  HWND control = Control(button);
  if (!control) return;
  // A greyed button drops the focus, and with the focus nowhere Tab and Esc would reach no control: the
  // click that starts a run gives its button the focus, and the run disables it. Hand the focus on.
  if (disabled && GetFocus() == control) {
    HWND next = GetNextDlgTabItem(window, control, FALSE);
    if (next && next != control) SetFocus(next);
  }
  EnableWindow(control, !disabled);
}

bool WindowOperations::IsTicked(ControlId checkBox) const {
  HWND control = Control(checkBox);
  return control && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WindowOperations::SetClipboardText(const Text& text) const {
  // After the window has gone a half-finished list must not replace what the user copied meanwhile.
  if (IsClosed()) return;
  const std::wstring wide = Widen(text);
  // Exactly the text and its terminator: Wine hands the whole block to other programs.
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) return;
  void* data = GlobalLock(block);
  std::memcpy(data, wide.c_str(), bytes);
  GlobalUnlock(block);
  if (!OpenClipboard(window)) {
    GlobalFree(block);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
  CloseClipboard();
}

void WindowOperations::ShowInfo(const Text& text) const {
  if (IsClosed()) return;
  MessageBoxW(nullptr, Widen(text).c_str(), Widen("信息：").c_str(), MB_ICONINFORMATION | MB_TASKMODAL);
}
