// Preparing the skin file and attaching the skin, before the window is first shown.
#include "app/InstallSkin.h"

#include <windows.h>

#include "app/ProgramDirectory.h"
#include "app/SkinLibrary.h"
#include "queue/PumpMessages.h"

void InstallSkin(SkinLibrary& skin, const Text& programDirectory) {
  PumpMessages();
  const Text active = PathInDirectory(programDirectory, "skinh.she");
  DeleteFileA(active.c_str());
  CopyFileA(PathInDirectory(programDirectory, "dg.she").c_str(), active.c_str(), FALSE);
  skin.Attach();
  skin.SetAero(1);
  PumpMessages();
}
