// Conversions between GBK texts and the UTF-16 strings of the wide Win32 calls.
#include "app/WideText.h"

#include <windows.h>

namespace {
constexpr UINT kGbk = 936;
}

std::wstring Widen(const Text& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(kGbk, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kGbk, 0, text.data(), size, wide.data(), length);
  return wide;
}

Text Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(kGbk, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  Text narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kGbk, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}
