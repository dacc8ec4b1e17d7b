// GBK texts at the edge of the wide Win32 calls: the window shows them right whatever the system's code
// page is.
#pragma once
#include <string>

#include "text/Text.h"

// Code page 936 to UTF-16; bytes that are no GBK character become U+FFFD or their nearest form.
std::wstring Widen(const Text& text);

// UTF-16 to code page 936; characters GBK lacks become "?".
Text Narrow(const std::wstring& text);
