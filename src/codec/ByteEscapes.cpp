// Byte escapes: a fixed three-character form per byte, so both directions are plain table look-ups.
#include "codec/ByteEscapes.h"

#include "codec/CodecTables.h"

namespace codec {

ByteBuffer EscapeBytes(const ByteBuffer& bytes, bool percent) {
  const char escape = percent ? '%' : '=';
  ByteBuffer result;
  result.reserve(bytes.size() * 3);
  for (unsigned char byte : bytes) {
    result += escape;
    result += kHexPairs[byte].high;
    result += kHexPairs[byte].low;
  }
  return result;
}

ByteBuffer UnescapeBytes(const ByteBuffer& bytes) {
  ByteBuffer result(bytes.size() / 3, '\0');
  for (std::size_t k = 0; k < result.size(); ++k) {
    const auto high = static_cast<unsigned char>(bytes[3 * k + 1]);
    const auto low = static_cast<unsigned char>(bytes[3 * k + 2]);
    result[k] = static_cast<char>(StrictDigitPair(high, low));
  }
  return result;
}

}  // namespace codec
