// Byte escapes of the form "%4A" or "=4A", three characters for every byte, and their reverse.
#pragma once
#include "text/Text.h"

namespace codec {

// Every byte as the escape character ("%" when percent is set, else "=") and two upper-case digits.
ByteBuffer EscapeBytes(const ByteBuffer& bytes, bool percent);

// One byte from every whole group of three; the group's first character is never looked at and an
// incomplete last group is dropped. Digits are read through the strict table: upper-case only, and any
// other pair gives the byte 0.
ByteBuffer UnescapeBytes(const ByteBuffer& bytes);

}  // namespace codec
