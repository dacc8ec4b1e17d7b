// Maps the list operations' three boxes onto the window's edit boxes.
#include "app/WindowListControls.h"

#include "queue/PumpMessages.h"

namespace {
ControlId BoxControl(ListBox box) {
  switch (box) {
    case ListBox::Seed: return 编辑框4;
    case ListBox::Results: return 编辑框2;
    case ListBox::Work: return 编辑框1;
  }
  return 编辑框2;
}
}  // namespace

Text WindowListControls::ReadText(ListBox box) { return window.ReadText(BoxControl(box)); }

void WindowListControls::SetText(ListBox box, const Text& text) { window.SetText(BoxControl(box), text); }

void WindowListControls::AppendText(ListBox box, const Text& text) { window.AppendText(BoxControl(box), text); }

void WindowListControls::PumpMessages() { ::PumpMessages(); }
