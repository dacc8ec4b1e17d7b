// The two value types every subsystem passes around: GBK texts and raw byte buffers.
#pragma once
#include <cstddef>
#include <string>

// A text in code page 936 (GBK): lengths and positions count bytes, a byte of 0x80 or above starts a
// two-byte character.
using Text = std::string;

// A counted sequence of bytes that may hold NUL bytes, such as a response body.
using ByteBuffer = std::string;

// Bytes taken by the character that starts with this byte. The second byte of a two-byte character is
// never looked at, so a CR or a letter there is part of the character.
inline std::size_t CharLength(unsigned char lead) { return lead >= 0x80 ? 2 : 1; }
