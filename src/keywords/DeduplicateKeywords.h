// Rebuilding the result list from the keyword pool.
#pragma once
#include "keywords/KeywordPool.h"
#include "keywords/ListControls.h"

// Collects the result list into the pool, lets pending handlers run, then writes every distinct line the
// pool has ever received into the result list, once each in the order first received, each followed by
// CR LF. What a handler writes into the result list during that pump is replaced; what it adds to the
// pool is written.
void DeduplicateKeywords(KeywordPool& pool, ListControls& controls);
