// Base64Decode on any bytes: never more than three bytes per four characters, and the reverse of
// Base64Encode.
#include "codec/Base64.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteBuffer input = FuzzInput(data, size);
  FUZZ_CHECK(codec::Base64Decode(input).size() <= size / 4 * 3 + (size % 4) * 3 / 4);
  const ByteBuffer encoded = codec::Base64Encode(input);
  FUZZ_CHECK(encoded.size() == (size + 2) / 3 * 4);
  FUZZ_CHECK(codec::Base64Decode(encoded) == input);
  return 0;
}
