// Search positions, character-start candidates and letter-case folding.
#include "text/TextSearch.h"

#include <gtest/gtest.h>

namespace {

struct SearchCase {
  const char* name;
  Text text;
  Text pattern;
  int start;
  LetterCase letterCase;
  int expected;
};

TEST(TextSearch, FindsForwardFromStart) {
  const SearchCase cases[] = {
      {"first occurrence", "abcabc", "bc", 1, LetterCase::Exact, 2},
      {"at or after start", "abcabc", "bc", 3, LetterCase::Exact, 5},
      {"start on the match", "abcabc", "bc", 5, LetterCase::Exact, 5},
      {"none after start", "abcabc", "bc", 6, LetterCase::Exact, -1},
      {"case counts", "xAB", "ab", 1, LetterCase::Exact, -1},
      {"ascii folds", "xAB", "ab", 1, LetterCase::IgnoreAscii, 2},
      {"empty pattern in text", "abc", "", 1, LetterCase::Exact, 1},
      {"empty pattern in empty text", "", "", 1, LetterCase::Exact, -1},
      {"pattern in empty text", "", "a", 1, LetterCase::Exact, -1},
      {"pattern longer than text", "ab", "abc", 1, LetterCase::Exact, -1},
      // 丄 is 0x81 0x41: its trail byte is an A that must not match.
      {"trail byte is no candidate", "\x81\x41", "A", 1, LetterCase::Exact, -1},
      {"trail byte not even folded", "\x81\x41", "a", 1, LetterCase::IgnoreAscii, -1},
      // 丄 (0x81 0x41) and 乣 (0x81 0x61) differ only in a trail byte that looks like a letter.
      {"trail byte of a pattern char not folded", "\x81\x61", "\x81\x41", 1, LetterCase::IgnoreAscii, -1},
      {"two-byte char then folded letter", "x\x81\x41" "A", "\x81\x41" "a", 1, LetterCase::IgnoreAscii, 2},
      {"after a two-byte char", "\x81\x41" "A", "A", 1, LetterCase::Exact, 3},
      {"two-byte pattern", "x中文", "文", 1, LetterCase::Exact, 4},
      // 0xB0 0x0D is one character, so the CR LF that seems to follow it is no CR LF.
      {"cr hidden in a char", "\xB0\r\nb", "\r\n", 1, LetterCase::Exact, -1},
      {"start below 1", "abc", "a", -3, LetterCase::Exact, 1},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, FindText(c.text, c.pattern, c.start, c.letterCase));
  }
}

TEST(TextSearch, FindsBackwardFromStart) {
  const SearchCase cases[] = {
      {"last occurrence", "abcabc", "bc", -1, LetterCase::Exact, 5},
      {"at or before start", "abcabc", "bc", 4, LetterCase::Exact, 2},
      {"none before start", "abcabc", "bc", 1, LetterCase::Exact, -1},
      {"ascii folds", "aBcAbC", "abc", -1, LetterCase::IgnoreAscii, 4},
      {"trail byte is no candidate", "A\x81\x41", "A", -1, LetterCase::Exact, 1},
      {"empty pattern", "abc", "", -1, LetterCase::Exact, 1},
      {"empty text", "", "a", -1, LetterCase::Exact, -1},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, FindTextBackward(c.text, c.pattern, c.start, c.letterCase));
  }
}

}  // namespace
