// Splitting a URL into the server name, the object and the port that the WinINet calls take.
#pragma once
#include "text/Text.h"

constexpr int kKeepPort = 1;

// The text after the first "http://" (or the whole url) up to the first "/", without the port unless
// flags has kKeepPort, ASCII letters in small letters.
Text UrlHost(const Text& url, int flags = 0);

// From the first "/" after the host to the end, query included; "/" when there is none.
Text UrlObject(const Text& url);

// The number after the first ":" of the host, 80 when there is no ":", 0 when no number follows it.
int UrlPort(const Text& url);
