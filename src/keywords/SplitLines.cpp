// Stepping from character start to character start is what keeps 0xB0 CR LF from being a line break.
#include "keywords/SplitLines.h"

#include <utility>

LineList SplitLines(const Text& text) { return SplitLines(Text(text)); }

LineList SplitLines(Text&& text) {
  LineList lines;
  lines.text = std::move(text);
  const char* bytes = lines.text.data();
  const std::size_t size = lines.text.size();
  std::size_t lineStart = 0;
  std::size_t at = 0;
  while (at < size) {
    if (bytes[at] == '\r' && at + 1 < size && bytes[at + 1] == '\n') {
      lines.spans.push_back({lineStart, at - lineStart});
      at += 2;
      lineStart = at;
    } else {
      at += CharLength(static_cast<unsigned char>(bytes[at]));
    }
  }
  // A lead byte at the very end steps past it; the last line still ends at the text's end.
  if (lineStart < size) lines.spans.push_back({lineStart, size - lineStart});
  return lines;
}
