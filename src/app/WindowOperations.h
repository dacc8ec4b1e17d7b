// The only way commands reach the window: reading and changing controls, the clipboard and the
// information box. Once the window has gone every operation does nothing (reads give the empty text),
// so a command still waiting when the user closed the window winds down without touching a control.
#pragma once
#include <windows.h>

#include "app/ControlTable.h"
#include "text/Text.h"

class WindowOperations {
public:
  explicit WindowOperations(HWND window) : window(window) {}

  // Called when the window is being destroyed; from then on nothing is touched.
  void MarkClosed() { closed = true; }
  bool IsClosed() const;

  // The box's whole text, line breaks as CR LF.
  Text ReadText(ControlId box) const;
  // Edit box: the whole text, caret at the start. Label: the caption, redrawn at once.
  void SetText(ControlId control, const Text& text) const;
  // Inserts the text at the end of the box, nothing before or after it; the caret ends after it.
  void AppendText(ControlId box, const Text& text) const;
  // Caret to the end with nothing selected, scrolled into view.
  void MoveCaretToEnd(ControlId box) const;
  // True greys the button; when it has the focus, the focus moves on to the next control first.
  void SetDisabled(ControlId button, bool disabled) const;
  bool IsTicked(ControlId checkBox) const;
  // The text as the clipboard's only text; nothing happens when the clipboard cannot be opened.
  void SetClipboardText(const Text& text) const;
  // A task-modal information box titled "信息："; returns when the user has closed it.
  void ShowInfo(const Text& text) const;

private:
  HWND Control(ControlId id) const;

  HWND window;
  bool closed = false;
};
