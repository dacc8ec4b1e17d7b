// Base64 encoding and its lenient decoding.
#include "codec/Base64.h"

#include "codec/CodecTables.h"

namespace codec {

ByteBuffer Base64Encode(const ByteBuffer& bytes) {
  ByteBuffer result;
  result.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t have = bytes.size() - i < 3 ? bytes.size() - i : 3;
    unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
    if (have > 1) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (have > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
    result += kBase64Alphabet[(group >> 18) & 63];
    result += kBase64Alphabet[(group >> 12) & 63];
    result += have > 1 ? kBase64Alphabet[(group >> 6) & 63] : kBase64Pad;
    result += have > 2 ? kBase64Alphabet[group & 63] : kBase64Pad;
  }
  return result;
}

ByteBuffer Base64Decode(const ByteBuffer& bytes) {
  const std::size_t n = bytes.size();
  std::size_t cut = 0;
  if (n >= 1 && bytes[n - 1] == kBase64Pad) cut = (n >= 2 && bytes[n - 2] == kBase64Pad) ? 2 : 1;

  // floor(3n/4) without overflowing 3n.
  ByteBuffer result(n / 4 * 3 + (n % 4) * 3 / 4, '\0');
  std::size_t out = 0;
  for (std::size_t i = 0; i + 4 <= n; i += 4) {
    const unsigned a = kBase64Values[static_cast<unsigned char>(bytes[i])];
    const unsigned b = kBase64Values[static_cast<unsigned char>(bytes[i + 1])];
    const unsigned c = kBase64Values[static_cast<unsigned char>(bytes[i + 2])];
    const unsigned d = kBase64Values[static_cast<unsigned char>(bytes[i + 3])];
    result[out++] = static_cast<char>(((a << 2) + (b >> 4)) & 0xFF);
    result[out++] = static_cast<char>(((b << 4) + (c >> 2)) & 0xFF);
    result[out++] = static_cast<char>(((c << 6) + d) & 0xFF);
  }
  result.resize(result.size() > cut ? result.size() - cut : 0);
  return result;
}

}  // namespace codec
