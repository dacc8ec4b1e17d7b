// Reads never run past the end: a missing item rolls the whole read back, so a record that holds
// nothing (a worker that gave up) reads as empty items.
#include "http/RequestRecord.h"

#include <algorithm>
#include <cstdint>

void RequestRecord::Write(const char* data, std::size_t size) {
  bytes.replace(position, std::min(size, bytes.size() - position), data, size);
  position += size;
}

void RequestRecord::WriteText(const Text& text) {
  Write(text.data(), text.size());
  Write("", 1);
}

void RequestRecord::WriteBytes(const ByteBuffer& data) {
  const std::uint32_t length = static_cast<std::uint32_t>(data.size());
  const char prefix[4] = {static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF),
                          static_cast<char>((length >> 16) & 0xFF), static_cast<char>(length >> 24)};
  Write(prefix, sizeof prefix);
  Write(data.data(), data.size());
}

bool RequestRecord::ReadOne(ItemKind kind, ByteBuffer& value) {
  const std::size_t left = bytes.size() - position;
  if (kind == ItemKind::Text) {
    if (left == 0) return false;
    const std::size_t nul = bytes.find('\0', position);
    const std::size_t end = nul == ByteBuffer::npos ? bytes.size() : nul;
    value.assign(bytes, position, end - position);
    position = nul == ByteBuffer::npos ? end : end + 1;
    return true;
  }
  if (left < 4) return false;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data() + position);
  const std::uint32_t length = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
  if (left - 4 < length) return false;
  value.assign(bytes, position + 4, length);
  position += 4 + length;
  return true;
}

std::vector<ByteBuffer> RequestRecord::Read(const std::vector<ItemKind>& kinds) {
  std::vector<ByteBuffer> values(kinds.size());
  const std::size_t start = position;
  std::size_t i = 0;
  for (ItemKind kind : kinds) {
    if (!ReadOne(kind, values[i])) {
      for (std::size_t j = i; j < values.size(); ++j) values[j].clear();
      position = start;
      break;
    }
    ++i;
  }
  return values;
}

void RequestRecord::Seek(std::size_t to) { position = std::min(to, bytes.size()); }

void RequestRecord::Clear() {
  bytes.clear();
  position = 0;
}
