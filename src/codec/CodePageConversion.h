// The Win32 code-page conversions the codec rests on. Each one first asks the platform for the size, then
// converts into a buffer of exactly that size; a size of 0 (a refused conversion) gives an empty result.
#pragma once
#include "text/Text.h"

#include <string>

namespace codec {

inline constexpr unsigned kCodePageGbk = 936;
inline constexpr unsigned kCodePageBig5 = 950;
inline constexpr unsigned kCodePageUtf8 = 65001;

// UTF-16 units of `length` bytes in the code page; a length of -1 reads up to and including the first 0
// byte, so that terminator becomes a 0 unit at the end. Invalid sequences decode as the platform decodes
// them when it is not asked to reject them.
std::wstring DecodeCodePage(unsigned codePage, const char* bytes, int length);

// `count` UTF-16 units in the code page. `substitute` is the text written for a character the code page
// lacks, or null for the platform's own (and for UTF-8, which takes none).
std::string EncodeCodePage(unsigned codePage, const wchar_t* units, int count, const char* substitute);

// Between UTF-16 buffers (little-endian bytes, a last odd byte ignored) and units.
std::wstring UnitsOfBuffer(const ByteBuffer& buffer);
ByteBuffer BufferOfUnits(const std::wstring& units);

}  // namespace codec
