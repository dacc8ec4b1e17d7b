// PercentDecode on any text: it never grows the text, and it reverses both percent encoders (but for the
// 0 bytes, which a text cannot hold).
#include "codec/PercentEncoding.h"
#include "FuzzCheck.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = FuzzInput(data, size);
  const Text decoded = codec::PercentDecode(input);
  FUZZ_CHECK(decoded.size() <= size);
  FUZZ_CHECK(std::count(decoded.begin(), decoded.end(), '\0') == std::count(input.begin(), input.end(), '\0'));

  Text withoutZeros = input;
  withoutZeros.erase(std::remove(withoutZeros.begin(), withoutZeros.end(), '\0'), withoutZeros.end());
  FUZZ_CHECK(codec::PercentDecode(codec::PercentEncodeBytes(input)) == withoutZeros);
  FUZZ_CHECK(codec::PercentDecode(codec::UrlEncodeGbk(input)) == withoutZeros);
  return 0;
}
