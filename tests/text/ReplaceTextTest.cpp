// Replacement scans left to right over whole characters and never rescans what it inserted.
#include "text/ReplaceText.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplaceText, ReplacesEveryOccurrence) {
  struct Case {
    const char* name;
    Text text, pattern, replacement, expected;
  };
  const Case cases[] = {
      {"commas to line breaks", "a,b,c", ",", "\r\n", "a\r\nb\r\nc"},
      {"leading and trailing", ",a,", ",", "\r\n", "\r\na\r\n"},
      {"comma alone", ",", ",", "\r\n", "\r\n"},
      {"non-overlapping", "aaa", "aa", "b", "ba"},
      {"inserted text not rescanned", "aa", "a", "aa", "aaaa"},
      {"case counts", "Aa", "a", "x", "Ax"},
      {"empty text", "", ",", "x", ""},
      {"empty pattern", "abc", "", "x", "abc"},
      {"to empty", "a,b", ",", "", "ab"},
      {"trail byte untouched", "\x81\x41" "A", "A", "x", "\x81\x41" "x"},
      {"lone lead byte at end", "a\x81", "a", "b", "b\x81"},
      {"chinese pattern", "中文中", "中", "z", "z文z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, ReplaceText(c.text, c.pattern, c.replacement));
  }
}

}  // namespace
