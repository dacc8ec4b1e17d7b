// Stepping from character start to character start keeps a match from beginning inside a two-byte
// character, where the trail byte may look like an ASCII letter.
#include "text/TextSearch.h"

#include <cstring>

namespace {

unsigned char FoldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

bool MatchesAt(const Text& text, std::size_t at, const Text& pattern, LetterCase letterCase) {
  if (text.size() - at < pattern.size()) return false;
  if (letterCase == LetterCase::Exact) return std::memcmp(text.data() + at, pattern.data(), pattern.size()) == 0;
  // Only one-byte characters fold: the trail byte of a two-byte character may look like a letter, and
  // folding it would take one Chinese character for another. Both sides step alike, since a lead byte
  // must match exactly and a folded letter is below 0x80 on both sides.
  for (std::size_t i = 0; i < pattern.size();) {
    const auto patternByte = static_cast<unsigned char>(pattern[i]);
    const auto textByte = static_cast<unsigned char>(text[at + i]);
    if (CharLength(patternByte) == 2) {
      const std::size_t length = i + 2 <= pattern.size() ? 2 : 1;
      if (std::memcmp(text.data() + at + i, pattern.data() + i, length) != 0) return false;
      i += length;
    } else {
      if (FoldAscii(textByte) != FoldAscii(patternByte)) return false;
      ++i;
    }
  }
  return true;
}

}  // namespace

int FindText(const Text& text, const Text& pattern, int start, LetterCase letterCase) {
  if (text.empty()) return -1;
  if (start < 1) start = 1;
  if (pattern.empty()) return start <= static_cast<int>(text.size()) ? start : -1;
  if (pattern.size() > text.size()) return -1;
  const std::size_t first = static_cast<std::size_t>(start - 1);
  const std::size_t last = text.size() - pattern.size();
  for (std::size_t at = 0; at <= last; at += CharLength(text[at])) {
    if (at >= first && MatchesAt(text, at, pattern, letterCase)) return static_cast<int>(at + 1);
  }
  return -1;
}

int FindTextBackward(const Text& text, const Text& pattern, int start, LetterCase letterCase) {
  if (text.empty()) return -1;
  const std::size_t limit = (start < 1 || start > static_cast<int>(text.size()))
                                ? text.size() - 1
                                : static_cast<std::size_t>(start - 1);
  if (pattern.empty()) return 1;
  int found = -1;
  for (std::size_t at = 0; at <= limit && at < text.size(); at += CharLength(text[at])) {
    if (MatchesAt(text, at, pattern, letterCase)) found = static_cast<int>(at + 1);
  }
  return found;
}
