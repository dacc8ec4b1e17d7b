// Where a text of lines is cut, and that the lines outlive the text they were cut from.
#include "keywords/SplitLines.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<Text> Elements(const LineList& lines) {
  std::vector<Text> elements;
  for (std::string_view line : lines) elements.emplace_back(line);
  return elements;
}

TEST(SplitLines, CutsAtCrLfBetweenCharacters) {
  struct Case {
    const char* name;
    Text text;
    std::vector<Text> expected;
  };
  const Case cases[] = {
      {"empty text", "", {}},
      {"one line", "a", {"a"}},
      {"ends with cr lf", "a\r\n", {"a"}},
      {"empty line between", "a\r\n\r\nb", {"a", "", "b"}},
      {"empty line at end", "a\r\n\r\n", {"a", ""}},
      {"cr lf alone", "\r\n", {""}},
      {"starts with cr lf", "\r\nb", {"", "b"}},
      {"lone cr and lf stay", "a\rb\nd", {"a\rb\nd"}},
      {"cr before cr lf", "a\r\r\nb", {"a\r", "b"}},
      {"lf then cr lf", "\n\r\n", {"\n"}},
      {"blanks kept", " a \r\n b", {" a ", " b"}},
      // 0xB0 takes the CR as its second byte, so no line break is found.
      {"cr inside a character", "\xB0\r\nb", {"\xB0\r\nb"}},
      {"cr inside a character, then a break", "\xB0\r\nb\r\nc", {"\xB0\r\nb", "c"}},
      {"lead byte at the end", "a\r\n\xB0", {"a", "\xB0"}},
      {"chinese lines", "关键词\r\n挖掘\r\n", {"关键词", "挖掘"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, Elements(SplitLines(c.text)));
  }
}

TEST(SplitLines, LinesOutliveTheirText) {
  // A short text lives inside the string object itself; long ones on the heap. Both must survive the
  // source going away and the list being copied or moved.
  for (const Text& source : {Text("ab\r\ncd"), Text(200, 'x') + "\r\nyz"}) {
    SCOPED_TRACE(source.size());
    const std::vector<Text> expected = Elements(SplitLines(source));
    LineList moved;
    LineList copied;
    {
      Text text = source;
      LineList lines = SplitLines(text);
      text.assign(300, '?');
      copied = lines;
      moved = std::move(lines);
    }
    EXPECT_EQ(expected, Elements(moved));
    EXPECT_EQ(expected, Elements(copied));
  }
}

}  // namespace
