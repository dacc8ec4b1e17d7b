// Replacement of every occurrence of a text in a text, GBK-aware and exact.
#pragma once
#include "text/Text.h"

// Scans from character start to character start, replaces each non-overlapping occurrence of `pattern`
// and goes on after the inserted text. An empty text or an empty pattern leaves the text unchanged.
Text ReplaceText(const Text& text, const Text& pattern, const Text& replacement);
