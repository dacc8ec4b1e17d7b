// Base64 of RFC 4648 with the standard alphabet and "=" padding, without line breaks.
#pragma once
#include "text/Text.h"

namespace codec {

// Four characters for every three bytes, the last group padded with "=" or "==".
ByteBuffer Base64Encode(const ByteBuffer& bytes);

// Reverse of Base64Encode for what it writes. Other input is decoded without complaint: every byte
// outside the alphabet (CR, LF, "=", 0 ...) takes its place in a group with the value 0, the result
// reserves floor(3n/4) bytes of which a trailing incomplete group leaves its share at 0, and one byte is
// cut for each "=" of a final "=" or "==".
ByteBuffer Base64Decode(const ByteBuffer& bytes);

}  // namespace codec
