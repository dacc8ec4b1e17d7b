// Hexadecimal forms and the byte-pair swap.
#include "codec/HexForms.h"

#include <gtest/gtest.h>

namespace {

using codec::BytesToHex;
using codec::HexToBytes;
using codec::SwapBytePairs;

ByteBuffer Bytes(const char* data, std::size_t size) { return ByteBuffer(data, size); }

struct Case {
  const char* name;
  ByteBuffer input;
  ByteBuffer expected;
};

TEST(BytesToHex, WritesTwoUpperCaseDigitsPerByte) {
  const Case cases[] = {
      {"empty", "", ""},
      {"zero, top byte and a unit", Bytes("\x00\xFF\x4E\x2D", 4), "00FF4E2D"},
      {"below 16", "\x01", "01"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, BytesToHex(c.input));
  }
}

TEST(HexToBytes, ReadsPairsOfUpperCaseDigits) {
  const Case cases[] = {
      {"a unit", "4E2D", "\x4E\x2D"},
      {"empty", "", ""},
      {"odd last digit ignored", "4E2", "\x4E"},
      {"single digit", "4", ""},
      {"lower-case digits give 0", "4e2d", Bytes("\x00\x00", 2)},
      {"non-digit inside the table gives 0", "4G", Bytes("\x00", 1)},
      {"zero byte as a digit gives 0", Bytes("\x00" "1", 2), Bytes("\x00", 1)},
      {"high byte as a digit gives 0", "\xD6\xD0", Bytes("\x00", 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, HexToBytes(c.input));
  }
}

TEST(HexToBytes, ReversesBytesToHexForEveryByteValue) {
  ByteBuffer all;
  for (int value = 0; value < 256; ++value) all += static_cast<char>(value);
  EXPECT_EQ(all, HexToBytes(BytesToHex(all)));
}

TEST(SwapBytePairs, ExchangesTheBytesOfEveryPair) {
  const Case cases[] = {
      {"empty", "", ""},
      {"one pair", "ab", "ba"},
      {"two pairs", "abcd", "badc"},
      {"odd last byte stays", "abc", "bac"},
      {"single byte", "a", "a"},
      {"zero bytes", Bytes("\x2D\x00", 2), Bytes("\x00\x2D", 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, SwapBytePairs(c.input));
  }
}

}  // namespace
