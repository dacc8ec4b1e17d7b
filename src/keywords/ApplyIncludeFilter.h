// Reducing the result list to the lines that contain the seed word.
#pragma once
#include "keywords/KeywordPool.h"
#include "keywords/ListControls.h"

// De-duplicates, then keeps the lines of the result list in which the seed box's text is found (exact
// bytes, at a character start; an empty seed keeps every non-empty line). Pending handlers run after the
// de-duplication, after the list is read and after it is written.
void ApplyIncludeFilter(KeywordPool& pool, ListControls& controls);
