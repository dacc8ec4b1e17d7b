// UnescapeBytes on any bytes: one byte per whole group, and the exact reverse of EscapeBytes.
#include "codec/ByteEscapes.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteBuffer input = FuzzInput(data, size);
  FUZZ_CHECK(codec::UnescapeBytes(input).size() == size / 3);
  FUZZ_CHECK(codec::UnescapeBytes(codec::EscapeBytes(input, size % 2 == 0)) == input);
  return 0;
}
