// Turns a UTF-8 page body into a text the scraper can search.
#pragma once
#include "text/Text.h"

// The body's characters up to the first NUL character (all of them when there is none) as a GBK text.
// Invalid or cut-off UTF-8 decodes as the platform decodes it.
Text Utf8ToAnsi(const ByteBuffer& body);

// The UTF-16 units before the first 0 unit as a GBK text, with the platform's own substitute for a
// character GBK lacks. Every text of this program is GBK, so this converts to code page 936 whatever the
// system's ANSI code page: on an English system CP_ACP would turn every Chinese character into "?".
Text UnicodeToAnsi(const ByteBuffer& units);
