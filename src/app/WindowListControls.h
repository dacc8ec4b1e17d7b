// The list operations' view of the window: the seed box, the result list and the work list of the real
// window, through its window operations.
#pragma once
#include "app/WindowOperations.h"
#include "keywords/ListControls.h"

class WindowListControls : public ListControls {
public:
  explicit WindowListControls(const WindowOperations& window) : window(window) {}

  Text ReadText(ListBox box) override;
  void SetText(ListBox box, const Text& text) override;
  void AppendText(ListBox box, const Text& text) override;
  void PumpMessages() override;

private:
  const WindowOperations& window;
};
