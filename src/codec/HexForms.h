// Hexadecimal forms of bytes and the byte-pair swap that turns UTF-16 units between byte orders.
#pragma once
#include "text/Text.h"

namespace codec {

// Every byte as two upper-case digits, high digit first.
Text BytesToHex(const ByteBuffer& bytes);

// One byte from every pair of digits, through the strict table: upper-case digits only, any other pair
// gives 0. A last odd character has no partner and is ignored.
ByteBuffer HexToBytes(const ByteBuffer& bytes);

// The two bytes of every pair exchanged; a last odd byte stays where it is.
ByteBuffer SwapBytePairs(const ByteBuffer& bytes);

}  // namespace codec
