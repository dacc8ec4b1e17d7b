// How each kind of control of the table is made.
#include "app/ControlTable.h"

const wchar_t* ControlClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::CheckBox:
    case ControlKind::Button: return L"Button";
    case ControlKind::Edit: return L"Edit";
    case ControlKind::HyperlinkBox:
    case ControlKind::Label: return L"Static";
  }
  return L"Static";
}

DWORD ControlExStyle(ControlKind kind) { return kind == ControlKind::Edit ? WS_EX_CLIENTEDGE : 0; }
