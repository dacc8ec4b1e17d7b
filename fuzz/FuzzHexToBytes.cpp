// HexToBytes on any bytes: one byte per pair, and the reverse of BytesToHex.
#include "codec/HexForms.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteBuffer input = FuzzInput(data, size);
  FUZZ_CHECK(codec::HexToBytes(input).size() == size / 2);
  FUZZ_CHECK(codec::HexToBytes(codec::BytesToHex(input)) == input);
  FUZZ_CHECK(codec::SwapBytePairs(codec::SwapBytePairs(input)) == input);
  return 0;
}
