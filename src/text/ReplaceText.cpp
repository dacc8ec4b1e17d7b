// One pass that copies the text and swaps in the replacement wherever the pattern starts a character.
#include "text/ReplaceText.h"

#include <cstring>

Text ReplaceText(const Text& text, const Text& pattern, const Text& replacement) {
  if (text.empty() || pattern.empty()) return text;
  Text result;
  result.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    if (text.size() - at >= pattern.size() && std::memcmp(text.data() + at, pattern.data(), pattern.size()) == 0) {
      result += replacement;
      at += pattern.size();
      continue;
    }
    const std::size_t step = CharLength(text[at]) <= text.size() - at ? CharLength(text[at]) : 1;
    result.append(text, at, step);
    at += step;
  }
  return result;
}
