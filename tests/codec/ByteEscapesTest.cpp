// Byte escapes: three characters per byte out, one byte per whole group of three back.
#include "codec/ByteEscapes.h"

#include <gtest/gtest.h>

namespace {

using codec::EscapeBytes;
using codec::UnescapeBytes;

ByteBuffer Bytes(const char* data, std::size_t size) { return ByteBuffer(data, size); }

TEST(EscapeBytes, WritesEscapeAndTwoUpperCaseDigits) {
  struct Case {
    const char* name;
    ByteBuffer bytes;
    bool percent;
    ByteBuffer expected;
  };
  const Case cases[] = {
      {"zero and 0xFF with percent", Bytes("\x00\xFF", 2), true, "%00%FF"},
      {"zero and 0xFF with equals", Bytes("\x00\xFF", 2), false, "=00=FF"},
      {"empty", "", true, ""},
      {"letter is escaped too", "a", true, "%61"},
      {"value below 16 keeps two digits", "\t", false, "=09"},
      {"gbk character", "\xD6\xD0", true, "%D6%D0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, EscapeBytes(c.bytes, c.percent));
  }
}

TEST(UnescapeBytes, ReadsTheDigitsOfEveryWholeGroup) {
  struct Case {
    const char* name;
    ByteBuffer bytes;
    ByteBuffer expected;
  };
  const Case cases[] = {
      {"incomplete last group ignored", "%41%4", "A"},
      {"lone escape at the end", "%41%", "A"},
      {"empty", "", ""},
      {"shorter than a group", "%4", ""},
      {"equals escapes", "=41=42", "AB"},
      {"first character of a group never looked at", Bytes("x41\x00" "42", 6), "AB"},
      {"zero byte", "%00", Bytes("\x00", 1)},
      {"gbk character", "%D6%D0", "\xD6\xD0"},
      // Pairs that are not two upper-case digits all give 0, inside the table's codes and outside it.
      {"non-digit inside the table", "%@1", Bytes("\x00", 1)},
      {"lower-case digits", "%4a%d6", Bytes("\x00\x00", 2)},
      {"byte 0 as a digit", Bytes("%\x00" "1", 3), Bytes("\x00", 1)},
      {"high bytes as digits", "%\xFF\xFF", Bytes("\x00", 1)},
      {"letter beyond F", "%G1", Bytes("\x00", 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, UnescapeBytes(c.bytes));
  }
}

TEST(UnescapeBytes, ReversesEscapeBytesForEveryByteValue) {
  ByteBuffer all;
  for (int value = 0; value < 256; ++value) all += static_cast<char>(value);
  for (bool percent : {true, false}) {
    SCOPED_TRACE(percent ? "percent" : "equals");
    const ByteBuffer escaped = EscapeBytes(all, percent);
    EXPECT_EQ(3 * all.size(), escaped.size());
    EXPECT_EQ(all, UnescapeBytes(escaped));
  }
}

}  // namespace
