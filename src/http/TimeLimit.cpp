// Taking only the low 32 bits of a huge limit would wrap it to a short or endless wait; both are wrong.
#include "http/TimeLimit.h"

std::uint32_t WaitMilliseconds(int timeLimit) {
  const int seconds = timeLimit > 0 ? timeLimit : kDefaultTimeLimit;
  const std::int64_t milliseconds = static_cast<std::int64_t>(seconds * 1000.0);
  constexpr std::int64_t kLongest = 0xFFFFFFFE;
  return static_cast<std::uint32_t>(milliseconds < kLongest ? milliseconds : kLongest);
}
