// Handling of the GUI thread's pending messages, low enough for every waiting subsystem to use: it needs
// only the thread's message queue, no window handle.
#pragma once

// Dispatches every message already waiting (and those that arrive meanwhile), each to its window, with
// Tab and Esc handled as the main loop handles them; returns when the queue is empty, without waiting.
// Stops early and leaves the quit message queued.
void PumpMessages();

// True once the window has gone and its quit message waits in the queue: from then on every wait
// returns at once and no command touches a control.
bool QuitPending();

// Translates and dispatches one message the way the main loop does: dialog keys (Tab, Esc) go to the
// top-level window that holds the message's window.
struct tagMSG;
void DispatchOne(tagMSG& message);
