// A linear-probing set of exact byte strings whose keys live in the text a de-duplication writes, so the
// pool holds each distinct line once and never needs to assemble that text again.
#include "keywords/KeywordPool.h"

#include <cstring>
#include <functional>

namespace {
constexpr std::size_t kInitialSlots = 64;
}

KeywordPool::KeywordPool() : slots(kInitialSlots, Slot{0, kFree, 0}) {}

void KeywordPool::Add(std::string_view line) {
  ++received;
  const std::size_t hash = std::hash<std::string_view>()(line);
  const std::size_t mask = slots.size() - 1;
  std::size_t at = hash & mask;
  for (; slots[at].length != kFree; at = (at + 1) & mask) {
    const Slot& slot = slots[at];
    if (slot.hash == hash && slot.length == line.size() &&
        std::memcmp(distinctText.data() + slot.begin, line.data(), line.size()) == 0) {
      return;
    }
  }
  // Kept at most half full, so probe runs stay short.
  if ((distinctCount + 1) * 2 > slots.size()) {
    Grow();
    at = FreeSlotFor(hash);
  }
  slots[at] = Slot{distinctText.size(), line.size(), hash};
  distinctText.append(line.data(), line.size());
  distinctText.append("\r\n", 2);
  ++distinctCount;
}

std::size_t KeywordPool::FreeSlotFor(std::size_t hash) const {
  const std::size_t mask = slots.size() - 1;
  std::size_t at = hash & mask;
  while (slots[at].length != kFree) at = (at + 1) & mask;
  return at;
}

void KeywordPool::Grow() {
  std::vector<Slot> old(slots.size() * 2, Slot{0, kFree, 0});
  old.swap(slots);
  for (const Slot& slot : old) {
    if (slot.length != kFree) slots[FreeSlotFor(slot.hash)] = slot;
  }
}
