// TextCodec against the real Win32 code-page services (run with the Chinese ANSI code page).
#include "codec/TextCodec.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include <gtest/gtest.h>

namespace {

ByteBuffer Bytes(const char* data, std::size_t size) { return ByteBuffer(data, size); }

struct Case {
  const char* name;
  ByteBuffer input;
  ByteBuffer expected;
};

// "中" and "文" as UTF-16LE, UTF-8 and Big5; the Thai letter KO KAI (U+0E01) is a character GBK lacks.
const ByteBuffer kZhongUnits = Bytes("\x2D\x4E", 2);
const ByteBuffer kZhongUtf8 = "\xE4\xB8\xAD";
const ByteBuffer kThaiUnit = Bytes("\x01\x0E", 2);

TEST(TextCodec, PercentEncodeGbkEncodesEveryByte) {
  const Case cases[] = {
      {"empty", "", ""},
      {"letters and a space", "a b", "%61%20%62"},
      {"ascii letters too", "ab", "%61%62"},
      {"gbk text", "中文", "%D6%D0%CE%C4"},
      {"tab", "\t", "%09"},
  };
  TextCodec codec;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.PercentEncodeGbk(c.input));
  }
}

TEST(TextCodec, PercentEncodeUtf8EncodesTheUtf8Form) {
  const Case cases[] = {
      {"empty", "", ""},
      {"tab", "\t", "%09"},
      {"ascii as gbk", "ab", "%61%62"},
      {"one character", "中", "%E4%B8%AD"},
      {"two characters and a space", "中 文", "%E4%B8%AD%20%E6%96%87"},
  };
  TextCodec codec;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.PercentEncodeUtf8(c.input));
  }
}

TEST(TextCodec, GbkToUnicodeEndsWithATerminatorUnit) {
  const Case cases[] = {
      {"empty", "", Bytes("\x00\x00", 2)},
      {"one character", "中", Bytes("\x2D\x4E\x00\x00", 4)},
      {"ascii", "ab", Bytes("a\0b\0\0\0", 6)},
  };
  TextCodec codec;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.GbkToUnicode(c.input));
  }
}

TEST(TextCodec, UnicodeToGbkStopsAtTheFirstZeroUnit) {
  const Case cases[] = {
      {"terminator only", Bytes("\x00\x00", 2), ""},
      {"empty", "", ""},
      {"three bytes give one unit", Bytes("a\0X", 3), "a"},
      {"without terminator", kZhongUnits, "中"},
      {"zero unit in the middle", Bytes("a\0\0\0b\0", 6), "a"},
      // A character GBK lacks becomes "?" and never cuts the text.
      {"character gbk lacks", Bytes("a\0", 2) + kThaiUnit + Bytes("b\0", 2), "a?b"},
  };
  TextCodec codec;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.UnicodeToGbk(c.input));
  }
}

TEST(TextCodec, Utf8ToUnicodeConvertsEveryByte) {
  const Case cases[] = {
      {"empty", "", ""},
      {"zero byte included", Bytes("a\0b", 3), Bytes("a\0\0\0b\0", 6)},
      {"one character", kZhongUtf8, kZhongUnits},
  };
  TextCodec codec;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.Utf8ToUnicode(c.input));
  }
}

TEST(TextCodec, UnicodeToUtf8ConvertsEveryWholeUnit) {
  const Case cases[] = {
      {"empty", "", ""},
      {"zero unit becomes a zero byte", Bytes("a\0\0\0", 4), Bytes("a\0", 2)},
      {"one character", kZhongUnits, kZhongUtf8},
      {"odd byte ignored", kZhongUnits + "\x01", kZhongUtf8},
  };
  TextCodec codec;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.UnicodeToUtf8(c.input));
  }
}

TEST(TextCodec, GbkToUtf8AndBack) {
  const Case toUtf8[] = {
      {"empty gives the terminator", "", Bytes("\0", 1)},
      {"one character", "中", kZhongUtf8 + Bytes("\0", 1)},
  };
  const Case toGbk[] = {
      {"empty", "", ""},
      {"one character", kZhongUtf8, "中"},
      {"ends at a zero byte", Bytes("a\0b", 3), "a"},
      {"character gbk lacks", "a\xE0\xB8\x81" "b", "a?b"},
  };
  TextCodec codec;
  for (const Case& c : toUtf8) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.GbkToUtf8(c.input));
  }
  for (const Case& c : toGbk) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.Utf8ToGbk(c.input));
  }
}

TEST(TextCodec, PercentDecodeUtf8GivesGbk) {
  const Case cases[] = {
      {"one character", "%E4%B8%AD", "中"},
      {"lower-case digits", "%e4%b8%ad", "中"},
      {"empty", "", ""},
      {"incomplete last group ignored", "%E4%B8%AD%4", "中"},
      {"decoded zero ends the text", "%61%00%62", "a"},
  };
  TextCodec codec;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.PercentDecodeUtf8(c.input));
  }
}

TEST(TextCodec, UnicodeHexFormsOfGbkTexts) {
  struct HexCase {
    const char* name;
    Text text;
    Text hex;
  };
  const HexCase cases[] = {
      {"empty", "", ""},
      {"one character", "中", "4E2D"},
      {"ascii", "ab", "00610062"},
  };
  TextCodec codec;
  for (const HexCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.hex, codec.GbkToUnicodeHex(c.text));
    EXPECT_EQ(c.text, codec.UnicodeHexToGbk(c.hex));
  }
  // Digits short of a whole unit are ignored; lower-case digits are not digits to this decoder.
  const Case odd[] = {
      {"two digits over", "4E2D00", "中"},
      {"three digits over", "00614E2", "a"},
      {"lower case", "4e2d", ""},
  };
  for (const Case& c : odd) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.UnicodeHexToGbk(c.input));
  }
}

// Every ASCII character but 0, then every two-byte code that GBK maps both ways (unassigned codes decode
// to a stand-in and do not come back).
Text EveryGbkCharacter(const TextCodec& codec) {
  Text all;
  for (int byte = 1; byte < 0x80; ++byte) all += static_cast<char>(byte);
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const Text character{static_cast<char>(lead), static_cast<char>(trail)};
      if (codec.UnicodeToGbk(codec.GbkToUnicode(character)) == character) all += character;
    }
  }
  return all;
}

TEST(TextCodec, RoundTripsOfEveryGbkCharacter) {
  TextCodec codec;
  const Text all = EveryGbkCharacter(codec);
  const std::size_t characters = 127 + (all.size() - 127) / 2;
  EXPECT_LT(21000u, characters);

  const Text hex = codec.GbkToUnicodeHex(all);
  EXPECT_EQ(4 * characters, hex.size());
  EXPECT_EQ(all, codec.UnicodeHexToGbk(hex));
  EXPECT_EQ(all, codec.Utf8ToGbk(codec.GbkToUtf8(all)));
  EXPECT_EQ(all, codec.PercentDecodeUtf8(codec.PercentEncodeUtf8(all)));
}

TEST(TextCodec, Big5AndGbk) {
  const Case toGbk[] = {
      {"empty", "", ""},
      {"two characters", "\xA4\xA4\xA4\xE5", "中文"},
      {"ascii", "abc", "abc"},
  };
  const Case toBig5[] = {
      {"empty", "", ""},
      {"two characters", "中文", "\xA4\xA4\xA4\xE5"},
      // The simplified 们 has no Big5 code: "?" takes its place and the text goes on.
      {"character big5 lacks", "我们a", "\xA7\xDA?a"},
  };
  TextCodec codec;
  for (const Case& c : toGbk) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.Big5ToGbk(c.input));
  }
  for (const Case& c : toBig5) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, codec.GbkToBig5(c.input));
  }
}

// What holds whether or not the platform maps the scripts (Wine leaves the text as it is).
TEST(TextCodec, ChineseScriptMappingKeepsLengthAndAscii) {
  TextCodec codec;
  const Text texts[] = {"abc 123", "中国汉语", "a汉b"};
  EXPECT_EQ("", codec.SimplifiedToTraditional(""));
  EXPECT_EQ("", codec.TraditionalToSimplified(""));
  EXPECT_EQ("abc 123", codec.SimplifiedToTraditional("abc 123"));
  EXPECT_EQ("abc 123", codec.TraditionalToSimplified("abc 123"));
  for (const Text& text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(text.size(), codec.SimplifiedToTraditional(text).size());
    EXPECT_EQ(text.size(), codec.TraditionalToSimplified(text).size());
  }
  // 中文 is written the same in both scripts, so the Big5 composites give it whatever the mapping.
  EXPECT_EQ("", codec.Big5ToSimplifiedGbk(""));
  EXPECT_EQ("", codec.GbkToTraditionalBig5(""));
  EXPECT_EQ("中文 a", codec.Big5ToSimplifiedGbk("\xA4\xA4\xA4\xE5 a"));
  EXPECT_EQ("\xA4\xA4\xA4\xE5 a", codec.GbkToTraditionalBig5("中文 a"));
}

TEST(TextCodec, ChineseScriptMappingMapsCharacters) {
  TextCodec codec;
  if (codec.SimplifiedToTraditional("汉") == "汉") GTEST_SKIP() << "Wine's LCMapStringA does not map Chinese scripts";
  EXPECT_EQ("漢語a", codec.SimplifiedToTraditional("汉语a"));
  EXPECT_EQ("汉语a", codec.TraditionalToSimplified("漢語a"));
  EXPECT_EQ("\xBA\x7E\xBB\x79", codec.GbkToTraditionalBig5("汉语"));  // 漢語 in Big5
  EXPECT_EQ("汉语", codec.Big5ToSimplifiedGbk("\xBA\x7E\xBB\x79"));
}

// The bytes with every 0 shown as the digit 0.
Text Visible(ByteBuffer bytes) {
  for (char& byte : bytes)
    if (byte == '\0') byte = '0';
  return bytes;
}

// Replaces one part of every composite operation with something recognisable.
class MarkedCodec : public TextCodec {
 public:
  ByteBuffer GbkToUtf8(const Text& text) const override { return "<" + text + ">"; }
  Text Utf8ToGbk(const ByteBuffer& bytes) const override { return "utf8:" + bytes; }
  ByteBuffer GbkToUnicode(const Text& text) const override { return text + "!" + Bytes("\0\0", 2); }
  ByteBuffer UnicodeToUtf8(const ByteBuffer& units) const override { return "u8(" + Visible(units) + ")"; }
  Text UnicodeToGbk(const ByteBuffer& units) const override { return "gbk(" + Visible(units) + ")"; }
  ByteBuffer SwapBytePairs(const ByteBuffer& bytes) const override { return bytes; }
  ByteBuffer HexToBytes(const ByteBuffer& bytes) const override { return bytes; }
  Text BytesToHex(const ByteBuffer& bytes) const override { return "hex(" + bytes + ")"; }
  Text SimplifiedToTraditional(const Text& text) const override { return "trad(" + text + ")"; }
  Text TraditionalToSimplified(const Text& text) const override { return "simp(" + text + ")"; }
  Text Big5ToGbk(const Text& big5) const override { return "gbk(" + big5 + ")"; }
  Text GbkToBig5(const Text& text) const override { return "big5(" + text + ")"; }
};

TEST(TextCodec, CompositesCallTheirPartsThroughTheTable) {
  MarkedCodec marked;
  const TextCodec& codec = marked;
  struct Row {
    const char* name;
    Text actual;
    Text expected;
  };
  const Row rows[] = {
      {"PercentEncodeUtf8 uses GbkToUtf8", codec.PercentEncodeUtf8("a"), "%3C%61%3E"},
      {"PercentDecodeUtf8 uses Utf8ToGbk", codec.PercentDecodeUtf8("%41"), "utf8:A"},
      {"GbkToUtf8 uses GbkToUnicode and UnicodeToUtf8", codec.TextCodec::GbkToUtf8("a"), "u8(a!00)"},
      {"Utf8ToGbk uses UnicodeToGbk", codec.TextCodec::Utf8ToGbk("a"), "gbk(a0)"},
      {"GbkToUnicodeHex uses GbkToUnicode, SwapBytePairs and BytesToHex", codec.GbkToUnicodeHex("ab"), "hex(ab!)"},
      {"UnicodeHexToGbk uses HexToBytes, SwapBytePairs and UnicodeToGbk", codec.UnicodeHexToGbk("xy"),
       "gbk(xy00)"},
      {"Big5ToSimplifiedGbk uses Big5ToGbk and TraditionalToSimplified", codec.Big5ToSimplifiedGbk("b"),
       "simp(gbk(b))"},
      {"GbkToTraditionalBig5 uses SimplifiedToTraditional and GbkToBig5", codec.GbkToTraditionalBig5("s"),
       "big5(trad(s))"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, row.actual);
  }
}

// Byte offset of a virtual operation in the table, read from its member pointer (which holds the
// offset plus one for a virtual function in this compiler's ABI).
template <typename Member>
std::size_t SlotOf(Member member) {
  std::uintptr_t raw;
  static_assert(sizeof(member) >= sizeof(raw), "member pointer holds the table offset first");
  std::memcpy(&raw, &member, sizeof(raw));
  return (raw - 1) / sizeof(void*);
}

TEST(TextCodec, OperationsSitInTheirSlots) {
  struct Row {
    const char* name;
    std::size_t actual;
    std::size_t expected;
  };
  const Row rows[] = {
      {"Finalize", SlotOf(&TextCodec::Finalize), 0},
      {"Clone", SlotOf(&TextCodec::Clone), 1},
      {"EscapeBytes", SlotOf(&TextCodec::EscapeBytes), 2},
      {"UnescapeBytes", SlotOf(&TextCodec::UnescapeBytes), 3},
      {"UrlEncodeGbk", SlotOf(&TextCodec::UrlEncodeGbk), 4},
      {"PercentEncodeGbk", SlotOf(&TextCodec::PercentEncodeGbk), 5},
      {"PercentDecode", SlotOf(&TextCodec::PercentDecode), 6},
      {"PercentEncodeUtf8", SlotOf(&TextCodec::PercentEncodeUtf8), 7},
      {"PercentDecodeUtf8", SlotOf(&TextCodec::PercentDecodeUtf8), 8},
      {"Base64Encode", SlotOf(&TextCodec::Base64Encode), 9},
      {"Base64Decode", SlotOf(&TextCodec::Base64Decode), 10},
      {"GbkToUnicode", SlotOf(&TextCodec::GbkToUnicode), 11},
      {"UnicodeToGbk", SlotOf(&TextCodec::UnicodeToGbk), 12},
      {"Utf8ToUnicode", SlotOf(&TextCodec::Utf8ToUnicode), 13},
      {"UnicodeToUtf8", SlotOf(&TextCodec::UnicodeToUtf8), 14},
      {"GbkToUtf8", SlotOf(&TextCodec::GbkToUtf8), 15},
      {"Utf8ToGbk", SlotOf(&TextCodec::Utf8ToGbk), 16},
      {"GbkToUnicodeHex", SlotOf(&TextCodec::GbkToUnicodeHex), 17},
      {"UnicodeHexToGbk", SlotOf(&TextCodec::UnicodeHexToGbk), 18},
      {"SwapBytePairs", SlotOf(&TextCodec::SwapBytePairs), 19},
      {"BytesToHex", SlotOf(&TextCodec::BytesToHex), 20},
      {"HexToBytes", SlotOf(&TextCodec::HexToBytes), 21},
      {"SimplifiedToTraditional", SlotOf(&TextCodec::SimplifiedToTraditional), 22},
      {"TraditionalToSimplified", SlotOf(&TextCodec::TraditionalToSimplified), 23},
      {"Big5ToGbk", SlotOf(&TextCodec::Big5ToGbk), 24},
      {"Big5ToSimplifiedGbk", SlotOf(&TextCodec::Big5ToSimplifiedGbk), 25},
      {"GbkToBig5", SlotOf(&TextCodec::GbkToBig5), 26},
      {"GbkToTraditionalBig5", SlotOf(&TextCodec::GbkToTraditionalBig5), 27},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, row.actual);
  }
}

// Slot 5 reached through the table itself, as a caller that knows only slot numbers does.
TEST(TextCodec, TableSlotCallsItsOperation) {
  using Slot5 = Text(__thiscall*)(const TextCodec*, const Text&);
  const std::unique_ptr<TextCodec> codec = TextCodec().Clone();
  void* const* table = *reinterpret_cast<void* const* const*>(codec.get());
  const Slot5 percentEncodeGbk = reinterpret_cast<Slot5>(table[5]);
  EXPECT_EQ("%61%0A", percentEncodeGbk(codec.get(), "a\n"));
}

TEST(TextCodec, CloneMakesAWorkingObject) {
  const std::unique_ptr<TextCodec> clone = TextCodec().Clone();
  ASSERT_NE(nullptr, clone);
  EXPECT_EQ("%D6%D0", clone->PercentEncodeGbk("中"));
}

}  // namespace
