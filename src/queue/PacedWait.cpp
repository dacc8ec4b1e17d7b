// Sleeping in short turns keeps input flowing; a closed window ends the wait so the process can exit.
#include "queue/PacedWait.h"

#include <windows.h>

#include "queue/PumpMessages.h"

void PacedWait(int milliseconds) {
  const int turns = milliseconds / 100;
  for (int turn = 0; turn < turns; ++turn) {
    if (QuitPending()) return;
    Sleep(100);
    PumpMessages();
  }
}
