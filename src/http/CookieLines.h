// The cookies a response sets, cut out of its raw header text for the platform's cookie store.
#pragma once
#include <vector>

#include "text/Text.h"

struct CookieLine {
  Text name;  // empty when the line has no "="
  Text data;  // everything after the first "=", attributes included
};

// Every line (up to LF, a CR before the LF dropped) that contains "Set-Cookie: " in any letter case,
// with its first 12 bytes dropped and the rest split at the first "=".
std::vector<CookieLine> SplitCookieLines(const Text& rawHeaders);
