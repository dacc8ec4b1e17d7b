// Hexadecimal forms and the byte-pair swap.
#include "codec/HexForms.h"

#include "codec/CodecTables.h"

#include <utility>

namespace codec {

Text BytesToHex(const ByteBuffer& bytes) {
  Text result;
  result.reserve(bytes.size() * 2);
  for (unsigned char byte : bytes) {
    result += kHexPairs[byte].high;
    result += kHexPairs[byte].low;
  }
  return result;
}

ByteBuffer HexToBytes(const ByteBuffer& bytes) {
  ByteBuffer result(bytes.size() / 2, '\0');
  for (std::size_t k = 0; k < result.size(); ++k) {
    const auto high = static_cast<unsigned char>(bytes[2 * k]);
    const auto low = static_cast<unsigned char>(bytes[2 * k + 1]);
    result[k] = static_cast<char>(StrictDigitPair(high, low));
  }
  return result;
}

ByteBuffer SwapBytePairs(const ByteBuffer& bytes) {
  ByteBuffer result = bytes;
  for (std::size_t i = 0; i + 1 < result.size(); i += 2) std::swap(result[i], result[i + 1]);
  return result;
}

}  // namespace codec
