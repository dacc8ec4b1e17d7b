// A linear-probing set of exact byte strings whose keys live in the text a de-duplication writes, so the
// pool holds each distinct line once and never needs to assemble that text again.
#include "keywords/KeywordPool.h"

#include <cstring>
#include <functional>
#include <stdexcept>

namespace {
constexpr std::size_t kInitialSlots = 64;
// Lines hashed and their slots fetched this far ahead of the one being added: a big pool's set does not
// fit in the cache, and waiting for one slot at a time is what costs.
constexpr std::size_t kAhead = 8;
}  // namespace

KeywordPool::KeywordPool() : slots(kInitialSlots, Slot{0, kFree, 0}) {}

std::uint32_t KeywordPool::Hash(std::string_view line) {
  const std::uint64_t hash = std::hash<std::string_view>()(line);
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

void KeywordPool::Add(std::string_view line) { AddHashed(line, Hash(line)); }

void KeywordPool::AddLines(const LineList& lines) {
  std::uint32_t hashes[2 * kAhead];
  const std::size_t count = lines.size();
  for (std::size_t i = 0; i < count && i < kAhead; ++i) hashes[i] = Hash(lines[i]);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t ahead = i + kAhead;
    if (ahead < count) {
      const std::uint32_t hash = Hash(lines[ahead]);
      hashes[ahead % (2 * kAhead)] = hash;
      __builtin_prefetch(&slots[hash & (slots.size() - 1)]);
    }
    AddHashed(lines[i], hashes[i % (2 * kAhead)]);
  }
}

void KeywordPool::AddHashed(std::string_view line, std::uint32_t hash) {
  ++received;
  // No box of a 32-bit program holds such a line; refuse it rather than store a cut length.
  if (line.size() >= kFree) throw std::length_error("keyword line too long");
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
  slots[at] = Slot{distinctText.size(), static_cast<std::uint32_t>(line.size()), hash};
  distinctText.append(line.data(), line.size());
  distinctText.append("\r\n", 2);
  ++distinctCount;
}

std::size_t KeywordPool::FreeSlotFor(std::uint32_t hash) const {
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
