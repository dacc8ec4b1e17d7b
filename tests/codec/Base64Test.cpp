// Base64: the standard encoding and its lenient decoding of anything else.
#include "codec/Base64.h"

#include <gtest/gtest.h>

namespace {

using codec::Base64Decode;
using codec::Base64Encode;

ByteBuffer Bytes(const char* data, std::size_t size) { return ByteBuffer(data, size); }

struct Case {
  const char* name;
  ByteBuffer input;
  ByteBuffer expected;
};

TEST(Base64Encode, PadsTheLastGroup) {
  const Case cases[] = {
      {"empty", "", ""},
      {"one byte", "A", "QQ=="},
      {"two bytes", "AB", "QUI="},
      {"three bytes", "ABC", "QUJD"},
      {"four bytes", "ABCD", "QUJDRA=="},
      {"high bits and the last two letters", Bytes("\x00\xFF\xFE", 3), "AP/+"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, Base64Encode(c.input));
  }
}

TEST(Base64Encode, WritesNoLineBreaks) {
  const ByteBuffer encoded = Base64Encode(ByteBuffer(300, '\xFF'));
  EXPECT_EQ(ByteBuffer(400, '/'), encoded);
}

TEST(Base64Decode, CutsOneBytePerPadAndZeroesTheRest) {
  const Case cases[] = {
      {"two bytes", "QUI=", "AB"},
      {"one byte", "QQ==", "A"},
      {"three bytes", "QUJD", "ABC"},
      {"empty", "", ""},
      {"six characters without pad", "QUJDRA", Bytes("ABC\x00", 4)},
      {"lone pad", "=", ""},
      {"two pads", "==", ""},
      {"line breaks are not skipped", "QUJD\r\nQQ==", Bytes("ABC\x00\x04", 5)},
      // A 0 byte is outside the alphabet like CR or LF: it counts as 0 and is not an end.
      {"zero byte inside a group", Bytes("QU\x00=", 4), "A@"},
      {"only zero bytes", Bytes("\x00\x00\x00\x00", 4), Bytes("\x00\x00\x00", 3)},
      {"pad inside the text", "QQ==QUJD", Bytes("A\x00\x00" "ABC", 6)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, Base64Decode(c.input));
  }
}

TEST(Base64Decode, ReversesBase64EncodeForEveryLengthUpToFive) {
  const ByteBuffer source = Bytes("\x00\xFF\x41\x80\x7F", 5);
  for (std::size_t length = 0; length <= source.size(); ++length) {
    SCOPED_TRACE(length);
    const ByteBuffer bytes = source.substr(0, length);
    const ByteBuffer encoded = Base64Encode(bytes);
    EXPECT_EQ((length + 2) / 3 * 4, encoded.size());
    EXPECT_EQ(bytes, Base64Decode(encoded));
  }
}

}  // namespace
