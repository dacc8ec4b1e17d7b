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
  // Short lines over a few bytes repeat often; longer ones are mostly new and make the set grow many times.
  const char alphabet[] = {'a', 'A', ' ', '\r', '\n', '\xB0', '\x81'};
  std::uint32_t state = 12345;
  auto next = [&state] { return state = state * 1103515245u + 12345u, state >> 16; };
  KeywordPool pool;
  std::vector<Text> everyLine;
  for (int i = 1; i <= 60000; ++i) {
    Text line(next() % (i % 3 == 0 ? 12 : 4), ' ');
    for (char& c : line) c = alphabet[next() % sizeof alphabet];
    pool.Add(line);
    everyLine.push_back(line);
    if (i % 15000 == 0 || i == 100) {
      SCOPED_TRACE(i);
      ASSERT_EQ(LiteralDistinctText(everyLine), pool.DistinctText());
      std::set<Text> distinct(everyLine.begin(), everyLine.end());
      EXPECT_EQ(distinct.size(), pool.DistinctCount());
      EXPECT_EQ(everyLine.size(), pool.Received());
    }
  }
}

}  // namespace
