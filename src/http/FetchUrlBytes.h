// The simple blocking HTTP GET the suggestion sources use: no worker, no message pumping, no limit of
// its own beyond the platform's time-outs.
#pragma once
#include "text/Text.h"

// The response body whatever its status, as far as it could be read; the empty buffer when the url is
// empty or the request cannot be made. Sent as "HTTP/1.0" with the program's agent text and the one
// header "Accept: */*", through the system's proxy settings, never from or into a cache; the fragment
// (from the first "#") is not sent.
ByteBuffer FetchUrlBytes(const Text& url);
