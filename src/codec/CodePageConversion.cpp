// MultiByteToWideChar and WideCharToMultiByte, measured then converted.
#include "codec/CodePageConversion.h"

#include <windows.h>

#include <cstring>

namespace codec {

std::wstring DecodeCodePage(unsigned codePage, const char* bytes, int length) {
  const int needed = MultiByteToWideChar(codePage, 0, bytes, length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring units(static_cast<std::size_t>(needed), L'\0');
  const int written = MultiByteToWideChar(codePage, 0, bytes, length, &units[0], needed);
  units.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return units;
}

std::string EncodeCodePage(unsigned codePage, const wchar_t* units, int count, const char* substitute) {
  if (count <= 0) return {};
  const int needed = WideCharToMultiByte(codePage, 0, units, count, nullptr, 0, substitute, nullptr);
  if (needed <= 0) return {};
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  const int written = WideCharToMultiByte(codePage, 0, units, count, &bytes[0], needed, substitute, nullptr);
  bytes.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return bytes;
}

std::wstring UnitsOfBuffer(const ByteBuffer& buffer) {
  std::wstring units(buffer.size() / 2, L'\0');
  if (!units.empty()) std::memcpy(&units[0], buffer.data(), units.size() * 2);
  return units;
}

ByteBuffer BufferOfUnits(const std::wstring& units) {
  ByteBuffer buffer(units.size() * 2, '\0');
  if (!buffer.empty()) std::memcpy(&buffer[0], units.data(), buffer.size());
  return buffer;
}

}  // namespace codec
