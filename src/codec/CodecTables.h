// Digit and alphabet tables shared by the codec's byte-level encoders and decoders. They are built by the
// compiler, so no call pays for them and no call can see another's.
#pragma once
#include <array>

namespace codec {

inline constexpr char kHexDigits[] = "0123456789ABCDEF";
inline constexpr char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
inline constexpr char kBase64Pad = '=';

// The two upper-case digits of a byte, high digit first.
struct HexPair {
  char high;
  char low;
};

constexpr std::array<HexPair, 256> MakeHexPairTable() {
  std::array<HexPair, 256> table{};
  for (int value = 0; value < 256; ++value) table[value] = {kHexDigits[value >> 4], kHexDigits[value & 15]};
  return table;
}

inline constexpr std::array<HexPair, 256> kHexPairs = MakeHexPairTable();

// The strict decoders look a digit pair up by both characters' codes 1 to 70; only pairs of upper-case
// digits have a value, every other pair in that square holds 0.
inline constexpr int kDigitPairCodes = 70;
using DigitPairTable = std::array<std::array<unsigned char, kDigitPairCodes>, kDigitPairCodes>;

constexpr DigitPairTable MakeDigitPairTable() {
  DigitPairTable table{};
  for (int high = 0; high < 16; ++high)
    for (int low = 0; low < 16; ++low)
      table[kHexDigits[high] - 1][kHexDigits[low] - 1] = static_cast<unsigned char>(high * 16 + low);
  return table;
}

inline constexpr DigitPairTable kDigitPairValues = MakeDigitPairTable();

// A pair through the strict table. Codes outside 1 to 70 (0, the lower-case digits, every byte of 0x47
// and above) have no row or column there; they give 0 like any other pair that is not two digits, so
// malformed input can never index outside the table.
constexpr unsigned char StrictDigitPair(unsigned char high, unsigned char low) {
  if (high < 1 || high > kDigitPairCodes || low < 1 || low > kDigitPairCodes) return 0;
  return kDigitPairValues[high - 1][low - 1];
}

// Value of a digit of either case, or -1 for a byte that is not a hexadecimal digit.
constexpr int HexDigitValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Base64 value of every byte; bytes outside the alphabet, "=" and 0 among them, count as 0.
constexpr std::array<unsigned char, 256> MakeBase64Values() {
  std::array<unsigned char, 256> table{};
  for (int i = 0; i < 64; ++i) table[static_cast<unsigned char>(kBase64Alphabet[i])] = static_cast<unsigned char>(i);
  return table;
}

inline constexpr std::array<unsigned char, 256> kBase64Values = MakeBase64Values();

}  // namespace codec
