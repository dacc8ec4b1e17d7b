// Percent encodings: one fixed "%XX" loop for the query values we send, a looser URL encoding and the
// decoders, all byte by byte.
#include "codec/PercentEncoding.h"

#include "codec/CodecTables.h"

namespace codec {
namespace {

void AppendPercentByte(unsigned char byte, Text& out) {
  out += '%';
  out += kHexPairs[byte].high;
  out += kHexPairs[byte].low;
}

bool StaysUnencoded(unsigned char byte) {
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9')) return true;
  switch (byte) {
    case '*': case ',': case '-': case '.': case '/': case '@': case '_':
      return true;
    default:
      return false;
  }
}

}  // namespace

Text PercentEncodeBytes(const ByteBuffer& bytes) {
  Text result;
  result.reserve(bytes.size() * 3);
  for (unsigned char byte : bytes) AppendPercentByte(byte, result);
  return result;
}

Text UrlEncodeGbk(const Text& text) {
  Text result;
  result.reserve(text.size());
  for (unsigned char byte : text) {
    if (StaysUnencoded(byte))
      result += static_cast<char>(byte);
    else
      AppendPercentByte(byte, result);
  }
  return result;
}

Text PercentDecode(const Text& text) {
  Text result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = i + 1 < text.size() ? HexDigitValue(static_cast<unsigned char>(text[i + 1])) : -1;
    const int low = i + 2 < text.size() ? HexDigitValue(static_cast<unsigned char>(text[i + 2])) : -1;
    if (text[i] != '%' || high < 0 || low < 0) {
      result += text[i];
      continue;
    }
    const int value = high * 16 + low;
    if (value != 0) result += static_cast<char>(value);
    i += 2;
  }
  return result;
}

ByteBuffer PercentDecodeBytes(const Text& text) {
  ByteBuffer result;
  result.reserve(text.size() / 3);
  for (std::size_t group = 0; group + 3 <= text.size(); group += 3) {
    const int high = HexDigitValue(static_cast<unsigned char>(text[group + 1]));
    const int low = HexDigitValue(static_cast<unsigned char>(text[group + 2]));
    if (high >= 0 && low >= 0) result += static_cast<char>(high * 16 + low);
  }
  return result;
}

}  // namespace codec
