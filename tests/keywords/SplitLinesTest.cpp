// Where a text of lines is cut, and that the lines outlive the text they were cut from.
#include "keywords/SplitLines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace {

std::vector<Text> Elements(const LineList& lines) { return std::vector<Text>(lines.begin(), lines.end()); }

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

// Cutting by stepping one character at a time, the plain way, to hold the fast scan against.
std::vector<Text> SteppedElements(const Text& text) {
  std::vector<Text> elements;
  std::size_t start = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text.compare(at, 2, "\r\n") == 0) {
      elements.push_back(text.substr(start, at - start));
      at += 2;
      start = at;
    } else {
      at += CharLength(static_cast<unsigned char>(text[at]));
    }
  }
  if (start < text.size()) elements.push_back(text.substr(start));
  return elements;
}

TEST(SplitLines, AgreesWithCharacterStepping) {
  // Runs of lead bytes of every length, odd ones taking a CR, an LF or a letter as their second byte,
  // at every distance from the ends of the text.
  const char alphabet[] = {'\r', '\n', 'a', '\xB0', '\xB0', '\xB0', '\x81', '\xFE'};
  std::uint32_t state = 2024;
  auto next = [&state] { return state = state * 1103515245u + 12345u, state >> 16; };
  for (int round = 0; round < 3000; ++round) {
    Text text(next() % 48, ' ');
    for (char& c : text) c = alphabet[next() % sizeof alphabet];
    SCOPED_TRACE(::testing::PrintToString(text));
    const LineList lines = SplitLines(text);
    ASSERT_EQ(SteppedElements(text), Elements(lines));
    // All lines, each with its CR LF, give back the text, CR LF added when the last line had none.
    Text joined;
    for (std::string_view line : lines) joined.append(line).append("\r\n");
    EXPECT_EQ(joined, lines.SourceText() + (lines.EndsWithLineBreak() || lines.empty() ? "" : "\r\n"));
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
