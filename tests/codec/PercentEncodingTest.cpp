// Percent encodings of query values and the two decoders.
#include "codec/PercentEncoding.h"

#include <gtest/gtest.h>

namespace {

using codec::PercentDecode;
using codec::PercentDecodeBytes;
using codec::PercentEncodeBytes;
using codec::UrlEncodeGbk;

ByteBuffer Bytes(const char* data, std::size_t size) { return ByteBuffer(data, size); }

struct Case {
  const char* name;
  ByteBuffer input;
  ByteBuffer expected;
};

TEST(PercentEncodeBytes, EncodesEveryByte) {
  const Case cases[] = {
      {"empty", "", ""},
      {"letters and a space", "a b", "%61%20%62"},
      {"ascii letters too", "ab", "%61%62"},
      {"gbk text", "中文", "%D6%D0%CE%C4"},
      {"tab keeps two digits", "\t", "%09"},
      {"zero byte", Bytes("\x00", 1), "%00"},
      {"top byte", "\xFF", "%FF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, PercentEncodeBytes(c.input));
  }
}

TEST(UrlEncodeGbk, LeavesLettersDigitsAndSevenMarks) {
  const Case cases[] = {
      {"plus and space", "a+b x", "a%2Bb%20x"},
      {"comma stays", "1,2", "1,2"},
      {"empty", "", ""},
      {"the seven marks", "*,-./@_", "*,-./@_"},
      {"letters and digits", "AZaz09", "AZaz09"},
      {"other ascii marks", "~%&=?:", "%7E%25%26%3D%3F%3A"},
      {"control byte", "\t", "%09"},
      {"gbk character", "中", "%D6%D0"},
      // Byte by byte: a trail byte that is an at sign stays unchanged after its encoded lead byte.
      {"trail byte in the unchanged set", "\x81\x40", "%81@"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, UrlEncodeGbk(c.input));
  }
}

TEST(PercentDecode, DecodesPairsOfEitherCaseAndCopiesTheRest) {
  const Case cases[] = {
      {"upper and lower case", "%41%6a", "Aj"},
      {"decoded zero dropped", "a%00b", "ab"},
      {"empty", "", ""},
      {"gbk character", "%D6%D0", "中"},
      {"plus is not a space", "a+b", "a+b"},
      {"escaped percent", "%25", "%"},
      // A "%" without two digits inside the text is an ordinary character.
      {"percent at the end", "100%", "100%"},
      {"one digit at the end", "ab%4", "ab%4"},
      {"non-digit after percent", "%G1", "%G1"},
      {"second digit missing", "%4%41", "%4A"},
      {"percent before an escape", "%%41", "%A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, PercentDecode(c.input));
  }
}

TEST(PercentDecode, ReversesPercentEncodingOfEveryNonZeroByte) {
  Text all;
  for (int value = 1; value < 256; ++value) all += static_cast<char>(value);
  EXPECT_EQ(all, PercentDecode(PercentEncodeBytes(all)));
  EXPECT_EQ(all, PercentDecode(UrlEncodeGbk(all)));
}

TEST(PercentDecodeBytes, ReadsOneByteFromEveryGroupOfThree) {
  const Case cases[] = {
      {"utf-8 character", "%E4%B8%AD", "\xE4\xB8\xAD"},
      {"lower-case digits", "%e4%b8%ad", "\xE4\xB8\xAD"},
      {"empty", "", ""},
      {"incomplete last group ignored", "%E4%B", "\xE4"},
      {"first character never looked at", "xE4=B8", "\xE4\xB8"},
      {"pair with a non-digit adds nothing", "%G4%41", "A"},
      {"zero byte kept", "%00%41", Bytes("\x00" "A", 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, PercentDecodeBytes(c.input));
  }
}

}  // namespace
