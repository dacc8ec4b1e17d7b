// The process-wide pool of keyword lines that every de-duplication reads. It only ever yields each distinct
// line once, in the order first received, so that is all it keeps: memory follows the distinct lines, and
// a de-duplication costs the lines it collects plus the text it writes, not everything ever collected.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "keywords/SplitLines.h"
#include "text/Text.h"

class KeywordPool {
public:
  KeywordPool();

  // Receives one line (a copy is kept when its bytes are new). Empty lines are lines like any other.
  void Add(std::string_view line);
  // Receives every line of the list in order: the same as Add for each, with the memory reads of the
  // next lines started early.
  void AddLines(const LineList& lines);

  // Lines received so far, repeats included.
  std::size_t Received() const { return received; }
  std::size_t DistinctCount() const { return distinctCount; }

  // Every distinct line, once each in the order first received, each followed by CR LF: exactly the
  // result list a de-duplication writes. Valid until the next Add.
  const Text& DistinctText() const { return distinctText; }

private:
  // Open addressing over the lines inside distinctText; a slot names a line by offset, since the text
  // moves as it grows.
  struct Slot {
    std::size_t begin;
    std::uint32_t length;
    std::uint32_t hash;
  };
  static constexpr std::uint32_t kFree = 0xFFFFFFFFu;

  static std::uint32_t Hash(std::string_view line);
  void AddHashed(std::string_view line, std::uint32_t hash);
  std::size_t FreeSlotFor(std::uint32_t hash) const;
  void Grow();

  Text distinctText;
  std::vector<Slot> slots;
  std::size_t distinctCount = 0;
  std::size_t received = 0;
};
