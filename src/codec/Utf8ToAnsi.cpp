// Page bodies from UTF-8 to the program's GBK texts.
#include "codec/Utf8ToAnsi.h"

#include "codec/CodePageConversion.h"

Text Utf8ToAnsi(const ByteBuffer& body) {
  return UnicodeToAnsi(codec::BufferOfUnits(
      codec::DecodeCodePage(codec::kCodePageUtf8, body.data(), static_cast<int>(body.size()))));
}

Text UnicodeToAnsi(const ByteBuffer& units) {
  std::wstring wide = codec::UnitsOfBuffer(units);
  wide.resize(wide.find(L'\0') == std::wstring::npos ? wide.size() : wide.find(L'\0'));
  return codec::EncodeCodePage(codec::kCodePageGbk, wide.data(), static_cast<int>(wide.size()), nullptr);
}
