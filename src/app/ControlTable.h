// The window's controls as data: one row per control in the order of the window's control list, created
// in a loop. Each control's id is also the id of the command its click sends.
#pragma once
#include <windows.h>

// Ids start above IDOK and IDCANCEL, which the dialog keys send to the window.
enum ControlId : int {
  选择框1 = 1001,
  超级链接框1,
  标签3,
  按钮9,
  按钮8,
  按钮7,
  按钮6,
  标签2,
  按钮1,
  标签1,
  按钮5,
  编辑框4,
  按钮4,
  按钮3,
  按钮2,
  编辑框2,
  编辑框1,
  编辑框5,
  编辑框3,
};

enum class ControlKind { CheckBox, HyperlinkBox, Label, Button, Edit };

struct ControlRow {
  ControlId id;
  ControlKind kind;
  int x, y, width, height;  // client coordinates of the window
  const char* text;         // GBK
  DWORD style;
};

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kHidden = WS_CHILD;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kOneLineLabel = SS_LEFT | SS_CENTERIMAGE;
constexpr DWORD kWrappedLabel = SS_LEFT;
constexpr DWORD kLink = SS_LEFT | SS_CENTERIMAGE | SS_NOTIFY;
// Edit boxes hide their selection without the focus (no ES_NOHIDESEL).
constexpr DWORD kOneLineEdit = ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kListEdit = ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP;

// Controls beyond the right edge are visible on purpose: Tab still reaches them.
constexpr ControlRow kControlTable[] = {
    {选择框1, ControlKind::CheckBox, 216, 64, 72, 13, "包含过滤", kShown | kCheckBox},
    {超级链接框1, ControlKind::HyperlinkBox, 206, 451, 96, 24, "Fernwick2013版", kShown | kLink},
    {标签3, ControlKind::Label, 216, 296, 72, 80,
     "超级挖掘可以无限层挖掘,挖掘完成以后可以再次点击以挖到更多关键词。", kShown | kWrappedLabel},
    {按钮9, ControlKind::Button, 216, 34, 72, 24, "超级挖掘", kShown | kButton},
    {按钮8, ControlKind::Button, 216, 265, 72, 24, "清空关键词", kShown | kButton},
    {按钮7, ControlKind::Button, 216, 239, 72, 24, "复制关键词", kShown | kButton},
    {按钮6, ControlKind::Button, 216, 213, 72, 24, "去重复", kShown | kButton},
    {标签2, ControlKind::Label, 8, 472, 288, 24, "", kShown | kOneLineLabel},
    {按钮1, ControlKind::Button, 600, 304, 104, 56, "获取一层", kHidden | kButton},
    {标签1, ControlKind::Label, 7, 8, 56, 16, "启始词语：", kShown | kOneLineLabel},
    {按钮5, ControlKind::Button, 600, 360, 88, 72, "", kShown | kButton},
    {编辑框4, ControlKind::Edit, 69, 7, 136, 20, "", kShown | kOneLineEdit},
    {按钮4, ControlKind::Button, 856, 216, 104, 48, "", kHidden | kButton},
    {按钮3, ControlKind::Button, 856, 168, 112, 48, "", kHidden | kButton},
    {按钮2, ControlKind::Button, 216, 6, 72, 24, "普通挖掘", kShown | kButton},
    {编辑框2, ControlKind::Edit, 4, 32, 200, 440, "", kShown | kListEdit},
    {编辑框1, ControlKind::Edit, 667, 4, 200, 488, "", kHidden | kListEdit},
    {编辑框5, ControlKind::Edit, 768, 0, 200, 488, "", kShown | kListEdit},
    {编辑框3, ControlKind::Edit, 617, 2, 200, 488, "", kShown | kListEdit},
};

// The window class of each kind, and the extended style its controls get.
const wchar_t* ControlClass(ControlKind kind);
DWORD ControlExStyle(ControlKind kind);
