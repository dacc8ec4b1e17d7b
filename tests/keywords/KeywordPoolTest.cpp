// The pool against the plain model it stands for: every line ever received, and a walk with a fresh
// seen set that keeps the first occurrence of each.
#include "keywords/KeywordPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

namespace {

Text LiteralDistinctText(const std::vector<Text>& everyLine) {
  std::set<Text> seen;
  Text text;
  for (const Text& line : everyLine) {
    if (seen.insert(line).second) text += line + "\r\n";
  }
  return text;
}

TEST(KeywordPool, KeepsFirstOccurrenceOfExactBytes) {
  struct Case {
    const char* name;
    std::vector<Text> lines;
    Text expected;
  };
  const Case cases[] = {
      {"nothing received", {}, ""},
      {"repeat goes", {"b", "a", "b"}, "b\r\na\r\n"},
      {"case and trailing blank count", {"Ab", "ab", "ab ", "ab"}, "Ab\r\nab\r\nab \r\n"},
      {"empty line is a line", {"", "a", "", "a"}, "\r\na\r\n"},
      {"hidden cr lf inside a character", {"\xB0\r\nb", "\xB0\r\nb", "\xB0"}, "\xB0\r\nb\r\n\xB0\r\n"},
      {"prefix is another line", {"ab", "a", "abc", "a"}, "ab\r\na\r\nabc\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeywordPool pool;
    for (const Text& line : c.lines) pool.Add(line);
    EXPECT_EQ(c.expected, pool.DistinctText());
    EXPECT_EQ(c.lines.size(), pool.Received());
  }
}

TEST(KeywordPool, MatchesTheLiteralPoolWhileGrowing) {
  // Lists of short lines over a few bytes repeat often; longer ones are mostly new and make the set grow
  // many times. Lists go in whole (AddLines) and line by line (Add), of every size from none up.
  const char alphabet[] = {'a', 'A', ' ', '\r', '\n', '\xB0', '\x81', '\r', '\n'};
  std::uint32_t state = 12345;
  auto next = [&state] { return state = state * 1103515245u + 12345u, state >> 16; };
  KeywordPool pool;
  std::vector<Text> everyLine;
  for (int round = 1; round <= 4000; ++round) {
    Text list(next() % (round % 2 == 0 ? 40 : 400), ' ');
    for (char& c : list) c = alphabet[next() % sizeof alphabet];
    const LineList lines = SplitLines(list);
    if (round % 3 == 0) {
      for (std::string_view line : lines) pool.Add(line);
    } else {
      pool.AddLines(lines);
    }
    for (std::string_view line : lines) everyLine.emplace_back(line);
    if (round % 1000 == 0 || round == 10) {
      SCOPED_TRACE(round);
      ASSERT_EQ(LiteralDistinctText(everyLine), pool.DistinctText());
      EXPECT_EQ(std::set<Text>(everyLine.begin(), everyLine.end()).size(), pool.DistinctCount());
      EXPECT_EQ(everyLine.size(), pool.Received());
    }
  }
}

}  // namespace
