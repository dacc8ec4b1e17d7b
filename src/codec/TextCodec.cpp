// TextCodec's operations: byte-level ones hand over to the pure codec functions, code-page ones to the
// platform conversions, and the composite ones call their parts through the object's own table.
#include "codec/TextCodec.h"

#include "codec/Base64.h"
#include "codec/ByteEscapes.h"
#include "codec/CodePageConversion.h"
#include "codec/HexForms.h"
#include "codec/PercentEncoding.h"

namespace {

// Written for a character the target code page lacks. An empty substitute would let the platform write a
// 0 byte there, and the text would silently end at that character.
constexpr const char* kMissingCharacter = "?";

// The bytes before the first 0 byte.
Text UpToFirstNul(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

// A text in one double-byte code page to another, through UTF-16 with the terminator carried along.
Text Recode(unsigned fromCodePage, unsigned toCodePage, const Text& text) {
  const std::wstring units = codec::DecodeCodePage(fromCodePage, text.c_str(), -1);
  return UpToFirstNul(
      codec::EncodeCodePage(toCodePage, units.data(), static_cast<int>(units.size()), kMissingCharacter));
}

}  // namespace

void TextCodec::Finalize() const {}

TextCodec::~TextCodec() = default;

std::unique_ptr<TextCodec> TextCodec::Clone() const { return std::make_unique<TextCodec>(); }

ByteBuffer TextCodec::EscapeBytes(const ByteBuffer& bytes, bool percent) const {
  return codec::EscapeBytes(bytes, percent);
}

ByteBuffer TextCodec::UnescapeBytes(const ByteBuffer& bytes) const { return codec::UnescapeBytes(bytes); }

Text TextCodec::UrlEncodeGbk(const Text& text) const { return codec::UrlEncodeGbk(text); }

Text TextCodec::PercentEncodeGbk(const Text& text) const { return codec::PercentEncodeBytes(text); }

Text TextCodec::PercentDecode(const Text& text) const { return codec::PercentDecode(text); }

Text TextCodec::PercentEncodeUtf8(const Text& text) const {
  ByteBuffer bytes = GbkToUtf8(text);
  // GbkToUtf8 carries the text's terminator along; only that one 0 byte is dropped.
  if (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
  return codec::PercentEncodeBytes(bytes);
}

Text TextCodec::PercentDecodeUtf8(const Text& text) const { return Utf8ToGbk(codec::PercentDecodeBytes(text)); }

ByteBuffer TextCodec::Base64Encode(const ByteBuffer& bytes) const { return codec::Base64Encode(bytes); }

ByteBuffer TextCodec::Base64Decode(const ByteBuffer& bytes) const { return codec::Base64Decode(bytes); }

ByteBuffer TextCodec::GbkToUnicode(const Text& text) const {
  return codec::BufferOfUnits(codec::DecodeCodePage(codec::kCodePageGbk, text.c_str(), -1));
}

Text TextCodec::UnicodeToGbk(const ByteBuffer& units) const {
  const std::wstring wide = codec::UnitsOfBuffer(units);
  return UpToFirstNul(codec::EncodeCodePage(codec::kCodePageGbk, wide.data(), static_cast<int>(wide.size()),
                                            kMissingCharacter));
}

ByteBuffer TextCodec::Utf8ToUnicode(const ByteBuffer& bytes) const {
  return codec::BufferOfUnits(
      codec::DecodeCodePage(codec::kCodePageUtf8, bytes.data(), static_cast<int>(bytes.size())));
}

ByteBuffer TextCodec::UnicodeToUtf8(const ByteBuffer& units) const {
  const std::wstring wide = codec::UnitsOfBuffer(units);
  return codec::EncodeCodePage(codec::kCodePageUtf8, wide.data(), static_cast<int>(wide.size()), nullptr);
}

ByteBuffer TextCodec::GbkToUtf8(const Text& text) const { return UnicodeToUtf8(GbkToUnicode(text)); }

Text TextCodec::Utf8ToGbk(const ByteBuffer& bytes) const { return UnicodeToGbk(Utf8ToUnicode(bytes)); }

Text TextCodec::GbkToUnicodeHex(const Text& text) const {
  ByteBuffer units = GbkToUnicode(text);
  units.resize(units.size() >= 2 ? units.size() - 2 : 0);  // the terminator unit
  return BytesToHex(SwapBytePairs(units));
}

Text TextCodec::UnicodeHexToGbk(const Text& text) const {
  ByteBuffer units = SwapBytePairs(HexToBytes(text));
  // Digits short of a whole unit are ignored rather than paired with the terminator.
  units.resize(units.size() / 2 * 2);
  units.append(2, '\0');
  return UnicodeToGbk(units);
}

ByteBuffer TextCodec::SwapBytePairs(const ByteBuffer& bytes) const { return codec::SwapBytePairs(bytes); }

Text TextCodec::BytesToHex(const ByteBuffer& bytes) const { return codec::BytesToHex(bytes); }

ByteBuffer TextCodec::HexToBytes(const ByteBuffer& bytes) const { return codec::HexToBytes(bytes); }

Text TextCodec::Big5ToGbk(const Text& big5) const { return Recode(codec::kCodePageBig5, codec::kCodePageGbk, big5); }

Text TextCodec::Big5ToSimplifiedGbk(const Text& big5) const { return TraditionalToSimplified(Big5ToGbk(big5)); }

Text TextCodec::GbkToBig5(const Text& text) const { return Recode(codec::kCodePageGbk, codec::kCodePageBig5, text); }

Text TextCodec::GbkToTraditionalBig5(const Text& text) const { return GbkToBig5(SimplifiedToTraditional(text)); }
