// The byte half of PercentDecodeUtf8 on any text: at most one byte per group, and the reverse of the
// percent encoding.
#include "codec/PercentEncoding.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = FuzzInput(data, size);
  FUZZ_CHECK(codec::PercentDecodeBytes(input).size() <= size / 3);
  FUZZ_CHECK(codec::PercentDecodeBytes(codec::PercentEncodeBytes(input)) == input);
  return 0;
}
