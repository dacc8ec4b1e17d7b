// A long wait that keeps the window responsive: 100 ms sleeps, each followed by a pump.
#pragma once

// milliseconds / 100 (truncated) turns of Sleep(100) then PumpMessages; less than 100 waits not at all.
// Returns at once when the window has gone.
void PacedWait(int milliseconds);
