// The program's entry: working directory, keyword pool, window with its skin, message loop; then the
// pool is released and the skin library unloaded, in that order, after the window has gone.
#include <windows.h>

#include "app/InstallSkin.h"
#include "app/MainWindow.h"
#include "app/ProgramDirectory.h"
#include "app/SkinLibrary.h"
#include "keywords/KeywordPool.h"
#include "queue/PumpMessages.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const Text programDirectory = ProgramDirectory();
  // With the backslash: a bare "C:" would name the drive's current folder, not its root.
  SetCurrentDirectoryA((programDirectory + "\\").c_str());
  SkinLibrary skin(programDirectory);  // declared first: unloaded last
  KeywordPool pool;
  MainWindow window(pool);
  if (!window.Create([&] { InstallSkin(skin, programDirectory); })) return 1;
  window.Show();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchOne(message);
  return static_cast<int>(message.wParam);
}
