// Drives the real program from another process the way a person does: finds its windows, reads and sets
// controls, presses buttons and keys, closes its information boxes and reads the clipboard. Every wait is
// bounded, and nothing here blocks on the program: controls are read with SendMessageTimeout and
// buttons pressed with posted messages, so a long handler never stalls the driver.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "text/Text.h"

// A fresh folder under the temporary directory, removed with everything in it.
class ProgramFolder {
public:
  ProgramFolder();
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& Path() const { return path; }
  std::string PathOf(const std::string& name) const { return path + "\\" + name; }
  bool Copy(const std::string& source, const std::string& name) const;
  bool Write(const std::string& name, const std::string& bytes) const;
  std::optional<std::string> Read(const std::string& name) const;

private:
  std::string path;
};

// The program started in its folder, ended at the latest when this object goes.
class RunningProgram {
public:
  RunningProgram(const std::string& program, const std::string& workingDirectory);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return process != nullptr; }
  DWORD Id() const { return id; }
  bool WaitForExit(DWORD milliseconds) const;
  DWORD ExitCode() const;

  // The program's top-level window with this class and title (GBK), visible or not, once it exists.
  HWND WaitForWindow(const wchar_t* className, const Text& title, DWORD milliseconds) const;
  // The main window, once it is shown.
  HWND WaitForMainWindow(DWORD milliseconds = 10000) const;
  // The message box titled "信息：".
  HWND WaitForInfoBox(DWORD milliseconds = 10000) const;

private:
  HANDLE process = nullptr;
  DWORD id = 0;
};

constexpr char kMainTitle[] = "Tovrin关键词PelvaneV1.1";

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds);

// Text of a window (a control, a box) read across processes; nullopt when the program did not answer.
std::optional<Text> ReadWindowText(HWND window);
std::optional<Text> ReadControl(HWND mainWindow, int id);
bool SetControl(HWND mainWindow, int id, const Text& text);
// A posted click: the driver goes on while the handler runs.
void Press(HWND mainWindow, int id);
// A key pressed in whichever control of the program has the focus.
void PressKey(HWND mainWindow, WPARAM key);

// The text of a message box and its OK button.
std::optional<Text> BoxText(HWND box);
void CloseBox(HWND box);

// The clipboard's Unicode text as GBK; nullopt when it holds none or cannot be opened.
std::optional<Text> ReadClipboard();
