// TextCodec: the class of text and byte encodings. It holds no data; callers make one for a call, use one
// operation and release it.
#pragma once
#include "text/Text.h"

#include <memory>

// Texts are GBK (code page 936); UTF-16 buffers are byte buffers of little-endian units, and a buffer of
// odd length is read as its whole units. The declaration order below is the order of the virtual table.
// Operations built from others call them through the object's own table, so a subclass that replaces one
// operation changes every operation made from it.
//
// Callers of the table count 28 slots with a one-entry destructor first and Clone second. A C++ virtual
// destructor takes two entries here (complete and deleting), which would move every operation one slot
// on, so slot 0 is the release hook and the C++ destructor comes after the last operation.
class TextCodec {
 public:
  TextCodec() = default;
  TextCodec(const TextCodec&) = default;
  TextCodec& operator=(const TextCodec&) = default;

  // Slot 0, the release step that callers of the table run before freeing an object; a codec holds
  // nothing to let go of. Releases made from C++ go through the destructor below.
  virtual void Finalize() const;
  virtual std::unique_ptr<TextCodec> Clone() const;

  virtual ByteBuffer EscapeBytes(const ByteBuffer& bytes, bool percent) const;
  virtual ByteBuffer UnescapeBytes(const ByteBuffer& bytes) const;
  virtual Text UrlEncodeGbk(const Text& text) const;
  virtual Text PercentEncodeGbk(const Text& text) const;
  virtual Text PercentDecode(const Text& text) const;
  virtual Text PercentEncodeUtf8(const Text& text) const;
  virtual Text PercentDecodeUtf8(const Text& text) const;
  virtual ByteBuffer Base64Encode(const ByteBuffer& bytes) const;
  virtual ByteBuffer Base64Decode(const ByteBuffer& bytes) const;
  virtual ByteBuffer GbkToUnicode(const Text& text) const;
  virtual Text UnicodeToGbk(const ByteBuffer& units) const;
  virtual ByteBuffer Utf8ToUnicode(const ByteBuffer& bytes) const;
  virtual ByteBuffer UnicodeToUtf8(const ByteBuffer& units) const;
  virtual ByteBuffer GbkToUtf8(const Text& text) const;
  virtual Text Utf8ToGbk(const ByteBuffer& bytes) const;
  virtual Text GbkToUnicodeHex(const Text& text) const;
  virtual Text UnicodeHexToGbk(const Text& text) const;
  virtual ByteBuffer SwapBytePairs(const ByteBuffer& bytes) const;
  virtual Text BytesToHex(const ByteBuffer& bytes) const;
  virtual ByteBuffer HexToBytes(const ByteBuffer& bytes) const;
  virtual Text SimplifiedToTraditional(const Text& text) const;
  virtual Text TraditionalToSimplified(const Text& text) const;
  virtual Text Big5ToGbk(const Text& big5) const;
  virtual Text Big5ToSimplifiedGbk(const Text& big5) const;
  virtual Text GbkToBig5(const Text& text) const;
  virtual Text GbkToTraditionalBig5(const Text& text) const;

  // Virtual so that releasing a subclass through a TextCodec pointer frees all of it.
  virtual ~TextCodec();
};
