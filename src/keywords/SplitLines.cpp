// Stepping from character start to character start is what keeps 0xB0 CR LF from being a line break.
#include "keywords/SplitLines.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the word scan below reads the first byte lowest");

// From a character start whose byte is 0x80 or above, the next character start whose byte is below 0x80
// (or the end). Stepping CharLength at a time through a run of such bytes takes two each, so the run
// pairs up from its start: an odd run ends with a lead byte that takes the low byte after it. Finding the
// run's end eight bytes at a time is what makes a list of Chinese keywords cheap to cut.
std::size_t SkipTwoByteRun(const char* bytes, std::size_t size, std::size_t start) {
  std::size_t end = start;
  for (; end + 8 <= size; end += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes + end, 8);
    const std::uint64_t low = ~word & 0x8080808080808080u;
    if (low != 0) {
      end += static_cast<std::size_t>(__builtin_ctzll(low)) / 8;
      return (end - start) % 2 == 0 ? end : end + 1;
    }
  }
  while (end < size && CharLength(static_cast<unsigned char>(bytes[end])) == 2) ++end;
  return (end - start) % 2 == 0 ? end : end + 1;
}

}  // namespace

LineList SplitLines(const Text& text) { return SplitLines(Text(text)); }

LineList SplitLines(Text&& text) {
  LineList lines;
  lines.text = std::move(text);
  const char* bytes = lines.text.data();
  const std::size_t size = lines.text.size();
  // Every line but the last ends at an LF: counting them first spares the list its regrowth.
  std::size_t breaks = 0;
  for (const char* lf = bytes; (lf = static_cast<const char*>(std::memchr(lf, '\n', bytes + size - lf)));
       ++lf) {
    ++breaks;
  }
  lines.spans.reserve(breaks + 1);
  std::size_t lineStart = 0;
  std::size_t at = 0;
  while (at < size) {
    const unsigned char byte = static_cast<unsigned char>(bytes[at]);
    if (CharLength(byte) == 2) {
      at = SkipTwoByteRun(bytes, size, at);
    } else if (byte == '\r' && at + 1 < size && bytes[at + 1] == '\n') {
      lines.spans.push_back({lineStart, at - lineStart});
      at += 2;
      lineStart = at;
    } else {
      ++at;
    }
  }
  // A lead byte at the very end steps past it; the last line still ends at the text's end.
  if (lineStart < size) lines.spans.push_back({lineStart, size - lineStart});
  return lines;
}
