// MainWindow: creation from the control table, the dialog keys, and the dispatch of clicks.
#include "app/MainWindow.h"

#include <shellapi.h>

#include "app/CommandContext.h"
#include "app/KeywordCommands.h"
#include "app/MiningRuns.h"
#include "app/WideText.h"

namespace {

constexpr wchar_t kClassName[] = L"KeywordMinerWindow";
constexpr char kTitle[] = "Tovrin关键词PelvaneV1.1";
constexpr int kWidth = 311;
constexpr int kHeight = 523;
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr char kMakerSite[] = "http://www.fernwick.com/";

struct CommandRow {
  ControlId id;
  void (*handler)(const CommandContext&);
};

constexpr CommandRow kCommands[] = {
    {按钮1, FetchOneLayer}, {按钮2, NormalMining}, {按钮5, ExpandWorkList}, {按钮6, RemoveDuplicates},
    {按钮7, CopyResults},   {按钮8, ClearLists},   {按钮9, SuperMining},
};

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(instance, kClassName, &windowClass)) return true;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass) != 0;
}

HFONT MakeFont(bool underline) {
  return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
}

}  // namespace

MainWindow::~MainWindow() {
  if (window && IsWindow(window)) DestroyWindow(window);
  if (font) DeleteObject(font);
  if (linkFont) DeleteObject(linkFont);
}

bool MainWindow::Create(const std::function<void()>& created) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterWindowClass(instance, WindowProc)) return false;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND made = CreateWindowExW(0, kClassName, Widen(kTitle).c_str(), kFrameStyle, left, top, kWidth, kHeight,
                              nullptr, nullptr, instance, this);
  if (!made) return false;
  if (created) created();
  return true;
}

void MainWindow::Show() const {
  if (!operations.IsClosed()) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
  }
}

void MainWindow::CreateControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  font = MakeFont(false);
  linkFont = MakeFont(true);
  for (const ControlRow& row : kControlTable) {
    HWND control = CreateWindowExW(ControlExStyle(row.kind), ControlClass(row.kind), Widen(row.text).c_str(),
                                   row.style, row.x, row.y, row.width, row.height, window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    if (!control) continue;
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(row.kind == ControlKind::HyperlinkBox ? linkFont : font), FALSE);
    // No limit of the box's own: lists of tens of thousands of keywords must fit.
    if (row.kind == ControlKind::Edit) SendMessageW(control, EM_LIMITTEXT, 0, 0);
  }
  lastFocus = GetDlgItem(window, 编辑框4);
}

void MainWindow::RunCommand(int id) {
  if (id == 超级链接框1) {
    ShellExecuteA(nullptr, "open", kMakerSite, nullptr, nullptr, SW_SHOWNORMAL);
    return;
  }
  for (const CommandRow& command : kCommands) {
    if (command.id == id) {
      const CommandContext context{operations, pool};
      command.handler(context);
      return;
    }
  }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window = window;
    self->operations = WindowOperations(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {  // Esc, from whichever control had the focus
        PostMessageW(window, WM_CLOSE, 0, 0);
      } else if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == STN_CLICKED) {
        // A greyed or hidden button takes no click, also not one made with BM_CLICK or the keyboard; nor
        // does any button while an information box holds the window disabled.
        HWND control = reinterpret_cast<HWND>(lParam);
        const LONG style = control ? GetWindowLongW(control, GWL_STYLE) : 0;
        if (control && (style & WS_VISIBLE) && !(style & WS_DISABLED) && IsWindowEnabled(window))
          RunCommand(LOWORD(wParam));
      }
      return 0;
    case WM_NEXTDLGCTL: {
      // Multi-line edit boxes pass Tab on to their parent this way.
      HWND next = GetNextDlgTabItem(window, GetFocus(), wParam != 0);
      if (next) SetFocus(next);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) lastFocus = focus;
      }
      break;
    case WM_SETFOCUS:
      if (lastFocus && IsWindow(lastFocus)) SetFocus(lastFocus);
      return 0;
    case WM_CTLCOLORSTATIC:
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == 超级链接框1) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_SETCURSOR:
      if (GetDlgCtrlID(reinterpret_cast<HWND>(wParam)) == 超级链接框1) {
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_DESTROY:
      operations.MarkClosed();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
