// Percent encodings of query values and their decoding, on the bytes of a text.
#pragma once
#include "text/Text.h"

namespace codec {

// Every byte as "%" and two upper-case digits, letters and digits included.
Text PercentEncodeBytes(const ByteBuffer& bytes);

// Percent-encodes every byte except ASCII letters, digits and * , - . / @ _ . Bytes are tested one by
// one, so the trail byte of a GBK character may stay as it is after its encoded lead byte.
Text UrlEncodeGbk(const Text& text);

// "%" and two digits of either case back to one byte; every other byte is copied. A decoded 0 is dropped,
// since a text holds none. A "%" that is not followed by two digits inside the text ("100%", "%4" at the
// end, "%G1") is an ordinary character and is copied, and the bytes after it are read as usual.
Text PercentDecode(const Text& text);

// The byte half of decoding percent-encoded UTF-8: a byte from the two digits of every whole group of
// three characters, whatever the group's first character. Digits of either case are read; a group whose
// pair holds a non-digit adds nothing, and an incomplete last group is ignored. The result may hold 0.
ByteBuffer PercentDecodeBytes(const Text& text);

}  // namespace codec
