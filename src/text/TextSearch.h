// GBK-aware search of a pattern in a text: candidates are character starts only, positions are 1-based
// byte positions, -1 means not found.
#pragma once
#include "text/Text.h"

enum class LetterCase { Exact, IgnoreAscii };

// The first occurrence that starts at or after the byte position `start` (1-based).
int FindText(const Text& text, const Text& pattern, int start = 1, LetterCase letterCase = LetterCase::Exact);

// The last occurrence that starts at or before the byte position `start`; a start of -1 means the end.
int FindTextBackward(const Text& text, const Text& pattern, int start = -1,
                     LetterCase letterCase = LetterCase::Exact);

inline bool ContainsText(const Text& text, const Text& pattern, LetterCase letterCase = LetterCase::Exact) {
  return FindText(text, pattern, 1, letterCase) != -1;
}
