// The end-to-end driver: process, windows, controls, keys, boxes and clipboard of the program under test.
#include "Driver.h"

#include <vector>

#include "app/WideText.h"

namespace {
constexpr UINT kAnswerLimit = 5000;  // milliseconds the program gets to answer one message
}

ProgramFolder::ProgramFolder() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  for (unsigned n = GetTickCount();; ++n) {
    path = std::string(temp) + "KeywordMinerTest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(n);
    if (CreateDirectoryA(path.c_str(), nullptr)) break;
  }
}

ProgramFolder::~ProgramFolder() {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(PathOf("*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(PathOf(found.cFileName).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(PathOf(found.cFileName).c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

bool ProgramFolder::Copy(const std::string& source, const std::string& name) const {
  return CopyFileA(source.c_str(), PathOf(name).c_str(), FALSE) != 0;
}

bool ProgramFolder::Write(const std::string& name, const std::string& bytes) const {
  HANDLE file = CreateFileA(PathOf(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::optional<std::string> ProgramFolder::Read(const std::string& name) const {
  HANDLE file = CreateFileA(PathOf(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

RunningProgram::RunningProgram(const std::string& program, const std::string& workingDirectory) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string commandLine = "\"" + program + "\"";
  if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     workingDirectory.c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    process = info.hProcess;
    id = info.dwProcessId;
  }
}

RunningProgram::~RunningProgram() {
  if (!process) return;
  if (!WaitForExit(0)) {
    TerminateProcess(process, 99);
    WaitForSingleObject(process, 5000);
  }
  CloseHandle(process);
}

bool RunningProgram::WaitForExit(DWORD milliseconds) const {
  return process && WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process) GetExitCodeProcess(process, &code);
  return code;
}

namespace {
struct WindowSearch {
  DWORD process;
  const wchar_t* className;
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process) return TRUE;
  wchar_t className[64] = {}, title[256] = {};
  GetClassNameW(window, className, 64);
  InternalGetWindowText(window, title, 256);  // asks the window manager, never the busy program
  if (wcscmp(className, search->className) == 0 && search->title == title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND RunningProgram::WaitForWindow(const wchar_t* className, const Text& title, DWORD milliseconds) const {
  WindowSearch search{id, className, Widen(title)};
  WaitUntil(
      [&] {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr || WaitForExit(0);
      },
      milliseconds);
  return search.found;
}

HWND RunningProgram::WaitForMainWindow(DWORD milliseconds) const {
  HWND window = nullptr;
  WaitUntil(
      [&] {
        window = WaitForWindow(L"KeywordMinerWindow", kMainTitle, 0);
        return (window && IsWindowVisible(window)) || WaitForExit(0);
      },
      milliseconds);
  return window && IsWindowVisible(window) ? window : nullptr;
}

HWND RunningProgram::WaitForInfoBox(DWORD milliseconds) const {
  return WaitForWindow(L"#32770", "信息：", milliseconds);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= milliseconds) return false;
    Sleep(20);
  }
}

std::optional<Text> ReadWindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!window || !SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerLimit, &length))
    return std::nullopt;
  std::vector<wchar_t> text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kAnswerLimit, &copied))
    return std::nullopt;
  return Narrow(std::wstring(text.data(), copied));
}

std::optional<Text> ReadControl(HWND mainWindow, int id) { return ReadWindowText(GetDlgItem(mainWindow, id)); }

bool SetControl(HWND mainWindow, int id, const Text& text) {
  HWND control = GetDlgItem(mainWindow, id);
  const std::wstring wide = Widen(text);
  DWORD_PTR result = 0;
  return control && SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                                        SMTO_ABORTIFHUNG, kAnswerLimit, &result) &&
         result;
}

void Press(HWND mainWindow, int id) { PostMessageW(GetDlgItem(mainWindow, id), BM_CLICK, 0, 0); }

void PressKey(HWND mainWindow, WPARAM key) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(mainWindow, nullptr);
  HWND target = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? info.hwndFocus : mainWindow;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

std::optional<Text> BoxText(HWND box) { return ReadWindowText(GetDlgItem(box, 0xFFFF)); }

void CloseBox(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

std::optional<Text> ReadClipboard() {
  bool open = false;
  WaitUntil([&] { return open = OpenClipboard(nullptr) != 0; }, 2000);
  if (!open) return std::nullopt;
  std::optional<Text> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Only as far as the block goes: a terminator is not taken for granted.
      const std::size_t units = GlobalSize(data) / sizeof(wchar_t);
      text = Narrow(std::wstring(wide, wcsnlen(wide, units)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}
