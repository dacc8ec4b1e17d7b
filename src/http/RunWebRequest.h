// One HTTP request for the GUI thread: done on a worker thread of its own while the window keeps
// handling its messages, and given up at a time limit.
#pragma once
#include "text/Text.h"

// The response body, or the empty buffer after any failure or when the limit (whole seconds, 0 or none
// meaning 90) passed with no input waking the wait. An empty verb means GET; POST sends the post body;
// any other verb fails. Extra headers are lines ending in CR LF. When rawHeaders is given it receives
// the response headers as the platform reports them (empty after a failure). Returns at once, as after
// a time-out, when the window has gone.
ByteBuffer RunWebRequest(const Text& url, const Text& verb = Text(), const Text& proxy = Text(),
                         const Text& userName = Text(), const Text& password = Text(),
                         const Text& extraHeaders = Text(), const Text& postBody = Text(), int timeLimit = 0,
                         Text* rawHeaders = nullptr);
