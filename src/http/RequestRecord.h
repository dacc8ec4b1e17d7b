// The in-memory byte stream that carries one web request to its worker and the answer back.
#pragma once
#include <cstddef>
#include <vector>

#include "text/Text.h"

// A text item is the text's bytes and one NUL; a byte item is a 32-bit little-endian length and exactly
// that many bytes.
enum class ItemKind { Text, Bytes };

class RequestRecord {
 public:
  RequestRecord() = default;
  explicit RequestRecord(const ByteBuffer& stream) : bytes(stream) {}  // positioned at 0

  // Writes at the position, over what is there and past the end, and moves the position after it.
  void WriteText(const Text& text);
  void WriteBytes(const ByteBuffer& bytes);

  // Reads the items in order from the position, one value per kind. When an item is missing, that item
  // and every later one of this read stay empty and the position goes back to where the read began.
  std::vector<ByteBuffer> Read(const std::vector<ItemKind>& kinds);

  void Seek(std::size_t position);  // clamped to the end
  void Clear();                     // back to position 0 with no bytes at all
  std::size_t Position() const { return position; }
  const ByteBuffer& Bytes() const { return bytes; }

 private:
  void Write(const char* data, std::size_t size);
  bool ReadOne(ItemKind kind, ByteBuffer& value);

  ByteBuffer bytes;
  std::size_t position = 0;
};
